#include "window/model/settings/recent_sources.h"

#include <algorithm>

#include "common/text.h"

namespace qv {

std::vector<std::string> ParseRecentSources(std::string_view stored) {
  std::vector<std::string> sources;
  std::size_t start = 0;
  while (start < stored.size()) {
    std::size_t end = stored.find('|', start);
    if (end == std::string_view::npos) end = stored.find(';', start);
    if (end == std::string_view::npos) end = stored.size();
    std::string token = trim(stored.substr(start, end - start));
    if (!token.empty() && sources.size() < kMaxRecentSources) sources.push_back(std::move(token));
    start = end + 1;
  }
  return sources;
}

std::string JoinRecentSources(const std::vector<std::string>& sources) {
  std::string joined;
  for (const std::string& source : sources) {
    if (source.empty()) continue;
    if (!joined.empty()) joined += '|';
    joined += source;
  }
  return joined;
}

void AddRecentSource(std::vector<std::string>& sources, std::string_view path) {
  std::string added = trim(path);
  if (added.empty() || added == kNoSourceSelectedText) return;
  std::vector<std::string> updated{added};
  for (std::string& source : sources) {
    if (updated.size() >= kMaxRecentSources) break;
    if (!equalsNoCase(source, added)) updated.push_back(std::move(source));
  }
  sources = std::move(updated);
}

std::vector<std::string> RecentComboItems(const std::vector<std::string>& sources) {
  std::vector<std::string> items;
  for (const std::string& source : sources) {
    if (!source.empty()) items.push_back(source);
  }
  std::stable_sort(items.begin(), items.end(), NoCaseLess());
  // The marker leads even where paths sort before "<", as they do with "/".
  items.insert(items.begin(), std::string(kNoSourceSelectedText));
  return items;
}

int RecentComboSelection(const std::vector<std::string>& items, std::string_view sourcePath) {
  if (sourcePath.empty()) return 0;
  auto match = std::find_if(items.begin(), items.end(),
                            [&](const std::string& item) { return startsWithNoCase(item, sourcePath); });
  return match == items.end() ? -1 : static_cast<int>(match - items.begin());
}

}  // namespace qv
