#pragma once
// One command read back from the bytes of an image.

#include <cstddef>
#include <cstdint>
#include <span>

#include "assembler/command_bytes.h"
#include "assembler/command_set.h"

namespace qv {

// Why bytes are written as DB rather than as a command.
enum class ByteReason : std::uint8_t {
  None,                   // a command
  NoCommand,              // no command has these bytes
  ImageEndsInside,        // the image ends inside a command
  ShortHandleInLongPlay,  // the assembler writes a handle below 64 in 2 bytes
  NotRebuilt,             // the command's encoding would give other bytes
  OperandOutOfRange,      // an operand outside its range, which the assembler warns about
  OutsideScheme,
  HeaderInsideScheme,     // would open a scheme inside another one's stored length
  LengthDisagrees,        // a scheme header whose stored length fits no scheme
  BranchOutside,          // a branch to beyond its scheme
};

struct DecodedCommand {
  Command command = Command::None;  // None: reason says why
  ByteReason reason = ByteReason::NoCommand;
  // A branch's target is its stored offset from the scheme's start; a
  // scheme header's length is not among them.
  OperandValues values{};
  std::uint32_t size = 1;
};

// The command whose first byte is image[at]. Bytes that form none are read
// one at a time, so that a command after them is found again.
DecodedCommand decodeCommand(std::span<const std::uint8_t> image, std::size_t at);

// The stored length of the scheme whose header starts at image[at].
inline std::uint32_t storedSchemeLength(std::span<const std::uint8_t> image, std::size_t at) {
  return static_cast<std::uint32_t>(image[at + 2] << 8 | image[at + 3]);
}

}  // namespace qv
