#pragma once

#include <cstdint>
#include <string>

namespace qv {

enum class SymbolKind : int { Constant = 0, Variable = 1, Label = 2, Handle = 3, CBlockCell = 4 };

// "Constant", "Variable", "Label", "Handle", "CBlockCell"; other values read "Constant".
const char* symbolKindWord(SymbolKind kind);
// "Constants", "Variables", "Labels", "Handles", "C Block Cells"; other values "Other Symbols".
const char* symbolKindGroupTitle(SymbolKind kind);

struct SymbolRecord {
  std::string name;  // upper-cased
  std::int32_t value = 0;
  SymbolKind kind = SymbolKind::Constant;
  std::string file;
  std::int32_t line = 0;
  std::string definitionText;
  std::string collisionNote;
};

struct SymbolCollision {
  SymbolRecord record;  // the later definition, as offered
  std::string message;
};

}  // namespace qv
