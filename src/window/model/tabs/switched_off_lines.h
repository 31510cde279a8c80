#pragma once
// The lines of one file that conditional assembly switched off in a compile,
// for the editor to grey.

#include <string_view>
#include <vector>

#include "window/model/results/line_origins.h"

namespace qv {

// Line indexes (from 0) of text, the file's content as compiled: the lines
// the result keeps as inactive, and the lines it leaves out that are no
// INCLUDE, IF, ELSE or ENDIF (which a compile never keeps). A line the file
// has active anywhere, such as in a second inclusion, is not switched off.
// Empty when the compile never reached the file.
std::vector<int> SwitchedOffLines(const LineOrigins& lines, std::string_view file, std::string_view text);

}  // namespace qv
