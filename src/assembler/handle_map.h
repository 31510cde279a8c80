#pragma once

#include <string>

namespace qv {

class SymbolTable;

// One "value NAME\r\n" line per wave handle above 0, by value.
std::string HandleMap(const SymbolTable& symbols);

}  // namespace qv
