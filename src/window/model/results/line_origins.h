#pragma once
// Where each line of a compile came from and whether it was switched on: all
// the window keeps of a compile's lines, a few bytes a line where the lines
// themselves take several times the source.

#include <cstdint>
#include <string>
#include <vector>

#include "preprocess/source_line.h"

namespace qv {

struct LineOrigin {
  // An index into LineOrigins::files.
  std::uint32_t file = 0;
  std::int32_t lineNumber = 0;
  bool active = true;
};

struct LineOrigins {
  // Each name once, in order of first use.
  std::vector<std::string> files;
  // One a line, in the compile's order.
  std::vector<LineOrigin> lines;
};

LineOrigins LineOriginsOf(const std::vector<SourceLine>& lines);

}  // namespace qv
