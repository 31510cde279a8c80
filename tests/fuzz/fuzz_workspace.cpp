#include "fuzz_workspace.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace qv::fuzz {

namespace fs = std::filesystem;

namespace {

// The folder lives as long as the process's static objects do.
class Workspace {
 public:
  Workspace() {
    std::string pattern = (fs::temp_directory_path() / "quaverton-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~Workspace() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

const std::string& workspaceFolder() {
  static const Workspace workspace;
  return workspace.path();
}

void emptyWorkspace() {
  for (const fs::directory_entry& entry : fs::directory_iterator(workspaceFolder())) {
    fs::remove_all(entry.path());
  }
}

std::string writeWorkspaceFile(std::string_view name, std::string_view bytes) {
  std::string path = workspaceFolder() + "/" + std::string(name);
  std::ofstream stream(path, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

bool isInsideWorkspace(std::string_view path) {
  const std::string& folder = workspaceFolder();
  return path.size() > folder.size() && path.substr(0, folder.size()) == folder && path[folder.size()] == '/' &&
         path.find("/../") == std::string_view::npos;
}

}  // namespace qv::fuzz
