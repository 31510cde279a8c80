#include "platform/filesystem_path.h"
#include "platform/utf16_windows.h"

namespace qv {

// Wide text throughout: a narrow path would go through the ANSI code page.
std::filesystem::path filesystemPath(std::string_view path) { return nativeWidePath(path); }

std::string pathText(const std::filesystem::path& path) { return toUtf8(path.native()); }

}  // namespace qv
