#pragma once
// Line classification shared by the harvest and encode passes. The text
// examined is a line's code (no comment); keywords are matched ignoring case.

#include <optional>
#include <string>
#include <string_view>

#include "assembler/command_set.h"

namespace qv {

bool isIdentifier(std::string_view text);

// The words of one line's code that classification reads, found in one
// scan. Holds views into the code, which must outlive it.
class LineWords {
 public:
  explicit LineWords(std::string_view code);

  std::string_view text() const { return text_; }  // the code, trimmed
  std::string_view first() const { return first_; }
  std::string_view second() const { return second_; }
  bool hasThirdWord() const { return hasThird_; }
  std::string_view afterFirst() const { return afterFirst_; }    // trimmed
  std::string_view afterSecond() const { return afterSecond_; }  // trimmed
  bool hasEquOrSetWord() const { return hasEquOrSet_; }

 private:
  std::string_view text_;
  std::string_view first_;
  std::string_view second_;
  std::string_view afterFirst_;
  std::string_view afterSecond_;
  bool hasThird_ = false;
  bool hasEquOrSet_ = false;
};

// Second token is MACRO.
bool isMacroHeader(const LineWords& line);

struct DefinitionLine {
  std::string name;       // upper-cased
  std::string valueText;  // third and later tokens joined by single blanks
  std::string directive;  // "DEFINE", "=", "EQU" or "SET", upper-cased
};

// At least three tokens, and #DEFINE/DEFINE first or =/EQU/SET second.
bool hasDefinitionForm(const LineWords& line);

// NAME EQU/SET/= value, or #DEFINE/DEFINE NAME value.
std::optional<DefinitionLine> parseDefinitionLine(const LineWords& line);

// Views into the line's code.
struct LabelSplit {
  std::string_view label;      // empty when the line has no label
  std::string_view statement;  // the rest, trimmed; the whole trimmed text without a label
  Command command = Command::None;  // of the statement's first word, looked up once for the passes
};

// A "name:" label, or a leading bare identifier that is no keyword.
LabelSplit parseLabel(const LineWords& line);

bool isInstructionLine(const LineWords& line);

}  // namespace qv
