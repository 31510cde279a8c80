#include "assembler/line_classification.h"

#include <array>

#include "assembler/command_set.h"
#include "assembler/words.h"
#include "preprocess/text.h"

namespace qv {

namespace {

constexpr std::array<std::string_view, 12> directiveWords{
    "IF", "ELSE", "ENDIF", "LIST", "NOLIST", "PAGE", "TITLE", "STITLE", "MACRO", "ENDM", "CBLOCK", "ENDC"};

// A line starting with these letters is no instruction, even when they
// begin a longer word such as the label PAGE1.
constexpr std::array<std::string_view, 11> directivePrefixes{
    "LIST", "TITLE", "STITLE", "PAGE", "IF", "ENDIF", "MACRO", "ELSE", "ENDM", "CBLOCK", "ENDC"};

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool isDirectiveWord(std::string_view word) {
  for (std::string_view directive : directiveWords) {
    if (equalsNoCase(word, directive)) return true;
  }
  return false;
}

bool hasDirectivePrefix(std::string_view text) {
  for (std::string_view prefix : directivePrefixes) {
    if (startsWithNoCase(text, prefix)) return true;
  }
  return false;
}

bool isDefineWord(std::string_view word) { return equalsNoCase(word, "#DEFINE") || equalsNoCase(word, "DEFINE"); }

bool isAssignmentWord(std::string_view word) {
  return word == "=" || equalsNoCase(word, "EQU") || equalsNoCase(word, "SET");
}

}  // namespace

bool isIdentifier(std::string_view text) {
  if (text.empty() || !(isLetter(text[0]) || text[0] == '_')) return false;
  for (char c : text) {
    if (!(isLetter(c) || isDigit(c) || c == '_')) return false;
  }
  return true;
}

bool IsMacroHeader(std::string_view code) { return equalsNoCase(wordAt(code, 1), "MACRO"); }

bool HasDefinitionForm(std::string_view code) {
  WordCursor words(code);
  std::string_view first = words.next();
  std::string_view second = words.next();
  if (words.next().empty()) return false;
  return isDefineWord(first) || isAssignmentWord(second);
}

std::optional<DefinitionLine> IsDefinitionLine(std::string_view code) {
  if (!HasDefinitionForm(code)) return std::nullopt;
  WordCursor words(code);
  std::string_view first = words.next();
  std::string_view second = words.next();
  DefinitionLine definition;
  if (isDefineWord(first)) {
    definition.name = toUpperAscii(second);
    definition.directive = "DEFINE";
  } else {
    definition.name = toUpperAscii(first);
    definition.directive = toUpperAscii(second);
  }
  for (std::string_view word = words.next(); !word.empty(); word = words.next()) {
    if (!definition.valueText.empty()) definition.valueText += ' ';
    definition.valueText += word;
  }
  return definition;
}

LabelSplit ParseLabel(std::string_view code) {
  std::string_view text = trimView(code);
  std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    std::string_view candidate = trimView(text.substr(0, colon));
    if (isIdentifier(candidate)) return {candidate, trimView(text.substr(colon + 1))};
    return {{}, text};
  }
  WordCursor words(text);
  std::string_view first = words.next();
  if (isIdentifier(first) && commandOf(first) == Command::None && !isDirectiveWord(first)) {
    return {first, words.rest()};
  }
  return {{}, text};
}

bool IsInstructionLine(std::string_view code) {
  std::string_view text = trimView(code);
  if (text.empty() || text[0] == '#' || text[0] == '.') return false;
  if (isDirectiveWord(text) || hasDirectivePrefix(text)) return false;
  WordCursor words(text);
  int index = 0;
  for (std::string_view word = words.next(); !word.empty(); word = words.next(), ++index) {
    if (index == 0 && isDigit(word[0])) return false;
    if (index == 1 && equalsNoCase(word, "EXCEEDS")) return false;
    if (equalsNoCase(word, "EQU") || equalsNoCase(word, "SET")) return false;
  }
  return true;
}

}  // namespace qv
