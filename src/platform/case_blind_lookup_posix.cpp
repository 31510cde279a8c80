#include "platform/case_blind_lookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/files.h"
#include "platform/paths.h"
#include "common/text.h"

namespace qv {

namespace {

// The paths in folder whose last level is name apart from letter case; just
// the one spelt as written when that exists.
void addLevelMatches(const std::string& folder, std::string_view name, std::vector<std::string>& matches) {
  std::string asWritten = joinPath(folder, name);
  if (pathExists(asWritten)) {
    matches.push_back(std::move(asWritten));
    return;
  }
  std::error_code error;
  std::filesystem::directory_iterator entry(folder.empty() ? std::string(".") : toNativePath(folder), error);
  for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    std::string entryName = entry->path().filename().string();
    if (equalsNoCase(entryName, name)) matches.push_back(joinPath(folder, entryName));
  }
}

}  // namespace

std::vector<std::string> caseBlindMatches(std::string_view path) {
  std::size_t root = rootLength(path);
  std::vector<std::string> reached{std::string(path.substr(0, root))};
  std::size_t start = root;
  while (start < path.size() && !reached.empty()) {
    std::size_t end = start;
    while (end < path.size() && !isSeparator(path[end])) ++end;
    std::string_view level = path.substr(start, end - start);
    start = end + 1;
    if (level.empty()) continue;
    std::vector<std::string> next;
    for (const std::string& folder : reached) addLevelMatches(folder, level, next);
    reached = std::move(next);
  }
  std::erase_if(reached, [](const std::string& candidate) { return !fileExists(candidate); });
  std::sort(reached.begin(), reached.end());
  return reached;
}

}  // namespace qv
