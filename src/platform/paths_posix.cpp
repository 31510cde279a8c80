// Paths on POSIX: "/" is the separator handed to the system, and one
// leading "/" makes a path absolute.
#include <filesystem>
#include <vector>

#include "platform/paths.h"

namespace qv {

namespace {

std::string currentFolder() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  return error ? std::string("/") : folder;
}

// Folds "." and ".." and repeated separators of the "/" path below a root.
std::string foldDots(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string folded;
  for (std::string_view part : parts) {
    if (!folded.empty()) folded += '/';
    folded += part;
  }
  if (!parts.empty() && !path.empty() && path.back() == '/') folded += '/';
  return folded;
}

}  // namespace

std::string toNativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

bool isAbsolutePath(std::string_view path) {
  if (path.size() >= 2 && (path[1] == ':' || (isSeparator(path[0]) && isSeparator(path[1])))) return true;
  return !path.empty() && path[0] == '/';
}

std::string canonicalPath(std::string_view path) {
  std::string native = toNativePath(path);
  if (native.empty()) return native;
  if (rootLength(native) == 0) native = joinPath(currentFolder(), native);
  std::size_t root = rootLength(native);
  return native.substr(0, root) + foldDots(std::string_view(native).substr(root));
}

}  // namespace qv
