#include "platform/project_folder.h"

#include <cstdlib>

#include "platform/paths.h"

namespace qv {

std::string defaultProjectFolder() {
  const char* value = std::getenv("QUAVERTON_PROJECT_DIR");
  if (value == nullptr || *value == '\0') return {};
  std::string folder = value;
  if (!isSeparator(folder.back())) folder += '/';
  return folder;
}

std::string driveMappedCandidate(std::string_view path) {
  bool onDriveX = path.size() >= 3 && (path[0] == 'X' || path[0] == 'x') && path[1] == ':' && isSeparator(path[2]);
  if (!onDriveX) return {};
  std::string folder = defaultProjectFolder();
  if (folder.empty()) return {};
  return folder + std::string(path.substr(3));
}

}  // namespace qv
