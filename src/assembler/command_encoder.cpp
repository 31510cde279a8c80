#include "assembler/command_encoder.h"

#include <span>
#include <string>

#include "assembler/command_bytes.h"
#include "assembler/command_set.h"
#include "assembler/field_warning.h"
#include "assembler/operand_check.h"
#include "assembler/shared_byte_check.h"
#include "assembler/statement.h"
#include "common/words.h"
#include "assembler/assembly.h"
#include "common/text.h"

namespace qv {

namespace {

using Bytes = ImageBytes;

// The values of a command's operands, each read once and checked against
// its field.
OperandValues operandValues(Assembly& assembly, const SourceLine& line, Command command, const OperandList& list,
                            const ExpressionEvaluator& evaluator) {
  OperandValues values{};
  std::span<const OperandField> fields = operandFieldsOf(command);
  if (list.size() < fields.size()) reportMissingOperands(assembly.messages, line, command, list.size());
  for (std::size_t i = 0; i < fields.size() && i < list.size(); ++i) {
    values[i] = checkedOperand(assembly.messages, line, command, fields[i], list[i], evaluator);
  }
  return values;
}

std::string offsetWhat(Command command) { return std::string(commandKeyword(command)) + " offset"; }

int offsetBits(Command command) { return command == Command::BranchTo ? 12 : 16; }

Bytes encodeDb(Assembly& assembly, const SourceLine& line, const OperandList& list,
               const ExpressionEvaluator& evaluator) {
  Bytes bytes;
  for (std::string_view operand : list) {
    auto value = checkedOperand(assembly.messages, line, Command::Db, dbValueField, operand, evaluator);
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
  }
  return bytes;
}

// Branch targets are stored relative to the open scheme's start.
Bytes encodeCommand(Assembly& assembly, Command command, OperandValues values, const SourceLine& line) {
  if (isBranch(command)) {
    std::uint32_t offset = static_cast<std::uint32_t>(values[0]) - assembly.schemeBase;
    warnIfFieldOverflows(assembly.messages, line, offsetWhat(command), static_cast<std::int32_t>(offset), offsetBits(command));
    values[0] = static_cast<std::int32_t>(offset);
  }
  CommandBytes encoded = commandBytes(command, values);
  return Bytes(std::span<const std::uint8_t>(encoded.bytes.data(), encoded.size));
}

}  // namespace

ImageBytes encodeStatement(Assembly& assembly, std::string_view statement, const ExpressionEvaluator& evaluator,
                           const SourceLine& line) {
  return encodeStatement(assembly, commandOf(firstWord(statement)), statement, evaluator, line);
}

ImageBytes encodeStatement(Assembly& assembly, Command command, std::string_view statement,
                           const ExpressionEvaluator& evaluator, const SourceLine& line) {
  StatementParts split = splitStatement(statement);
  if (split.mnemonic.empty() || isDigit(split.mnemonic[0])) return {};
  if (command == Command::None) {
    assembly.messages.warn(WarningId::UnrecognizedCommand, "Unrecognized command: " + split.mnemonic, placeOf(line));
    return {};
  }
  if (command == Command::Db) return encodeDb(assembly, line, split.operands, evaluator);
  const OperandValues values = operandValues(assembly, line, command, split.operands, evaluator);
  Bytes bytes = encodeCommand(assembly, command, values, line);
  reportSharedByteOperands(assembly.messages, line, command, values, bytes);
  return bytes;
}

}  // namespace qv
