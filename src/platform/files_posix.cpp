// Files and folders through the POSIX calls; paths go to the system as
// they are, UTF-8 included.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "common/text.h"

namespace qv {

namespace {

bool statPath(std::string_view path, struct stat& info) {
  std::string native = toNativePath(path);
  return !native.empty() && ::stat(native.c_str(), &info) == 0;
}

// "*" stands for any run of characters; letters match in either case, as
// the Windows file search does.
bool matchesWildcard(std::string_view name, std::string_view pattern) {
  std::size_t star = pattern.find('*');
  if (star == std::string_view::npos) return equalsNoCase(name, pattern);
  std::string_view head = pattern.substr(0, star);
  if (name.size() < head.size() || !equalsNoCase(name.substr(0, head.size()), head)) return false;
  std::string_view rest = pattern.substr(star + 1);
  for (std::size_t start = head.size(); start <= name.size(); ++start) {
    if (matchesWildcard(name.substr(start), rest)) return true;
  }
  return false;
}

constexpr mode_t kPermissionBits = 07777;
// What a newly made file gets before the user's umask.
constexpr mode_t kNewFileMode = 0666;
// Enough tries to step over leftovers of earlier interrupted saves.
constexpr int kTemporaryNameAttempts = 100;

bool writeAll(int descriptor, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    written += static_cast<std::size_t>(count);
  }
  return true;
}

// "." for a bare name, "/" for a file in the root folder.
std::string folderOf(const std::string& nativePath) {
  std::size_t slash = nativePath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : nativePath.substr(0, slash);
}

// A new file of its own beside the target, open for writing.
int createTemporaryBeside(const std::string& target, mode_t mode, std::string& temporaryPath) {
  std::size_t nameStart = target.rfind('/') + 1;  // 0 when there is no folder
  std::string stem = target.substr(0, nameStart) + "." + target.substr(nameStart) + ".saving-";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporaryPath = stem + std::to_string(attempt);
    int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

// The replacement keeps the old file's permission bits, and its owner and
// group where the user may set them (else the group alone, else neither,
// as for any new file the user makes).
bool takeOverAccess(int descriptor, const struct stat& old) {
  static_cast<void>(::fchown(descriptor, old.st_uid, old.st_gid) == 0 ||
                    ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0);
  return ::fchmod(descriptor, old.st_mode & kPermissionBits) == 0;
}

}  // namespace

std::FILE* openFile(std::string_view path, const char* mode) {
  std::string native = toNativePath(path);
  return native.empty() ? nullptr : std::fopen(native.c_str(), mode);
}

bool fileExists(std::string_view path) {
  struct stat info {};
  if (!statPath(path, info) || !S_ISREG(info.st_mode)) return false;
  std::ifstream stream(toNativePath(path), std::ios::binary);
  return stream.is_open();
}

bool pathExists(std::string_view path) {
  struct stat info {};
  return statPath(path, info);
}

bool folderExists(std::string_view path) {
  struct stat info {};
  return statPath(path, info) && S_ISDIR(info.st_mode);
}

bool isReadable(std::string_view path) {
  std::string native = toNativePath(path);
  return !native.empty() && ::access(native.c_str(), R_OK) == 0;
}

bool createFolder(std::string_view path) {
  std::string native = toNativePath(path);
  return !native.empty() && ::mkdir(native.c_str(), 0777) == 0;
}

bool readWholeFile(std::string_view path, std::string& bytes, std::size_t maxBytes) {
  std::string native = toNativePath(path);
  if (native.empty()) return false;
  // Non-blocking, so that opening a pipe cannot hang before it is turned away.
  int descriptor = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return false;
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(descriptor);
    return false;
  }
  const auto expected = static_cast<std::size_t>(info.st_size);
  bytes.clear();
  std::size_t length = 0;
  bool failed = false;
  while (length < maxBytes) {
    if (length == bytes.size()) {
      // First sized from the file's length and one byte more, so that a
      // source is read in one piece and the next read sees its end; doubled
      // when the file grows meanwhile.
      bytes.resize(std::min(length == 0 ? expected + 1 : 2 * length, maxBytes));
    }
    ssize_t count = ::read(descriptor, bytes.data() + length, bytes.size() - length);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      failed = count < 0;
      break;
    }
    length += static_cast<std::size_t>(count);
  }
  ::close(descriptor);
  bytes.resize(length);
  return !failed;
}

bool lastWriteTime(std::string_view path, std::int64_t& time) {
  struct stat info {};
  if (!statPath(path, info)) return false;
  time = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  return true;
}

bool deleteFile(std::string_view path) {
  std::string native = toNativePath(path);
  return !native.empty() && ::unlink(native.c_str()) == 0;
}

bool copyFileNoOverwrite(std::string_view from, std::string_view to) {
  struct stat original {};
  std::string bytes;
  if (!statPath(from, original) || !readWholeFile(from, bytes)) return false;
  std::string native = toNativePath(to);
  // Private until it carries the original's bits, so that a copy is never
  // readable by more users than the original.
  int descriptor = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (descriptor < 0) return false;
  bool complete = writeAll(descriptor, bytes) && ::fchmod(descriptor, original.st_mode & kPermissionBits) == 0;
  complete = ::close(descriptor) == 0 && complete;
  if (!complete) ::unlink(native.c_str());
  return complete;
}

SaveTargetFacts saveTargetFacts(std::string_view path) {
  SaveTargetFacts facts;
  std::string native = toNativePath(path);
  if (native.empty()) return facts;
  struct stat info {};
  if (::stat(native.c_str(), &info) == 0) {
    facts.exists = true;
    facts.writable = S_ISREG(info.st_mode) && ::access(native.c_str(), W_OK) == 0;
    facts.linkCount = static_cast<std::uint64_t>(info.st_nlink);
  }
  facts.folderWritable = ::access(folderOf(native).c_str(), W_OK | X_OK) == 0;
  return facts;
}

bool replaceFileAtomically(std::string_view path, std::string_view bytes) {
  std::string target = toNativePath(path);
  if (target.empty()) return false;
  struct stat old {};
  bool replacing = ::stat(target.c_str(), &old) == 0;
  std::string temporary;
  int descriptor = createTemporaryBeside(target, replacing ? S_IRUSR | S_IWUSR : kNewFileMode, temporary);
  if (descriptor < 0) return false;
  bool complete = (!replacing || takeOverAccess(descriptor, old)) && writeAll(descriptor, bytes) &&
                  ::fsync(descriptor) == 0;
  complete = ::close(descriptor) == 0 && complete;
  if (complete && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

bool overwriteFileInPlace(std::string_view path, std::string_view bytes) {
  std::string native = toNativePath(path);
  if (native.empty()) return false;
  int descriptor = ::open(native.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (descriptor < 0) return false;
  bool written = writeAll(descriptor, bytes);
  return ::close(descriptor) == 0 && written;
}

bool namesIgnoreCase(std::string_view path) {
  std::string native = toNativePath(path);
  std::string otherCase = native;
  bool swapped = false;
  for (std::size_t i = native.rfind('/') + 1; i < otherCase.size(); ++i) {
    char& c = otherCase[i];
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
      swapped = true;
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
      swapped = true;
    }
  }
  struct stat asNamed {};
  struct stat asSwapped {};
  return swapped && ::stat(native.c_str(), &asNamed) == 0 && ::stat(otherCase.c_str(), &asSwapped) == 0 &&
         asNamed.st_dev == asSwapped.st_dev && asNamed.st_ino == asSwapped.st_ino;
}

std::optional<std::vector<std::string>> listFiles(std::string_view folder, std::string_view pattern) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entries(toNativePath(folder), error);
  if (error) {
    bool missing = error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
    if (missing) return names;
    return std::nullopt;
  }
  for (; entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code typeError;
    if (entries->is_directory(typeError)) continue;
    std::string name = entries->path().filename().string();
    if (matchesWildcard(name, pattern)) names.push_back(std::move(name));
  }
  if (error) return std::nullopt;
  return names;
}

std::string temporaryFolder() {
  std::string folder = environmentVariable("TMPDIR");
  if (folder.empty()) folder = "/tmp";
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace qv
