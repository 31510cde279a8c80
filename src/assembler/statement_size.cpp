#include "assembler/statement_size.h"

#include "assembler/statement.h"
#include "common/words.h"

namespace qv {

std::uint32_t statementSize(std::string_view statement, const ExpressionEvaluator& evaluator) {
  return statementSize(commandOf(firstWord(statement)), statement, evaluator);
}

std::uint32_t statementSize(Command command, std::string_view statement, const ExpressionEvaluator& evaluator) {
  if (command == Command::Play) return playSize(playHandle(statement), evaluator);
  if (command == Command::Db) return static_cast<std::uint32_t>(splitStatement(statement).operands.size());
  return fixedSize(command);
}

std::string_view playHandle(std::string_view statement) {
  StatementParts split = splitStatement(statement);
  return split.operands.empty() ? std::string_view() : split.operands.front();
}

// A missing handle counts as 0, as a missing operand does.
std::uint32_t playSize(std::string_view handle, const ExpressionEvaluator& evaluator) {
  return isLongPlay(valueOrZero(handle, evaluator)) ? 4 : 2;
}

}  // namespace qv
