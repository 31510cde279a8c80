// Files and folders through the wide-character Windows calls, so that names
// outside the ANSI code page work; the program's UTF-8 paths become UTF-16
// here and nowhere else.
#include <windows.h>

#include <io.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/failure_reason.h"
#include "platform/files.h"
#include "platform/temporary_files.h"
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

FileHandle openExisting(const std::wstring& native, DWORD access) {
  HANDLE handle = CreateFileW(native.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::string reasonOf(DWORD error) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  if (length == 0) return "error " + std::to_string(error);
  std::string reason = failureReason(toUtf8(std::wstring_view(text, length)));
  LocalFree(text);
  return reason;
}

// The reason for the failure the last call reported.
std::string lastReason() { return reasonOf(GetLastError()); }

// Open for reading, others may read and write meanwhile. Only files on disk
// count: devices such as CON or NUL and pipes are turned away unread.
FileHandle openDiskFileForReading(std::string_view path, std::string* failure = nullptr) {
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return nullptr;
  FileHandle file = openExisting(native, GENERIC_READ);
  if (!file) {
    if (failure != nullptr) *failure = lastReason();
    return nullptr;
  }
  if (GetFileType(file.get()) != FILE_TYPE_DISK) {
    if (failure != nullptr) *failure = "is not a regular file";
    return nullptr;
  }
  return file;
}

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD count = 0;
    DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestRead));
    if (WriteFile(file, bytes.data(), wanted, &count, nullptr) == 0) return false;
    if (count == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes.remove_prefix(count);
  }
  return true;
}

bool moveTo(HANDLE file, std::size_t offset) {
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != 0;
}

bool writeAllAt(HANDLE file, std::string_view bytes, std::size_t offset) {
  return bytes.empty() || (moveTo(file, offset) && writeAll(file, bytes));
}

bool cutAt(HANDLE file, std::size_t length) { return moveTo(file, length) && SetEndOfFile(file) != 0; }

std::size_t nameStartOf(const std::wstring& native) { return native.rfind(L'\\') + 1; }  // 0 when there is none

void removeLeftoversOf(const std::wstring& native) {
  std::string name = toUtf8(std::wstring_view(native).substr(nameStartOf(native)));
  std::string folder = toUtf8(std::wstring_view(native).substr(0, nameStartOf(native)));
  removeLeftoverTemporaries(folder.empty() ? std::string(".") : folder,
                            [&name](std::string_view target) { return target == name; });
}

// A new file of its own beside the target, open for writing and shared with
// no one, so that no one takes it for a leftover meanwhile.
FileHandle createTemporaryBeside(const std::wstring& target, std::wstring& temporaryPath) {
  std::wstring folder = target.substr(0, nameStartOf(target));
  std::string name = toUtf8(std::wstring_view(target).substr(nameStartOf(target)));
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporaryPath = folder + toUtf16(temporaryNameFor(name, attempt));
    HANDLE handle = CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle != INVALID_HANDLE_VALUE) return FileHandle(handle);
    if (GetLastError() != ERROR_FILE_EXISTS) return nullptr;
  }
  return nullptr;
}

bool sameIdentity(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return GetFileInformationByHandle(a, &first) != 0 && GetFileInformationByHandle(b, &second) != 0 &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
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

bool readWholeFile(std::string_view path, std::string& bytes, std::size_t maxBytes, std::string* failure) {
  auto fail = [failure](std::string reason) {
    if (failure != nullptr) *failure = std::move(reason);
    return false;
  };
  if (folderExists(path)) return fail("is a folder");
  std::string reason;
  FileHandle file = openDiskFileForReading(path, &reason);
  if (!file) return fail(reason);
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) == 0) return fail(lastReason());
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
      reason = lastReason();
      failed = true;
      break;
    }
    if (count == 0) break;
    length += count;
  }
  bytes.resize(length);
  return !failed || fail(reason);
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
  if (source.empty() || target.empty()) return false;
  std::wstring temporary;
  // Only the name is taken here; the copy writes the file anew.
  if (!createTemporaryBeside(target, temporary)) return false;
  // A move without MOVEFILE_REPLACE_EXISTING replaces nothing.
  bool complete = CopyFileW(source.c_str(), temporary.c_str(), FALSE) != 0 &&
                  MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
  if (!complete) DeleteFileW(temporary.c_str());
  return complete;
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

FileWrite replaceFileAtomically(std::string_view path, std::string_view bytes) {
  FileWrite outcome;
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return outcome;
  std::wstring target = fullPath(native);
  removeLeftoversOf(target);
  std::wstring temporary;
  FileHandle file = createTemporaryBeside(target, temporary);
  if (!file) {
    outcome.failure = lastReason();
    return outcome;
  }
  outcome.opened = true;
  bool complete = writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
  complete = CloseHandle(file.release()) != 0 && complete;
  if (complete) {
    // ReplaceFileW keeps the old file's attributes and access rights.
    bool replacing = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    outcome.written = replacing ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                                : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!outcome.written) {
    outcome.failure = lastReason();
    DeleteFileW(temporary.c_str());
  }
  return outcome;
}

FileWrite overwriteFileInPlace(std::string_view path, std::string_view bytes) {
  FileWrite outcome;
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return outcome;
  HANDLE handle = CreateFileW(native.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    outcome.failure = lastReason();
    return outcome;
  }
  FileHandle file(handle);
  outcome.opened = true;
  removeLeftoversOf(native);
  LARGE_INTEGER size{};
  if (GetFileSizeEx(handle, &size) == 0) {
    outcome.failure = lastReason();
    return outcome;
  }
  const auto oldSize = static_cast<std::size_t>(size.QuadPart);
  const std::size_t kept = std::min(oldSize, bytes.size());
  // As on POSIX: growing first, so that what does not fit fails while every
  // old byte is in place, and cutting back restores the file exactly.
  if (!writeAllAt(handle, bytes.substr(kept), oldSize)) {
    outcome.failure = lastReason();
    cutAt(handle, oldSize);
    return outcome;
  }
  outcome.written = writeAllAt(handle, bytes.substr(0, kept), 0) && cutAt(handle, bytes.size()) &&
                    FlushFileBuffers(handle) != 0;
  outcome.written = CloseHandle(file.release()) != 0 && outcome.written;
  if (!outcome.written) outcome.failure = lastReason();
  return outcome;
}

// The write that made it holds it open, shared with no one, until it has
// its final name: then the deletion fails.
void removeIfAbandoned(const std::string& path) { DeleteFileW(nativeWidePath(path).c_str()); }

bool namesIgnoreCase(std::string_view path) {
  std::wstring probe;
  FileHandle made = createTemporaryBeside(fullPath(nativeWidePath(path)), probe);
  if (!made) return false;
  std::wstring otherCase = probe;
  std::size_t nameStart = nameStartOf(probe);
  // The temporary's name always holds letters.
  CharUpperW(otherCase.data() + nameStart);
  if (otherCase == probe) CharLowerW(otherCase.data() + nameStart);
  // Asking for attributes only is not refused by the probe's sharing.
  FileHandle found = openExisting(otherCase, FILE_READ_ATTRIBUTES);
  bool same = found && sameIdentity(made.get(), found.get());
  found.reset();
  made.reset();
  DeleteFileW(probe.c_str());
  return same;
}

std::optional<FileIdentity> fileIdentity(std::string_view path) {
  std::wstring native = nativeWidePath(path);
  if (native.empty()) return std::nullopt;
  // FILE_FLAG_BACKUP_SEMANTICS opens folders too.
  HANDLE handle = CreateFileW(native.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  FileHandle file(handle);
  BY_HANDLE_FILE_INFORMATION information{};
  if (GetFileInformationByHandle(handle, &information) == 0) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber,
                      (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
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
