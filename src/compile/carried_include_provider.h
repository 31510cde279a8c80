#pragma once

#include <string>

namespace qv {

// Serves the program's carried copies of "QVX5_SND_CMD.INC" and
// "QVX5_SND_MACS.INC" (letter case ignored; a quoted name is unquoted).
// False for any other name and for an empty copy.
bool carriedIncludeProvider(const std::string& includeName, std::string& text);

}  // namespace qv
