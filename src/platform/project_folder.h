#pragma once

#include <string>
#include <string_view>

namespace qv {

// The folder that stands in for drive X: in project paths written on another
// machine. Taken from QUAVERTON_PROJECT_DIR and ending in a separator; empty
// when the variable is unset or empty, which turns the remap off.
std::string defaultProjectFolder();

// For a path on drive X: ("X:\" or "X:/", either letter case): the default
// project folder followed by the rest of the path. Empty for any other path
// and while the remap is off.
std::string driveMappedCandidate(std::string_view path);

}  // namespace qv
