// Files and folders through the POSIX calls; paths go to the system as
// they are, UTF-8 included.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/paths.h"
#include "preprocess/text.h"

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
  std::string bytes;
  if (!readWholeFile(from, bytes)) return false;
  std::string native = toNativePath(to);
  int descriptor = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (descriptor < 0) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
    if (count <= 0) break;
    written += static_cast<std::size_t>(count);
  }
  bool complete = written == bytes.size();
  return ::close(descriptor) == 0 && complete;
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
  const char* fromEnvironment = std::getenv("TMPDIR");
  std::string folder = (fromEnvironment != nullptr && *fromEnvironment != '\0') ? fromEnvironment : "/tmp";
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace qv
