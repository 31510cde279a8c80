#include "window/model/files/browse_folder.h"

#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/project_folder.h"

namespace qv {

std::string BrowseStartFolder(std::string_view sourcePath) {
  if (!sourcePath.empty()) return directoryOf(canonicalPath(sourcePath));
  std::string folder = defaultProjectFolder();
  if (!folder.empty()) return folder;
  return homeFolder();
}

}  // namespace qv
