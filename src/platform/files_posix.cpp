// Files and folders through the POSIX calls; paths go to the system as
// they are, UTF-8 included.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/environment.h"
#include "platform/failure_reason.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "common/text.h"
#include "platform/temporary_files.h"

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

std::string reasonOf(int error) { return failureReason(std::generic_category().message(error)); }

// The reason for the failure the last call reported through errno.
std::string lastReason() { return reasonOf(errno); }

bool writeAllAt(int descriptor, std::string_view bytes, off_t offset) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    ssize_t count = ::pwrite(descriptor, bytes.data() + written, bytes.size() - written,
                             offset + static_cast<off_t>(written));
    if (count < 0 && errno == EINTR) continue;
    if (count == 0) errno = EIO;
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

std::string nameOf(const std::string& nativePath) { return nativePath.substr(nativePath.rfind('/') + 1); }

void removeLeftoversOf(const std::string& nativePath) {
  std::string name = nameOf(nativePath);
  removeLeftoverTemporaries(folderOf(nativePath), [&name](std::string_view target) { return target == name; });
}

bool namesOpenFile(const std::string& path, int descriptor) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(descriptor, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// A new file of its own beside the target, open for writing and locked
// until it is closed, so that no one takes it for a leftover meanwhile.
int createTemporaryBeside(const std::string& target, mode_t mode, std::string& temporaryPath) {
  std::string folder = target.substr(0, target.rfind('/') + 1);  // empty when there is none
  std::string name = nameOf(target);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporaryPath = folder + temporaryNameFor(name, attempt);
    int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (descriptor < 0) {
      if (errno != EEXIST) return -1;
      continue;
    }
    // Someone may have taken it for a leftover just before it was locked.
    static_cast<void>(::flock(descriptor, LOCK_EX));
    if (namesOpenFile(temporaryPath, descriptor)) return descriptor;
    ::close(descriptor);
  }
  errno = EEXIST;
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

// Gives the complete temporary file its final name, which must be free:
// a hard link cannot replace anything. Where the file system has no hard
// links, a rename after a last look does.
bool renameNoReplace(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return true;
  }
  if (errno == EEXIST) return false;
  struct stat existing {};
  if (::lstat(to.c_str(), &existing) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

char swappedCase(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
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

bool readWholeFile(std::string_view path, std::string& bytes, std::size_t maxBytes, std::string* failure) {
  auto fail = [failure](std::string reason) {
    if (failure != nullptr) *failure = std::move(reason);
    return false;
  };
  std::string native = toNativePath(path);
  if (native.empty()) return fail("no file name");
  // Non-blocking, so that opening a pipe cannot hang before it is turned away.
  int descriptor = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return fail(lastReason());
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    std::string reason = S_ISDIR(info.st_mode) ? "is a folder" : "is not a regular file";
    ::close(descriptor);
    return fail(reason);
  }
  const auto expected = static_cast<std::size_t>(info.st_size);
  bytes.clear();
  std::size_t length = 0;
  int readError = 0;
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
      readError = count < 0 ? errno : 0;
      break;
    }
    length += static_cast<std::size_t>(count);
  }
  ::close(descriptor);
  bytes.resize(length);
  return readError == 0 || fail(reasonOf(readError));
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
  std::string temporary;
  // Private until it carries the original's bits, so that a copy is never
  // readable by more users than the original.
  int descriptor = createTemporaryBeside(native, S_IRUSR | S_IWUSR, temporary);
  if (descriptor < 0) return false;
  bool complete = writeAllAt(descriptor, bytes, 0) &&
                  ::fchmod(descriptor, original.st_mode & kPermissionBits) == 0 && ::fsync(descriptor) == 0 &&
                  renameNoReplace(temporary, native);
  ::close(descriptor);
  if (!complete) ::unlink(temporary.c_str());
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

namespace {

// The bytes under a temporary name beside the target, then put in its place:
// renamed over an existing file, or linked where none may be replaced (a
// link, unlike a rename, fails when the name is taken).
FileWrite writeThroughTemporary(std::string_view path, std::string_view bytes, bool mayReplace) {
  FileWrite outcome;
  std::string target = toNativePath(path);
  if (target.empty()) return outcome;
  removeLeftoversOf(target);
  struct stat old {};
  bool replacing = mayReplace && ::stat(target.c_str(), &old) == 0;
  std::string temporary;
  int descriptor = createTemporaryBeside(target, replacing ? S_IRUSR | S_IWUSR : kNewFileMode, temporary);
  if (descriptor < 0) {
    outcome.failure = lastReason();
    return outcome;
  }
  outcome.opened = true;
  // Renamed while still locked; fsync has already reported any error that
  // closing could.
  outcome.written = (!replacing || takeOverAccess(descriptor, old)) && writeAllAt(descriptor, bytes, 0) &&
                    ::fsync(descriptor) == 0 &&
                    (mayReplace ? ::rename(temporary.c_str(), target.c_str())
                                : ::link(temporary.c_str(), target.c_str())) == 0;
  if (!outcome.written) outcome.failure = lastReason();
  if (!outcome.written || !mayReplace) ::unlink(temporary.c_str());
  ::close(descriptor);
  return outcome;
}

}  // namespace

FileWrite replaceFileAtomically(std::string_view path, std::string_view bytes) {
  return writeThroughTemporary(path, bytes, true);
}

FileWrite createFileAtomically(std::string_view path, std::string_view bytes) {
  return writeThroughTemporary(path, bytes, false);
}

FileWrite overwriteFileInPlace(std::string_view path, std::string_view bytes) {
  FileWrite outcome;
  std::string native = toNativePath(path);
  if (native.empty()) return outcome;
  int descriptor = ::open(native.c_str(), O_WRONLY | O_CLOEXEC);
  struct stat info {};
  if (descriptor < 0 || ::fstat(descriptor, &info) != 0) {
    outcome.failure = lastReason();
    if (descriptor >= 0) ::close(descriptor);
    return outcome;
  }
  outcome.opened = true;
  removeLeftoversOf(native);
  const auto oldSize = static_cast<std::size_t>(info.st_size);
  const std::size_t kept = std::min(oldSize, bytes.size());
  // Growing first: what does not fit fails here, and cutting the file back
  // to its old length leaves every byte of it as it was.
  bool grown = writeAllAt(descriptor, bytes.substr(kept), static_cast<off_t>(oldSize));
  if (!grown) {
    outcome.failure = lastReason();
    // Best effort: the failure to grow is what is reported.
    [[maybe_unused]] const int cutBack = ::ftruncate(descriptor, static_cast<off_t>(oldSize));
  } else {
    outcome.written = writeAllAt(descriptor, bytes.substr(0, kept), 0) &&
                      ::ftruncate(descriptor, static_cast<off_t>(bytes.size())) == 0 && ::fsync(descriptor) == 0;
    if (!outcome.written) outcome.failure = lastReason();
  }
  if (::close(descriptor) != 0 && outcome.written) {
    outcome.written = false;
    outcome.failure = lastReason();
  }
  return outcome;
}

void removeIfAbandoned(const std::string& path) {
  int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return;
  struct stat opened {};
  // A running write holds its lock until the file has its final name.
  if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
      namesOpenFile(path, descriptor)) {
    ::unlink(path.c_str());
  }
  ::close(descriptor);
}

bool namesIgnoreCase(std::string_view path) {
  std::string probe;
  int descriptor = createTemporaryBeside(toNativePath(path), S_IRUSR | S_IWUSR, probe);
  if (descriptor < 0) return false;
  std::string otherCase = probe;
  // The temporary's name always holds letters.
  std::transform(otherCase.begin() + static_cast<std::ptrdiff_t>(probe.rfind('/') + 1), otherCase.end(),
                 otherCase.begin() + static_cast<std::ptrdiff_t>(probe.rfind('/') + 1), swappedCase);
  struct stat made {};
  struct stat found {};
  bool same = ::fstat(descriptor, &made) == 0 && ::lstat(otherCase.c_str(), &found) == 0 &&
              made.st_dev == found.st_dev && made.st_ino == found.st_ino;
  ::unlink(probe.c_str());
  ::close(descriptor);
  return same;
}

std::optional<FileIdentity> fileIdentity(std::string_view path) {
  struct stat info {};
  if (!statPath(path, info)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
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
