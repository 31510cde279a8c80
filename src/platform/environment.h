#pragma once
// The process's environment, in UTF-8.

#include <string>

namespace qv {

// The variable's value; empty when it is unset.
std::string environmentVariable(const char* name);

// The user's home folder (HOME on POSIX, USERPROFILE on Windows); empty when unknown.
std::string homeFolder();

}  // namespace qv
