#include "window/model/tabs/source_colouring.h"

#include <array>
#include <cstdint>

#include "assembler/command_set.h"
#include "assembler/keyword_match.h"
#include "preprocess/conditional.h"
#include "preprocess/directive.h"
#include "preprocess/expression_evaluator.h"
#include "preprocess/source_reader.h"
#include "common/text.h"

namespace qv {

namespace {

// The words of the source language that are no SDL command.
constexpr std::array<std::string_view, 20> kDirectiveWords{
    "INCLUDE", "#INCLUDE", "IF",   "ELSE",   "#ELSE", "ENDIF", "#ENDIF", "#DEFINE", "DEFINE", "EQU",
    "SET",     "CBLOCK",   "ENDC", "MACRO",  "ENDM",  "LIST",  "NOLIST", "PAGE",    "TITLE",  "STITLE"};

// Numbers alone: a word of digits never names a symbol here.
class NoNames final : public SymbolLookup {
 public:
  bool lookupValue(std::string_view, std::int32_t&) const override { return false; }
  bool holdsNameWithLeadingDigit() const override { return false; }
};

bool isWordCharacter(char c) {
  return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '#';
}

bool isDirectiveWord(std::string_view word) {
  for (std::string_view directive : kDirectiveWords) {
    if (isKeyword(word, directive)) return true;
  }
  return false;
}

bool isNumber(std::string_view word) {
  static const NoNames noNames;
  std::int32_t value = 0;
  return isDigit(word.front()) && ExpressionEvaluator{&noNames, nullptr}.evaluateTerm(word, value);
}

bool isLabelName(std::string_view word) {
  return !isDigit(word.front()) && word.front() != '#' && commandOf(word) == Command::None && !isDirectiveWord(word);
}

// A "name:" label, or a first word that is neither command nor directive,
// as the assembler reads its lines.
bool startsWithLabel(std::string_view code, std::string_view firstWord) {
  std::size_t colon = code.find(':');
  if (colon != std::string_view::npos) return trimView(code.substr(0, colon)) == firstWord;
  return true;
}

}  // namespace

std::vector<SourceSpan> ColourSourceLine(std::string_view line) {
  std::vector<SourceSpan> spans;
  LineParts parts = splitLine(line);
  std::size_t codeEnd = parts.comment.empty() ? line.size() : static_cast<std::size_t>(parts.comment.data() - line.data());
  std::string_view code = line.substr(0, codeEnd);

  // Read as the preprocessor reads it: IFDEF and #IF are IFs too.
  DirectiveWord directive = readDirectiveWord(code);
  bool directiveLine =
      matchConditional(directive).kind != ConditionalKind::None || isIncludeDirective(directive);

  bool firstWord = true;
  std::size_t i = 0;
  while (i < code.size()) {
    char c = code[i];
    if (c == '"' || c == '\'') {
      std::size_t close = code.find(c, i + 1);
      std::size_t end = close == std::string_view::npos ? code.size() : close + 1;
      spans.push_back({i, end - i, SourceWordKind::String});
      i = end;
      firstWord = false;
      continue;
    }
    if (!isWordCharacter(c)) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < code.size() && isWordCharacter(code[end])) ++end;
    std::string_view word = code.substr(i, end - i);
    if (firstWord && directiveLine) {
      spans.push_back({i, word.size(), SourceWordKind::Directive});
    } else if (commandOf(word) != Command::None) {
      spans.push_back({i, word.size(), SourceWordKind::Command});
    } else if (isDirectiveWord(word)) {
      spans.push_back({i, word.size(), SourceWordKind::Directive});
    } else if (isNumber(word)) {
      spans.push_back({i, word.size(), SourceWordKind::Number});
    } else if (firstWord && isLabelName(word) && startsWithLabel(trimView(code), word)) {
      spans.push_back({i, word.size(), SourceWordKind::Label});
    }
    firstWord = false;
    i = end;
  }
  if (codeEnd < line.size()) spans.push_back({codeEnd, line.size() - codeEnd, SourceWordKind::Comment});
  return spans;
}

}  // namespace qv
