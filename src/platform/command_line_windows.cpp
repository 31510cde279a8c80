#include <windows.h>
#include <shellapi.h>

#include "platform/command_line.h"
#include "platform/utf16_windows.h"

namespace qv {

std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** split = CommandLineToArgvW(GetCommandLineW(), &count);
  if (split == nullptr) return {};
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(toUtf8(split[i]));
  LocalFree(split);
  return arguments;
}

}  // namespace qv
