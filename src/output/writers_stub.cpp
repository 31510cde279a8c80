#include "output/symbol_file.h"

namespace qv {

std::string makeSymbolFile(const std::vector<SymbolRecord>&) { return {}; }

}  // namespace qv
