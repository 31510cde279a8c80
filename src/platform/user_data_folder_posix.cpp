#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/user_data_folder.h"

namespace qv {

std::string userDataFolder() {
  std::string base = environmentVariable("XDG_DATA_HOME");
  // A relative value is to be ignored, as the base directory rules say.
  if (base.empty() || !isAbsolutePath(base)) {
    std::string home = homeFolder();
    if (home.empty()) return {};
    base = joinPath(joinPath(home, ".local"), "share");
  }
  return joinPath(joinPath(base, "Veltrane"), "Quaverton");
}

}  // namespace qv
