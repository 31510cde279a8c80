#include "window/model/files/include_tab_paths.h"

#include <optional>
#include <set>

#include "platform/files.h"

namespace qv {

std::vector<std::string> IncludeTabPaths(const std::vector<SourceLine>& lines, std::string_view mainPath) {
  std::vector<std::string> paths;
  // Every name looked at once, taken or not, so each is tested on disk once.
  std::set<std::string, std::less<>> seen{std::string(mainPath)};
  // A file reached under a second name (a link) gets no second tab.
  std::set<FileIdentity> taken;
  if (std::optional<FileIdentity> main = fileIdentity(mainPath)) taken.insert(*main);
  const std::string_view* previous = nullptr;
  for (const SourceLine& line : lines) {
    // Lines come in long runs from one file.
    if (previous != nullptr && *previous == line.file) continue;
    previous = &line.file;
    if (line.file.empty() || !seen.emplace(line.file).second) continue;
    std::optional<FileIdentity> file = fileIdentity(line.file);
    if (file && taken.insert(*file).second) paths.emplace_back(line.file);
  }
  return paths;
}

}  // namespace qv
