#pragma once
// Which files of a compile get a tab of their own.

#include <string>
#include <string_view>
#include <vector>

#include "window/model/results/line_origins.h"

namespace qv {

// The files the lines came from, in order of first use, without the main
// source and without files that are not on disk (carried include copies);
// names of one file (links, or other letter case where the file system
// ignores it) count once, under the first.
std::vector<std::string> IncludeTabPaths(const LineOrigins& lines, std::string_view mainPath);

}  // namespace qv
