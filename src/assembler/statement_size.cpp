#include "assembler/statement_size.h"

#include "assembler/statement.h"
#include "common/words.h"

namespace qv {

std::uint32_t StatementSize(std::string_view statement, const ExpressionEvaluator& evaluator) {
  return StatementSize(commandOf(wordAt(statement, 0)), statement, evaluator);
}

std::uint32_t StatementSize(Command command, std::string_view statement, const ExpressionEvaluator& evaluator) {
  if (command == Command::Play) return PlaySize(PlayHandle(statement), evaluator);
  if (command == Command::Db) return static_cast<std::uint32_t>(SplitStatement(statement).operands.size());
  return fixedSize(command);
}

std::string_view PlayHandle(std::string_view statement) {
  SplitStatementResult split = SplitStatement(statement);
  return split.operands.empty() ? std::string_view() : split.operands.front();
}

// A missing handle counts as 0, as a missing operand does.
std::uint32_t PlaySize(std::string_view handle, const ExpressionEvaluator& evaluator) {
  return isLongPlay(ValueOrZero(handle, evaluator)) ? 4 : 2;
}

}  // namespace qv
