#include "platform/utf16_windows.h"

#include <windows.h>

#include <climits>

#include "platform/paths.h"

namespace qv {

std::wstring toUtf16(std::string_view utf8) {
  if (utf8.empty() || utf8.size() > INT_MAX) return {};
  int length = static_cast<int>(utf8.size());
  int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), units);
  return wide;
}

std::string toUtf8(std::wstring_view utf16) {
  if (utf16.empty() || utf16.size() > INT_MAX) return {};
  int length = static_cast<int>(utf16.size());
  int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

std::wstring nativeWidePath(std::string_view path) { return toUtf16(toNativePath(path)); }

}  // namespace qv
