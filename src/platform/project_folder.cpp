#include "platform/project_folder.h"

#include "platform/environment.h"
#include "platform/paths.h"

namespace qv {

std::string defaultProjectFolder() {
  std::string folder = environmentVariable("QUAVERTON_PROJECT_DIR");
  if (!folder.empty() && !isSeparator(folder.back())) folder += kPathSeparator;
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
