// Files and folders through the wide-character Windows calls, so that names
// outside the ANSI code page work; the program's UTF-8 paths become UTF-16
// here and nowhere else.
#include <windows.h>

#include <io.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/files.h"
#include "platform/utf16_windows.h"

namespace qv {

namespace {

// FILETIME counts 100 ns steps from 1601; the program counts nanoseconds from 1970.
constexpr std::int64_t kFileTimeAtUnixEpoch = 116444736000000000;
// ReadFile takes a DWORD count: read in pieces well below it.
constexpr std::size_t kLargestRead = 1 << 30;
// Enough tries to step over leftovers of earlier interrupted saves.
constexpr int kTemporaryNameAttempts = 100;

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

bool fileAttributes(std::string_view path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  std::wstring native = nativeWidePath(path);
  return !native.empty() && GetFileAttributesExW(native.c_str(), GetFileExInfoStandard, &data) != 0;
}

FileHandle openExisting(const std::wstring& native, DWORD access) {
  HANDLE handle = CreateFileW(native.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// Open for reading, others may read and write meanwhile. Only files on disk
// count: devices such as CON or NUL and pipes are turned away unread.
FileHandle openDiskFileForReading(std::string_view path) {
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return nullptr;
  FileHandle file = openExisting(native, GENERIC_READ);
  if (!file || GetFileType(file.get()) != FILE_TYPE_DISK) return nullptr;
  return file;
}

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD count = 0;
    DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestRead));
    if (WriteFile(file, bytes.data(), wanted, &count, nullptr) == 0 || count == 0) return false;
    bytes.remove_prefix(count);
  }
  return true;
}

// A new file of its own beside the target, open for writing.
FileHandle createTemporaryBeside(const std::wstring& target, std::wstring& temporaryPath) {
  std::size_t nameStart = target.rfind(L'\\') + 1;  // 0 when there is no folder
  std::wstring stem = target.substr(0, nameStart) + L"." + target.substr(nameStart) + L".saving-";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporaryPath = stem + std::to_wstring(attempt);
    HANDLE handle = CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle != INVALID_HANDLE_VALUE) return FileHandle(handle);
    if (GetLastError() != ERROR_FILE_EXISTS) return nullptr;
  }
  return nullptr;
}

// ReplaceFileW refuses relative names.
std::wstring fullPath(const std::wstring& native) {
  DWORD size = GetFullPathNameW(native.c_str(), 0, nullptr, nullptr);
  if (size == 0) return native;
  std::wstring full(size, L'\0');
  DWORD length = GetFullPathNameW(native.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return native;
  full.resize(length);
  return full;
}

// "." for a bare name.
std::wstring folderOf(const std::wstring& native) {
  std::size_t separator = native.rfind(L'\\');
  if (separator == std::wstring::npos) return L".";
  return native.substr(0, separator + 1);
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
  return native.empty() ? nullptr : _wfopen(native.c_str(), toUtf16(mode).c_str());
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

SaveTargetFacts saveTargetFacts(std::string_view path) {
  SaveTargetFacts facts;
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return facts;
  DWORD attributes = GetFileAttributesW(native.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    facts.exists = true;
    bool plainFile = (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
    // Opening for writing asks the access rights too; nothing is changed.
    facts.writable = plainFile && openExisting(native, GENERIC_WRITE) != nullptr;
    BY_HANDLE_FILE_INFORMATION information{};
    FileHandle file = openExisting(native, FILE_READ_ATTRIBUTES);
    if (file && GetFileInformationByHandle(file.get(), &information) != 0) facts.linkCount = information.nNumberOfLinks;
  }
  // A folder's read-only mark does not stop files being made in it; its
  // access rights are learnt when the temporary file is made.
  DWORD folder = GetFileAttributesW(folderOf(native).c_str());
  facts.folderWritable = folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return facts;
}

bool replaceFileAtomically(std::string_view path, std::string_view bytes) {
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return false;
  std::wstring target = fullPath(native);
  std::wstring temporary;
  FileHandle file = createTemporaryBeside(target, temporary);
  if (!file) return false;
  bool complete = writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
  complete = CloseHandle(file.release()) != 0 && complete;
  if (complete) {
    // ReplaceFileW keeps the old file's attributes and access rights.
    bool replacing = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    bool moved = replacing ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                          nullptr, nullptr) != 0
                           : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (moved) return true;
  }
  DeleteFileW(temporary.c_str());
  return false;
}

bool overwriteFileInPlace(std::string_view path, std::string_view bytes) {
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return false;
  HANDLE handle = CreateFileW(native.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  FileHandle file(handle);
  bool written = writeAll(handle, bytes);
  return CloseHandle(file.release()) != 0 && written;
}

bool namesIgnoreCase(std::string_view path) {
  std::wstring native = nativeWidePath(path);
  std::wstring otherCase = native;
  std::size_t nameStart = native.rfind(L'\\') + 1;
  CharUpperW(otherCase.data() + nameStart);
  if (otherCase == native) CharLowerW(otherCase.data() + nameStart);
  if (otherCase == native) return false;
  BY_HANDLE_FILE_INFORMATION asNamed{};
  BY_HANDLE_FILE_INFORMATION asSwapped{};
  FileHandle named = openExisting(native, FILE_READ_ATTRIBUTES);
  FileHandle swapped = openExisting(otherCase, FILE_READ_ATTRIBUTES);
  return named && swapped && GetFileInformationByHandle(named.get(), &asNamed) != 0 &&
         GetFileInformationByHandle(swapped.get(), &asSwapped) != 0 &&
         asNamed.dwVolumeSerialNumber == asSwapped.dwVolumeSerialNumber &&
         asNamed.nFileIndexHigh == asSwapped.nFileIndexHigh && asNamed.nFileIndexLow == asSwapped.nFileIndexLow;
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
