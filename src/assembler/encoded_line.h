#pragma once

#include <cstdint>
#include <string_view>

#include "assembler/image_bytes.h"

namespace qv {

// One entry of the SDF image: a statement's bytes at their address.
struct EncodedLine {
  std::uint32_t address = 0;
  std::uint32_t lineIndex = 0;      // its line in the compile's line list
  ImageBytes bytes;                 // empty for a line that only defines a label
  std::string_view sourceText;      // the statement without its label, a view into the line's code
};

}  // namespace qv
