#include "assembler/symbol_table.h"

#include "compile/compiler.h"

namespace qv {

const char* symbolKindWord(SymbolKind) { return "Constant"; }
const char* symbolKindGroupTitle(SymbolKind) { return "Other Symbols"; }
bool SymbolTable::lookupValue(std::string_view, std::int32_t&) const { return false; }
const SymbolRecord* SymbolTable::Lookup(std::string_view) const { return nullptr; }
std::pair<SymbolRecord*, bool> SymbolTable::insert(SymbolRecord) { return {nullptr, false}; }
SymbolRecord* SymbolTable::find(std::string_view) { return nullptr; }
void SymbolTable::clear() { records_.clear(); index_.clear(); }
void AddSymbol(Compiler&, std::string_view, std::int32_t, SymbolKind, const std::string&, std::int32_t,
               const std::string&) {}
void SettleValues(Compiler&) {}

}  // namespace qv
