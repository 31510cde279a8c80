#include "platform/filesystem_path.h"
#include "platform/paths.h"

namespace qv {

// The bytes stay as they are: POSIX names need not be UTF-8.
std::filesystem::path filesystemPath(std::string_view path) { return toNativePath(path); }

std::string pathText(const std::filesystem::path& path) { return path.string(); }

}  // namespace qv
