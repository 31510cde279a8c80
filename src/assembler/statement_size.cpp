#include "assembler/statement_size.h"

#include "assembler/command_set.h"
#include "assembler/statement.h"
#include "assembler/words.h"

namespace qv {

std::uint32_t StatementSize(std::string_view statement, const ExpressionEvaluator& evaluator) {
  Command command = commandOf(wordAt(statement, 0));
  if (command == Command::Play) {
    SplitStatementResult split = SplitStatement(statement);
    return isLongPlay(OperandValue(split.operands, 0, evaluator)) ? 4 : 2;
  }
  if (command == Command::Db) return static_cast<std::uint32_t>(SplitStatement(statement).operands.size());
  return fixedSize(command);
}

}  // namespace qv
