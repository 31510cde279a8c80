#include "window/model/files/include_tab_paths.h"

#include <optional>
#include <set>

#include "platform/files.h"

namespace qv {

std::vector<std::string> IncludeTabPaths(const LineOrigins& lines, std::string_view mainPath) {
  std::vector<std::string> paths;
  // Every name looked at once, taken or not, so each is tested on disk once.
  std::set<std::string, std::less<>> seen{std::string(mainPath)};
  // A file reached under a second name (a link) gets no second tab.
  std::set<FileIdentity> taken;
  if (std::optional<FileIdentity> main = fileIdentity(mainPath)) taken.insert(*main);
  for (const std::string& name : lines.files) {
    if (name.empty() || !seen.insert(name).second) continue;
    std::optional<FileIdentity> file = fileIdentity(name);
    if (file && taken.insert(*file).second) paths.push_back(name);
  }
  return paths;
}

}  // namespace qv
