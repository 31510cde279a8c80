#include "compile/compile_result.h"

#include "common/text.h"

namespace qv {

MessageKind messageKind(const CompileResult& result, std::size_t index) {
  return index < result.messageKinds.size() ? result.messageKinds[index] : MessageKind::Warning;
}

bool isFatalMessage(const std::string& message) { return startsWithNoCase(message, "ERROR:"); }

}  // namespace qv
