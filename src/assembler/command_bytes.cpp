#include "assembler/command_bytes.h"

#include <initializer_list>

namespace qv {

namespace {

// Sums and masks on unsigned words wrap cleanly; every byte keeps the low 8 bits.
CommandBytes bytesOf(std::initializer_list<std::uint32_t> values) {
  CommandBytes result;
  for (std::uint32_t value : values) result.bytes[result.size++] = static_cast<std::uint8_t>(value & 0xFF);
  return result;
}

std::uint32_t byteOrZero(std::uint32_t value) { return value <= 0xFF ? value : 0; }

CommandBytes playBytes(std::int32_t handle, std::uint32_t breakValue, std::uint32_t flags) {
  // The break's upper bits go with the opcode, its low two bits above the handle.
  std::uint32_t control = ((breakValue >> 2) & 0x07) + flags;
  const auto handleBits = static_cast<std::uint32_t>(handle);
  std::uint32_t cell = (handleBits & 0x3F) | ((breakValue & 0x03) << 6);
  if (isLongPlay(handle)) return bytesOf({opcode::longPlay, (handleBits & 0xC0) + 1, control, cell});
  return bytesOf({opcode::play + control, cell});
}

}  // namespace

CommandBytes commandBytes(Command command, const OperandValues& values) {
  auto op = [&values](int index) { return static_cast<std::uint32_t>(values[static_cast<std::size_t>(index)]); };
  switch (command) {
    case Command::SkemeStart:
      return bytesOf({opcode::schemeStart, op(0) & 0x1F, 0x00, 0x00});
    case Command::SdlVersion:
      return bytesOf({opcode::version, byteOrZero(op(0))});
    case Command::ChannelStart:
      return bytesOf({opcode::channelStart, byteOrZero(op(0))});
    case Command::InitiateSound:
      return bytesOf({opcode::initiate + (op(1) & 0x07), op(0) + (op(1) & 0x80)});
    case Command::BranchTo:
      return bytesOf({opcode::branch + ((op(0) >> 8) & 0x0F), op(0)});
    case Command::BranchTo16:
    case Command::XgotoSnd:
      return bytesOf({opcode::longBranch, 0x00, op(0) >> 8, op(0)});
    case Command::DelaySound:
      return bytesOf({opcode::delay + (op(2) & 0x01), (op(1) & 0x7F) + op(0)});
    case Command::SkipOnTrigger:
      return bytesOf({opcode::skipOnTrigger + (op(0) & 0x03), op(1)});
    case Command::GenerateTrigger:
      return bytesOf({opcode::generateTrigger, op(0)});
    case Command::EndSound:
    case Command::ChannelEnd:
      return bytesOf({opcode::end, opcode::end});
    case Command::Play:
      return playBytes(values[0], op(1), op(2));
    case Command::LoadModifier:
      return bytesOf({opcode::loadModifier + (op(0) & 0x0F), op(1), op(2), op(3)});
    case Command::MaskCompare:
      return bytesOf({opcode::maskCompare + (op(4) & 0x07) + (op(1) & 0x04), op(0), op(2), op(3)});
    case Command::Db:
    case Command::SchemeClose:
    case Command::None:
      break;
  }
  return {};
}

}  // namespace qv
