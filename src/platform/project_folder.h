#pragma once

#include <string>

namespace qv {

// The folder that stands in for drive X: in project paths written on another
// machine. Taken from QUAVERTON_PROJECT_DIR and ending in a separator; empty
// when the variable is unset or empty, which turns the remap off.
std::string defaultProjectFolder();

}  // namespace qv
