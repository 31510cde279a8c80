#pragma once

#include <cstdint>
#include <string_view>

#include "assembler/image_bytes.h"
#include "preprocess/source_line.h"

namespace qv {

// One entry of the SDF image: a statement's bytes at their address.
struct EncodedLine {
  std::uint32_t address = 0;
  std::uint32_t lineIndex = 0;      // its line in the compile's line list
  ImageBytes bytes;                 // empty for a line that only defines a label
  // The statement without its label: where it lies in the line's code
  // (sourceText gives it), which an image of a million entries holds in
  // a quarter of a view's room.
  std::uint32_t sourceBegin = 0;
  std::uint32_t sourceLength = 0;
};

// The statement of entry, whose line is lines[entry.lineIndex].
inline std::string_view sourceText(const EncodedLine& entry, const SourceLine& line) {
  return line.code.substr(entry.sourceBegin, entry.sourceLength);
}

}  // namespace qv
