#include "support/test_support.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/filesystem_path.h"
#include "platform/paths.h"

namespace qv::test {

namespace fs = std::filesystem;

std::string_view kept(std::string text) {
  static std::deque<std::string> texts;
  return texts.emplace_back(std::move(text));
}

TempFolder::~TempFolder() {
  std::error_code error;
  fs::permissions(filesystemPath(path_), fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(filesystemPath(path_), error);
}

std::string TempFolder::file(const std::string& name) const {
  std::string full = path_ + kPathSeparator;
  for (char c : name) full += c == '/' ? kPathSeparator : c;
  return full;
}

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::string full = file(name);
  fs::create_directories(filesystemPath(full).parent_path());
  std::ofstream stream(filesystemPath(full), std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return full;
}

std::string readFile(const std::string& path) {
  std::ifstream stream(filesystemPath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) { return fs::exists(filesystemPath(path)); }

std::string sourceDir() { return QUAVERTON_SOURCE_DIR; }

std::string withoutFolder(std::string text, const std::string& folder, const std::string& placeholder) {
  std::error_code error;
  fs::path resolved = fs::canonical(filesystemPath(folder), error);
  for (const std::string& spelling : {folder, error ? folder : pathText(resolved)}) {
    std::string prefix = spelling + kPathSeparator;
    for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + placeholder.size())) {
      text.replace(at, prefix.size(), placeholder);
    }
  }
  return text;
}

}  // namespace qv::test
