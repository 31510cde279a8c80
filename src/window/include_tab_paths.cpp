#include "window/include_tab_paths.h"

#include <set>

#include "platform/files.h"
#include "common/text.h"

namespace qv {

std::vector<std::string> IncludeTabPaths(const std::vector<SourceLine>& lines, std::string_view mainPath) {
  std::vector<std::string> paths;
  // Every file looked at once, taken or not, so each is tested on disk once.
  std::set<std::string, NoCaseLess> seen;
  seen.insert(std::string(mainPath));
  const std::string* previous = nullptr;
  for (const SourceLine& line : lines) {
    // Lines come in long runs from one file.
    if (previous != nullptr && *previous == line.file) continue;
    previous = &line.file;
    if (line.file.empty() || !seen.insert(line.file).second) continue;
    if (pathExists(line.file)) paths.push_back(line.file);
  }
  return paths;
}

}  // namespace qv
