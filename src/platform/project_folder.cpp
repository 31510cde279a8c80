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

}  // namespace qv
