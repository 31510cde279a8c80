#include "preprocess/preprocessor.h"

namespace qv {

PreprocessResult Preprocessor::preprocess(const std::string&, bool) { return {}; }

}  // namespace qv
