#include "window/project_folder.h"

#include <cstdlib>

#include "platform/paths.h"

namespace qv {

std::string DefaultProjectFolder() {
  const char* home = std::getenv("HOME");
  std::string folder = (home != nullptr && *home != '\0') ? home : "/";
  return joinPath(folder, "Quaverton") + "/";
}

std::string DriveMappedCandidate(std::string_view path) {
  if (path.size() < 3 || (path[0] != 'X' && path[0] != 'x') || path[1] != ':' || !isSeparator(path[2])) return {};
  return DefaultProjectFolder() + std::string(path.substr(3));
}

}  // namespace qv
