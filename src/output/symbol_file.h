#pragma once

#include <string>
#include <vector>

#include "assembler/symbol_record.h"

namespace qv {

// The symbols in sections by kind and by standard include file, each a
// table sorted by value.
std::string makeSymbolFile(const std::vector<SymbolRecord>& symbols);

}  // namespace qv
