#include "assembler/handle_map.h"

#include "compile/compiler.h"

namespace qv {

std::string HandleMap(const Compiler&) { return {}; }

}  // namespace qv
