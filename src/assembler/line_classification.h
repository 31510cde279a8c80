#pragma once
// Line classification shared by the harvest and encode passes. The text
// examined is a line's code (no comment); keywords are matched ignoring case.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

bool isIdentifier(std::string_view text);

// Second token is MACRO.
bool IsMacroHeader(std::string_view code);

struct DefinitionLine {
  std::string name;       // upper-cased
  std::string valueText;  // third and later tokens joined by single blanks
  std::string directive;  // "DEFINE", "=", "EQU" or "SET", upper-cased
};

// At least three tokens, and #DEFINE/DEFINE first or =/EQU/SET second.
bool HasDefinitionForm(std::string_view code);

// NAME EQU/SET/= value, or #DEFINE/DEFINE NAME value.
std::optional<DefinitionLine> IsDefinitionLine(std::string_view code);

// Views into the text given to ParseLabel.
struct LabelSplit {
  std::string_view label;      // empty when the line has no label
  std::string_view statement;  // the rest, trimmed; the whole trimmed text without a label
};

// A "name:" label, or a leading bare identifier that is no keyword.
LabelSplit ParseLabel(std::string_view code);

bool IsInstructionLine(std::string_view code);

}  // namespace qv
