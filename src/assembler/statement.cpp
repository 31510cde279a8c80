#include "assembler/statement.h"

#include "common/words.h"
#include "common/text.h"

namespace qv {

namespace {

void addCommaSeparated(std::string_view text, OperandList& operands) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    std::string_view piece = trimView(text.substr(start, comma - start));
    if (!piece.empty()) operands.push_back(piece);
    start = comma + 1;
  }
}

}  // namespace

StatementParts splitStatement(std::string_view statement) {
  StatementParts result;
  std::string_view text = trimView(statement);
  WordCursor words(text);
  std::string_view first = words.next();
  if (first.empty()) return result;
  result.mnemonic = toUpperAscii(first);

  std::size_t blank = findBlankOrTab(text);
  if (blank == std::string_view::npos) return result;
  std::string_view operandText = trimView(text.substr(blank + 1));
  if (operandText.find(',') != std::string_view::npos) {
    addCommaSeparated(operandText, result.operands);
    return result;
  }
  for (std::string_view word = words.next(); !word.empty(); word = words.next()) {
    result.operands.push_back(word);
  }
  return result;
}

std::optional<std::int32_t> valueOf(std::string_view text, const ExpressionEvaluator& evaluator) {
  std::int32_t value = 0;
  if (evaluator.evaluate(text, value)) return value;
  if (!text.empty() && parseIntegerLiteral(text, value)) return value;
  return std::nullopt;
}

std::int32_t valueOrZero(std::string_view text, const ExpressionEvaluator& evaluator) {
  return valueOf(text, evaluator).value_or(0);
}

}  // namespace qv
