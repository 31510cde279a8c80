#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/paths.h"

namespace qv {

namespace {

bool statPath(std::string_view path, struct stat& info) {
  std::string native = toNativePath(path);
  return !native.empty() && ::stat(native.c_str(), &info) == 0;
}

}  // namespace

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

bool writeWholeFile(std::string_view path, std::string_view bytes) {
  std::string native = toNativePath(path);
  if (native.empty()) return false;
  std::FILE* file = std::fopen(native.c_str(), "wb");
  if (file == nullptr) return false;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return true;
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

std::string temporaryFolder() {
  const char* fromEnvironment = std::getenv("TMPDIR");
  std::string folder = (fromEnvironment != nullptr && *fromEnvironment != '\0') ? fromEnvironment : "/tmp";
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace qv
