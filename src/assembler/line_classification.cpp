#include "assembler/line_classification.h"

#include <array>

#include "assembler/command_set.h"
#include "assembler/keyword_match.h"
#include "common/words.h"
#include "common/text.h"

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
    if (isKeyword(word, directive)) return true;
  }
  return false;
}

bool hasDirectivePrefix(std::string_view text) {
  for (std::string_view prefix : directivePrefixes) {
    if (isKeyword(text.substr(0, prefix.size()), prefix)) return true;
  }
  return false;
}

bool isDefineWord(std::string_view word) { return isKeyword(word, "#DEFINE") || isKeyword(word, "DEFINE"); }

bool isEquOrSet(std::string_view word) { return isKeyword(word, "EQU") || isKeyword(word, "SET"); }

bool isAssignmentWord(std::string_view word) { return word == "=" || isEquOrSet(word); }

}  // namespace

bool isIdentifier(std::string_view text) {
  if (text.empty() || !(isLetter(text[0]) || text[0] == '_')) return false;
  for (char c : text) {
    if (!(isLetter(c) || isDigit(c) || c == '_')) return false;
  }
  return true;
}

LineWords::LineWords(std::string_view code) : text_(trimView(code)) {
  WordCursor words(text_);
  first_ = words.next();
  afterFirst_ = words.rest();
  second_ = words.next();
  afterSecond_ = words.rest();
  hasThird_ = !afterSecond_.empty();
  hasEquOrSet_ = isEquOrSet(first_) || isEquOrSet(second_);
  for (std::string_view word = words.next(); !hasEquOrSet_ && !word.empty(); word = words.next()) {
    hasEquOrSet_ = isEquOrSet(word);
  }
}

bool isMacroHeader(const LineWords& line) { return isKeyword(line.second(), "MACRO"); }

bool hasDefinitionForm(const LineWords& line) {
  return line.hasThirdWord() && (isDefineWord(line.first()) || isAssignmentWord(line.second()));
}

std::optional<DefinitionLine> parseDefinitionLine(const LineWords& line) {
  if (!hasDefinitionForm(line)) return std::nullopt;
  DefinitionLine definition;
  if (isDefineWord(line.first())) {
    definition.name = toUpperAscii(line.second());
    definition.directive = "DEFINE";
  } else {
    definition.name = toUpperAscii(line.first());
    definition.directive = toUpperAscii(line.second());
  }
  WordCursor values(line.afterSecond());
  for (std::string_view word = values.next(); !word.empty(); word = values.next()) {
    if (!definition.valueText.empty()) definition.valueText += ' ';
    definition.valueText += word;
  }
  return definition;
}

LabelSplit parseLabel(const LineWords& line) {
  std::string_view text = line.text();
  std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    std::string_view candidate = trimView(text.substr(0, colon));
    if (isIdentifier(candidate)) {
      std::string_view statement = trimView(text.substr(colon + 1));
      return {candidate, statement, commandOf(firstWord(statement))};
    }
    return {{}, text, commandOf(line.first())};
  }
  std::string_view first = line.first();
  Command firstCommand = commandOf(first);
  if (isIdentifier(first) && firstCommand == Command::None && !isDirectiveWord(first)) {
    return {first, line.afterFirst(), commandOf(firstWord(line.afterFirst()))};
  }
  return {{}, text, firstCommand};
}

bool isInstructionLine(const LineWords& line) {
  std::string_view text = line.text();
  if (text.empty() || text[0] == '#' || text[0] == '.') return false;
  if (isDirectiveWord(text) || hasDirectivePrefix(text)) return false;
  if (isDigit(line.first()[0])) return false;
  return !isKeyword(line.second(), "EXCEEDS") && !line.hasEquOrSetWord();
}

}  // namespace qv
