#include "window/model/results/line_origins.h"

#include <string_view>
#include <unordered_map>

namespace qv {

LineOrigins LineOriginsOf(const std::vector<SourceLine>& lines) {
  LineOrigins origins;
  origins.lines.reserve(lines.size());
  std::unordered_map<std::string_view, std::uint32_t> indexes;
  const std::string_view* previous = nullptr;
  std::uint32_t file = 0;
  for (const SourceLine& line : lines) {
    // Lines come in long runs from one file.
    if (previous == nullptr || *previous != line.file) {
      previous = &line.file;
      auto [place, added] = indexes.try_emplace(line.file, static_cast<std::uint32_t>(origins.files.size()));
      if (added) origins.files.emplace_back(line.file);
      file = place->second;
    }
    origins.lines.push_back({file, line.lineNumber, line.active});
  }
  return origins;
}

}  // namespace qv
