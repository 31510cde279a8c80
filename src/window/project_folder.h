#pragma once
// The folder where projects live unless the user picks another, and the
// mapping of paths written for the project drive X: onto it.

#include <string>
#include <string_view>

namespace qv {

// "Quaverton" in the user's home folder, ending with "/".
std::string DefaultProjectFolder();

// For a path starting with "X:\" or "X:/" (either letter case): the default
// project folder followed by the rest of the path. Empty for other paths.
std::string DriveMappedCandidate(std::string_view path);

}  // namespace qv
