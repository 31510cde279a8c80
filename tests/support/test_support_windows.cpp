// Temporary folders, variables and child processes through the Windows calls.
#include <windows.h>

#include <stdexcept>

#include "platform/utf16_windows.h"
#include "support/test_support.h"

namespace qv::test {

namespace {

// Quoted so that the child's CommandLineToArgvW gives the argument back.
std::wstring quotedArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t temporary[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("GetTempPathW failed");
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::wstring candidate = std::wstring(temporary, length) + L"quaverton-test-" +
                             std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    if (CreateDirectoryW(candidate.c_str(), nullptr) != 0) {
      path_ = toUtf8(candidate);
      return;
    }
  }
  throw std::runtime_error("CreateDirectoryW failed");
}

std::optional<std::string> environmentValue(const char* name) {
  std::wstring wideName = toUtf16(name);
  DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
  return toUtf8(value);
}

void setEnvironmentValue(const char* name, const std::optional<std::string>& value) {
  SetEnvironmentVariableW(toUtf16(name).c_str(), value ? toUtf16(*value).c_str() : nullptr);
}

ProcessResult runQuaverton(const std::vector<std::string>& arguments, const std::string& workingFolder) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (CreatePipe(&readEnd, &writeEnd, &inheritable, 0) == 0) throw std::runtime_error("CreatePipe failed");
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  std::wstring program = toUtf16(QUAVERTON_EXE);
  std::wstring commandLine = quotedArgument(program);
  for (const std::string& argument : arguments) commandLine += L" " + quotedArgument(toUtf16(argument));
  std::wstring folder = toUtf16(workingFolder);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                folder.empty() ? nullptr : folder.c_str(), &startup, &process);
  CloseHandle(writeEnd);
  ProcessResult result;
  if (started == 0) {
    CloseHandle(readEnd);
    return result;
  }
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) != 0 && count > 0) {
    result.standardError.append(buffer, count);
  }
  CloseHandle(readEnd);
  // Standard error is a text stream: its lines end in CR LF on Windows.
  std::erase(result.standardError, '\r');
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  if (GetExitCodeProcess(process.hProcess, &exitCode) != 0) result.exitCode = static_cast<int>(exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace qv::test
