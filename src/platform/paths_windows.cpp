// Paths on Windows: "\" is the separator handed to the system; absolute are
// drive-letter paths and \\server\share paths, while one leading separator
// names a folder on the current drive and is resolved like a relative path.
#include <windows.h>

#include "platform/paths.h"
#include "platform/utf16_windows.h"

namespace qv {

namespace {

// The resolution buffer of the system's own full-path service.
constexpr DWORD kFullPathCapacity = MAX_PATH;

}  // namespace

std::string toNativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '/') c = '\\';
  }
  return native;
}

bool isAbsolutePath(std::string_view path) {
  if (path.size() < 2) return false;
  return path[1] == ':' || (isSeparator(path[0]) && isSeparator(path[1]));
}

std::string canonicalPath(std::string_view path) {
  std::string native = toNativePath(path);
  if (native.empty()) return native;
  wchar_t full[kFullPathCapacity];
  DWORD length = GetFullPathNameW(toUtf16(native).c_str(), kFullPathCapacity, full, nullptr);
  if (length == 0 || length >= kFullPathCapacity) return native;
  return toUtf8(std::wstring_view(full, length));
}

}  // namespace qv
