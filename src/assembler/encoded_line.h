#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preprocess/source_line.h"

namespace qv {

// One entry of the SDF image: a statement's bytes at their address.
struct EncodedLine {
  std::uint32_t address = 0;
  std::vector<std::uint8_t> bytes;  // empty for a line that only defines a label
  SourceLine line;
  std::string sourceText;  // the statement without its label
};

}  // namespace qv
