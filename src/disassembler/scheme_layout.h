#pragma once
// The image cut into schemes and, within them, commands. What no scheme or
// command of a source could rebuild is marked as bytes, with the reason.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "assembler/command_set.h"
#include "disassembler/command_decoder.h"

namespace qv {

struct ImageItem {
  std::uint32_t address = 0;
  std::uint32_t size = 0;
  Command command = Command::None;      // None: bytes, for reason
  ByteReason reason = ByteReason::None;
};

struct SchemeSpan {
  std::uint32_t header = 0;  // address of its SKEME_START
  std::uint32_t end = 0;     // where it closes: its stored length, cut to 16 bits, past the header
  std::size_t firstItem = 0;  // the header's
  std::size_t endItem = 0;    // one past its last
};

struct ImageLayout {
  std::vector<ImageItem> items;  // in address order, every byte in one
  std::vector<SchemeSpan> schemes;
};

ImageLayout layOutImage(std::span<const std::uint8_t> image);

// Where the branch at item goes: its stored offset counts from the header of
// the scheme it stands in.
inline std::uint32_t branchTarget(std::span<const std::uint8_t> image, std::uint32_t schemeHeader,
                                  const ImageItem& item) {
  return schemeHeader + static_cast<std::uint32_t>(decodeCommand(image, item.address).values[0]);
}

}  // namespace qv
