#pragma once
// The Symbols tab's table for a compile that produced no symbol file text.

#include <string>
#include <vector>

#include "assembler/symbol_record.h"

namespace qv {

// One row per symbol in list order under a header row; columns padded to
// their widest cell plus 2, rows separated by "\r\n".
std::string FormatSymbolTable(const std::vector<SymbolRecord>& symbols);

}  // namespace qv
