#pragma once
// std::filesystem paths from the program's UTF-8 path texts and back, so
// that names outside ASCII survive on every system.

#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

// The path in the system's spelling (see toNativePath).
std::filesystem::path filesystemPath(std::string_view path);

std::string pathText(const std::filesystem::path& path);

}  // namespace qv
