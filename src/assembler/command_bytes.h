#pragma once
// The bytes of each command from its operands' values: the one place that
// knows the encodings. The encoder feeds it the values of a statement; the
// disassembler checks every command it reads back against it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "assembler/command_set.h"

namespace qv {

namespace opcode {
inline constexpr std::uint8_t schemeStart = 0xF1;
inline constexpr std::uint8_t version = 0x82;
inline constexpr std::uint8_t channelStart = 0x81;
inline constexpr std::uint8_t end = 0x00;
inline constexpr std::uint8_t play = 0x40;
inline constexpr std::uint8_t longPlay = 0xF2;
inline constexpr std::uint8_t initiate = 0x90;
inline constexpr std::uint8_t delay = 0xB4;
inline constexpr std::uint8_t skipOnTrigger = 0x04;
inline constexpr std::uint8_t generateTrigger = 0xB1;
inline constexpr std::uint8_t branch = 0xC0;
inline constexpr std::uint8_t longBranch = 0xF0;
inline constexpr std::uint8_t loadModifier = 0xE0;
inline constexpr std::uint8_t maskCompare = 0xF8;
}  // namespace opcode

// The operands of one command in source order, a missing one 0; five is
// the most any command takes.
using OperandValues = std::array<std::int32_t, 5>;

struct CommandBytes {
  std::array<std::uint8_t, 4> bytes{};
  std::size_t size = 0;
};

// A branch's target operand is given as its offset from the scheme's start.
// No bytes for DB, SchemeClose and None; a scheme header's length is 0
// until its scheme closes.
CommandBytes commandBytes(Command command, const OperandValues& values);

}  // namespace qv
