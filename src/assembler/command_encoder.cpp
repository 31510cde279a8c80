#include "assembler/command_encoder.h"

#include <array>
#include <span>
#include <string>

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

namespace opcode {
constexpr std::uint32_t schemeStart = 0xF1;
constexpr std::uint32_t version = 0x82;
constexpr std::uint32_t channelStart = 0x81;
constexpr std::uint32_t end = 0x00;
constexpr std::uint32_t play = 0x40;
constexpr std::uint32_t longPlay = 0xF2;
constexpr std::uint32_t initiate = 0x90;
constexpr std::uint32_t delay = 0xB4;
constexpr std::uint32_t skipOnTrigger = 0x04;
constexpr std::uint32_t generateTrigger = 0xB1;
constexpr std::uint32_t branch = 0xC0;
constexpr std::uint32_t longBranch = 0xF0;
constexpr std::uint32_t loadModifier = 0xE0;
constexpr std::uint32_t maskCompare = 0xF8;
}  // namespace opcode

using Bytes = std::vector<std::uint8_t>;

std::uint8_t lowByte(std::uint32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

Bytes bytesOf(std::initializer_list<std::uint32_t> values) {
  Bytes bytes;
  bytes.reserve(values.size());
  for (std::uint32_t value : values) bytes.push_back(lowByte(value));
  return bytes;
}

// The values of a command's operands, each read once and checked against
// its field; unsigned words, so that sums and masks wrap cleanly.
class Operands {
 public:
  Operands(Assembly& assembly, const SourceLine& line, Command command, const OperandList& list,
           const ExpressionEvaluator& evaluator) {
    std::span<const OperandField> fields = operandFieldsOf(command);
    if (list.size() < fields.size()) reportMissingOperands(assembly.messages, line, command, list.size());
    for (std::size_t i = 0; i < fields.size() && i < list.size(); ++i) {
      values_[i] = checkedOperand(assembly.messages, line, command, fields[i], list[i], evaluator);
    }
  }

  std::uint32_t operator[](int index) const { return static_cast<std::uint32_t>(signedAt(index)); }
  std::int32_t signedAt(int index) const { return values_[static_cast<std::size_t>(index)]; }
  std::span<const std::int32_t> values() const { return values_; }

 private:
  std::array<std::int32_t, 5> values_{};  // the most any command takes; a missing operand is 0
};

std::uint32_t byteOrZero(std::uint32_t value) { return value <= 0xFF ? value : 0; }

Bytes encodePlay(const Operands& op) {
  std::int32_t handle = op.signedAt(0);
  std::uint32_t breakValue = op[1];
  // The break's upper bits go with the opcode, its low two bits above the handle.
  std::uint32_t control = ((breakValue >> 2) & 0x07) + op[2];
  std::uint32_t cell = (static_cast<std::uint32_t>(handle) & 0x3F) | ((breakValue & 0x03) << 6);
  if (isLongPlay(handle)) {
    return bytesOf({opcode::longPlay, (static_cast<std::uint32_t>(handle) & 0xC0) + 1, control, cell});
  }
  return bytesOf({opcode::play + control, cell});
}

// Branch targets are stored relative to the open scheme's start.
std::uint32_t branchOffset(const Assembly& assembly, const Operands& op) { return op[0] - assembly.schemeBase; }

std::string offsetWhat(Command command) { return std::string(commandKeyword(command)) + " offset"; }

Bytes encodeShortBranch(Assembly& assembly, const Operands& op, const SourceLine& line) {
  std::uint32_t offset = branchOffset(assembly, op);
  warnIfFieldOverflows(assembly.messages, line, offsetWhat(Command::BranchTo), static_cast<std::int32_t>(offset), 12);
  return bytesOf({opcode::branch + ((offset >> 8) & 0x0F), offset});
}

Bytes encodeLongBranch(Assembly& assembly, Command command, const Operands& op, const SourceLine& line) {
  std::uint32_t offset = branchOffset(assembly, op);
  warnIfFieldOverflows(assembly.messages, line, offsetWhat(command), static_cast<std::int32_t>(offset), 16);
  return bytesOf({opcode::longBranch, 0x00, offset >> 8, offset});
}

Bytes encodeDb(Assembly& assembly, const SourceLine& line, const OperandList& list,
               const ExpressionEvaluator& evaluator) {
  Bytes bytes;
  bytes.reserve(list.size());
  for (std::string_view operand : list) {
    auto value = checkedOperand(assembly.messages, line, Command::Db, dbValueField, operand, evaluator);
    bytes.push_back(lowByte(static_cast<std::uint32_t>(value)));
  }
  return bytes;
}

Bytes encodeCommand(Assembly& assembly, Command command, const Operands& op, const SourceLine& line) {
  switch (command) {
    case Command::SkemeStart:
      return bytesOf({opcode::schemeStart, op[0] & 0x1F, 0x00, 0x00});
    case Command::SdlVersion:
      return bytesOf({opcode::version, byteOrZero(op[0])});
    case Command::ChannelStart:
      return bytesOf({opcode::channelStart, byteOrZero(op[0])});
    case Command::InitiateSound: {
      std::uint32_t preempt = op[1];
      return bytesOf({opcode::initiate + (preempt & 0x07), op[0] + (preempt & 0x80)});
    }
    case Command::BranchTo:
      return encodeShortBranch(assembly, op, line);
    case Command::BranchTo16:
    case Command::XgotoSnd:
      return encodeLongBranch(assembly, command, op, line);
    case Command::DelaySound:
      return bytesOf({opcode::delay + (op[2] & 0x01), (op[1] & 0x7F) + op[0]});
    case Command::SkipOnTrigger:
      return bytesOf({opcode::skipOnTrigger + (op[0] & 0x03), op[1]});
    case Command::GenerateTrigger:
      return bytesOf({opcode::generateTrigger, op[0]});
    case Command::EndSound:
    case Command::ChannelEnd:
      return bytesOf({opcode::end, opcode::end});
    case Command::Play:
      return encodePlay(op);
    case Command::LoadModifier:
      return bytesOf({opcode::loadModifier + (op[0] & 0x0F), op[1], op[2], op[3]});
    case Command::MaskCompare:
      return bytesOf({opcode::maskCompare + (op[4] & 0x07) + (op[1] & 0x04), op[0], op[2], op[3]});
    case Command::Db:
    case Command::SchemeClose:
    case Command::None:
      break;
  }
  return {};
}

}  // namespace

std::vector<std::uint8_t> encodeStatement(Assembly& assembly, std::string_view statement,
                                          const ExpressionEvaluator& evaluator, const SourceLine& line) {
  return encodeStatement(assembly, commandOf(firstWord(statement)), statement, evaluator, line);
}

std::vector<std::uint8_t> encodeStatement(Assembly& assembly, Command command, std::string_view statement,
                                          const ExpressionEvaluator& evaluator, const SourceLine& line) {
  StatementParts split = splitStatement(statement);
  if (split.mnemonic.empty() || isDigit(split.mnemonic[0])) return {};
  if (command == Command::None) {
    assembly.messages.warn(WarningId::UnrecognizedCommand, "Unrecognized command: " + split.mnemonic, placeOf(line));
    return {};
  }
  if (command == Command::Db) return encodeDb(assembly, line, split.operands, evaluator);
  const Operands operands(assembly, line, command, split.operands, evaluator);
  Bytes bytes = encodeCommand(assembly, command, operands, line);
  reportSharedByteOperands(assembly.messages, line, command, operands.values(), bytes);
  return bytes;
}

}  // namespace qv
