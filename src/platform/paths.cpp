#include "platform/paths.h"

#include <cctype>
#include <filesystem>
#include <vector>

namespace qv {

namespace {

std::string_view trimView(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

std::size_t lastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (isSeparator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

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

bool isSeparator(char c) { return c == '/' || c == '\\'; }

std::string toNativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

bool hasDriveLetter(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

bool isAbsolutePath(std::string_view path) {
  if (path.size() >= 2 && (path[1] == ':' || (isSeparator(path[0]) && isSeparator(path[1])))) return true;
  return !path.empty() && path[0] == '/';
}

std::size_t rootLength(std::string_view path) {
  if (hasDriveLetter(path)) return path.size() > 2 && isSeparator(path[2]) ? 3 : 2;
  if (path.empty() || !isSeparator(path[0])) return 0;
  bool twoSeparators = path.size() >= 2 && isSeparator(path[1]) && (path.size() == 2 || !isSeparator(path[2]));
  return twoSeparators ? 2 : 1;
}

std::string canonicalPath(std::string_view path) {
  std::string native = toNativePath(path);
  if (native.empty()) return native;
  if (rootLength(native) == 0) native = joinPath(currentFolder(), native);
  std::size_t root = rootLength(native);
  return native.substr(0, root) + foldDots(std::string_view(native).substr(root));
}

std::string directoryOf(std::string_view path) {
  std::size_t separator = lastSeparator(path);
  return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator));
}

std::string fileNameOf(std::string_view path) { return std::string(fileNameView(path)); }

std::string_view fileNameView(std::string_view path) {
  std::size_t separator = lastSeparator(path);
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string joinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  if (name.empty()) return std::string(folder);
  std::string joined(folder);
  if (!isSeparator(folder.back())) joined += '/';
  joined += name;
  return joined;
}

std::string unquote(std::string_view text) {
  std::string_view trimmed = trimView(text);
  if (trimmed.size() >= 2) {
    char first = trimmed.front();
    char last = trimmed.back();
    if ((first == '"' && last == '"') || (first == '\'' && last == '\'')) {
      trimmed = trimmed.substr(1, trimmed.size() - 2);
    }
  }
  return std::string(trimmed);
}

}  // namespace qv
