// Files and folders through the wide-character Windows calls, so that names
// outside the ANSI code page work; the program's UTF-8 paths become UTF-16
// here and nowhere else.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform/files.h"
#include "platform/utf16_windows.h"

namespace qv {

namespace {

// FILETIME counts 100 ns steps from 1601; the program counts nanoseconds from 1970.
constexpr std::int64_t kFileTimeAtUnixEpoch = 116444736000000000;
// ReadFile takes a DWORD count: read in pieces well below it.
constexpr std::size_t kLargestRead = 1 << 30;

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

bool fileAttributes(std::string_view path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  std::wstring native = nativeWidePath(path);
  return !native.empty() && GetFileAttributesExW(native.c_str(), GetFileExInfoStandard, &data) != 0;
}

// Open for reading, others may read and write meanwhile. Only files on disk
// count: devices such as CON or NUL and pipes are turned away unread.
FileHandle openDiskFileForReading(std::string_view path) {
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return nullptr;
  HANDLE handle = CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  FileHandle file(handle);
  if (GetFileType(handle) != FILE_TYPE_DISK) return nullptr;
  return file;
}

bool isSearchMiss(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES ||
         error == ERROR_DIRECTORY;
}

}  // namespace

bool fileExists(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!fileAttributes(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  return openDiskFileForReading(path) != nullptr;
}

bool pathExists(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  return fileAttributes(path, data);
}

bool folderExists(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  return fileAttributes(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isReadable(std::string_view path) {
  std::wstring native = nativeWidePath(path);
  return !native.empty() && _waccess(native.c_str(), 4) == 0;
}

bool createFolder(std::string_view path) {
  std::wstring native = nativeWidePath(path);
  return !native.empty() && CreateDirectoryW(native.c_str(), nullptr) != 0;
}

std::FILE* openFile(std::string_view path, const char* mode) {
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return nullptr;
  std::string_view modeText(mode);
  if (modeText.find('x') == std::string_view::npos) return _wfopen(native.c_str(), toUtf16(modeText).c_str());
  // The C library here knows no "x": an exclusive create does the same.
  int descriptor = _wopen(native.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (descriptor < 0) return nullptr;
  std::FILE* file = _fdopen(descriptor, "wb");
  if (file == nullptr) _close(descriptor);
  return file;
}

bool readWholeFile(std::string_view path, std::string& bytes, std::size_t maxBytes) {
  FileHandle file = openDiskFileForReading(path);
  if (!file) return false;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) == 0) return false;
  bytes.clear();
  std::size_t length = 0;
  bool failed = false;
  while (length < maxBytes) {
    if (length == bytes.size()) {
      // As on POSIX: sized from the file's length and one byte more, doubled
      // when the file grows meanwhile.
      auto expected = static_cast<std::size_t>(size.QuadPart);
      bytes.resize(std::min(length == 0 ? expected + 1 : 2 * length, maxBytes));
    }
    DWORD wanted = static_cast<DWORD>(std::min(bytes.size() - length, kLargestRead));
    DWORD count = 0;
    if (ReadFile(file.get(), bytes.data() + length, wanted, &count, nullptr) == 0) {
      failed = true;
      break;
    }
    if (count == 0) break;
    length += count;
  }
  bytes.resize(length);
  return !failed;
}

bool lastWriteTime(std::string_view path, std::int64_t& time) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!fileAttributes(path, data)) return false;
  ULARGE_INTEGER steps{};
  steps.LowPart = data.ftLastWriteTime.dwLowDateTime;
  steps.HighPart = data.ftLastWriteTime.dwHighDateTime;
  time = (static_cast<std::int64_t>(steps.QuadPart) - kFileTimeAtUnixEpoch) * 100;
  return true;
}

bool deleteFile(std::string_view path) {
  std::wstring native = nativeWidePath(path);
  return !native.empty() && DeleteFileW(native.c_str()) != 0;
}

bool copyFileNoOverwrite(std::string_view from, std::string_view to) {
  std::wstring source = nativeWidePath(from);
  std::wstring target = nativeWidePath(to);
  return !source.empty() && !target.empty() && CopyFileW(source.c_str(), target.c_str(), TRUE) != 0;
}

std::optional<std::vector<std::string>> listFiles(std::string_view folder, std::string_view pattern) {
  std::vector<std::string> names;
  std::wstring search = nativeWidePath(folder);
  if (!search.empty() && search.back() != L'\\') search += L'\\';
  search += toUtf16(pattern);
  WIN32_FIND_DATAW entry{};
  HANDLE handle = FindFirstFileExW(search.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
  if (handle == INVALID_HANDLE_VALUE) {
    if (isSearchMiss(GetLastError())) return names;
    return std::nullopt;
  }
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(toUtf8(entry.cFileName));
  } while (FindNextFileW(handle, &entry) != 0);
  bool failed = GetLastError() != ERROR_NO_MORE_FILES;
  FindClose(handle);
  if (failed) return std::nullopt;
  return names;
}

std::string temporaryFolder() {
  wchar_t folder[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return {};
  std::string text = toUtf8(std::wstring_view(folder, length));
  if (text.back() != '\\') text += '\\';
  return text;
}

}  // namespace qv
