#include "disassembler/command_decoder.h"

#include <algorithm>

#include "assembler/operand_check.h"

namespace qv {

namespace {

DecodedCommand command(Command which, std::uint32_t size, OperandValues values) {
  return {which, ByteReason::None, values, size};
}

DecodedCommand bytesOnly(ByteReason reason, std::uint32_t size = 1) {
  DecodedCommand result;
  result.reason = reason;
  result.size = size;
  return result;
}

int bits(std::uint8_t value, std::uint8_t mask) { return value & mask; }

// The break's upper three bits share a byte with the flags, its low two bits
// one with the handle.
OperandValues play(int handle, std::uint8_t control, std::uint8_t cell) {
  return {handle, bits(control, 0x07) << 2 | cell >> 6, bits(control, 0xF8)};
}

DecodedCommand read(const std::uint8_t* b, std::size_t available) {
  const std::uint8_t first = b[0];
  std::uint32_t size = 2;
  if (first == opcode::schemeStart || first == opcode::longPlay || first == opcode::longBranch ||
      (first & 0xF0) == opcode::loadModifier || (first & 0xF8) == opcode::maskCompare) {
    size = 4;
  }
  if (available < size) return bytesOnly(ByteReason::ImageEndsInside, static_cast<std::uint32_t>(available));

  if (first == opcode::schemeStart) {
    if (b[1] > 0x1F) return bytesOnly(ByteReason::NoCommand);
    return command(Command::SkemeStart, 4, {b[1]});
  }
  if (first == opcode::version) return command(Command::SdlVersion, 2, {b[1]});
  if (first == opcode::channelStart) return command(Command::ChannelStart, 2, {b[1]});
  if (first == opcode::end) {
    if (b[1] != opcode::end) return bytesOnly(ByteReason::NoCommand);
    return command(Command::EndSound, 2, {});
  }
  if ((first & 0xC0) == opcode::play) {
    return command(Command::Play, 2, play(bits(b[1], 0x3F), first & 0x3F, b[1]));
  }
  if (first == opcode::longPlay) {
    if (b[1] == 0x01) return bytesOnly(ByteReason::ShortHandleInLongPlay, 4);
    if ((b[1] & 0x3F) != 0x01) return bytesOnly(ByteReason::NoCommand);
    return command(Command::Play, 4, play(bits(b[1], 0xC0) | bits(b[3], 0x3F), b[2], b[3]));
  }
  if ((first & 0xF8) == opcode::initiate) {
    return command(Command::InitiateSound, 2, {bits(b[1], 0x7F), bits(first, 0x07) | bits(b[1], 0x80)});
  }
  if ((first & 0xFE) == opcode::delay) {
    return command(Command::DelaySound, 2, {bits(b[1], 0x80), bits(b[1], 0x7F), bits(first, 0x01)});
  }
  if ((first & 0xFC) == opcode::skipOnTrigger) return command(Command::SkipOnTrigger, 2, {bits(first, 0x03), b[1]});
  if (first == opcode::generateTrigger) return command(Command::GenerateTrigger, 2, {b[1]});
  if ((first & 0xF0) == opcode::branch) return command(Command::BranchTo, 2, {bits(first, 0x0F) << 8 | b[1]});
  if (first == opcode::longBranch) {
    if (b[1] != 0x00) return bytesOnly(ByteReason::NoCommand);
    return command(Command::BranchTo16, 4, {b[2] << 8 | b[3]});
  }
  if ((first & 0xF0) == opcode::loadModifier) {
    return command(Command::LoadModifier, 4, {bits(first, 0x0F), b[1], b[2], b[3]});
  }
  if ((first & 0xF8) == opcode::maskCompare) {
    return command(Command::MaskCompare, 4, {b[1], bits(first, 0x04), b[2], b[3], bits(first, 0x03)});
  }
  return bytesOnly(ByteReason::NoCommand);
}

// Held to the assembler's own encodings: what they would not give back
// stays bytes. A scheme's length is filled in when it closes.
bool rebuilds(const DecodedCommand& decoded, const std::uint8_t* b) {
  CommandBytes encoded = commandBytes(decoded.command, decoded.values);
  const std::size_t compared = decoded.command == Command::SkemeStart ? 2 : decoded.size;
  return encoded.size == decoded.size && std::equal(b, b + compared, encoded.bytes.begin());
}

// A command is written only where it assembles without a warning.
bool operandsInRange(const DecodedCommand& decoded) {
  std::span<const OperandField> fields = operandFieldsOf(decoded.command);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!fieldHolds(fields[i], decoded.values[i])) return false;
  }
  return true;
}

}  // namespace

DecodedCommand decodeCommand(std::span<const std::uint8_t> image, std::size_t at) {
  const std::uint8_t* b = image.data() + at;
  DecodedCommand decoded = read(b, image.size() - at);
  if (decoded.command == Command::None) return decoded;
  if (!rebuilds(decoded, b)) return bytesOnly(ByteReason::NotRebuilt, decoded.size);
  if (!operandsInRange(decoded)) return bytesOnly(ByteReason::OperandOutOfRange, decoded.size);
  return decoded;
}

}  // namespace qv
