#include "compile/compile_result.h"

#include "common/text.h"

namespace qv {

bool isFatalMessage(const std::string& message) { return startsWithNoCase(message, "ERROR:"); }

}  // namespace qv
