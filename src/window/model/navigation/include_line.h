#pragma once
// The file an INCLUDE line names, for a double-click on it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The file name, without its quotes, when the line is an INCLUDE (or
// #INCLUDE) and column (from 0) lies on the name; none otherwise.
std::optional<std::string> IncludedNameAt(std::string_view line, std::size_t column);

}  // namespace qv
