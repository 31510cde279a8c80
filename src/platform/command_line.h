#pragma once

#include <string>
#include <vector>

namespace qv {

// The process's arguments in UTF-8, the program's name first. On Windows
// they are taken from the UTF-16 command line, split by the system's rules
// for quoted arguments (argc and argv are not used there); empty when the
// system cannot split it.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace qv
