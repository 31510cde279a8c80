#include <windows.h>

#include "platform/environment.h"
#include "platform/utf16_windows.h"

namespace qv {

std::string environmentVariable(const char* name) {
  std::wstring wideName = toUtf16(name);
  DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  // It may have changed between the two calls.
  if (length == 0 || length >= size) return {};
  value.resize(length);
  return toUtf8(value);
}

std::string homeFolder() { return environmentVariable("USERPROFILE"); }

}  // namespace qv
