#pragma once
// Where Browse opens.

#include <string>
#include <string_view>

namespace qv {

// The selected source's folder; without one, the default project folder
// when it is set, else the user's home folder.
std::string BrowseStartFolder(std::string_view sourcePath);

}  // namespace qv
