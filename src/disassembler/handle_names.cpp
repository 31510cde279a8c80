#include "disassembler/handle_names.h"

#include <algorithm>
#include <set>

#include "assembler/line_classification.h"
#include "preprocess/expression_evaluator.h"
#include "common/text.h"

namespace qv {

namespace {

constexpr std::string_view kHandlePrefix = "HNDL_";

const std::string kNoName;

}  // namespace

HandleMapText readHandleMap(std::string_view text) {
  HandleMapText map;
  std::set<std::string, NoCaseLess> names;
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view line = trimView(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    start = end == std::string_view::npos ? text.size() : end + 1;
    ++number;
    if (line.empty()) continue;
    std::size_t blank = findBlankOrTab(line);
    MapHandle handle;
    std::string_view name = blank == std::string_view::npos ? std::string_view() : trimView(line.substr(blank + 1));
    if (name.empty() || !parseIntegerLiteral(line.substr(0, blank), handle.value)) {
      map.errorLine = number;
      map.error = "not a handle line: a number, a blank and a name";
      return map;
    }
    if (!isIdentifier(std::string(kHandlePrefix) + std::string(name))) {
      map.errorLine = number;
      map.error = "\"" + std::string(name) + "\" cannot name a handle: letters, digits and _ only";
      return map;
    }
    if (!names.insert(std::string(name)).second) {
      map.errorLine = number;
      map.error = "the name " + std::string(name) + " is given twice";
      return map;
    }
    handle.name = name;
    map.handles.push_back(std::move(handle));
  }
  return map;
}

HandleNames::HandleNames(const std::vector<MapHandle>& mapped, const std::array<bool, kHandleCount>& played) {
  std::set<std::string, NoCaseLess> taken;
  std::array<int, kHandleCount> named{};
  for (const MapHandle& handle : mapped) {
    declared_.push_back({handle.value, std::string(kHandlePrefix) + handle.name, true});
    taken.insert(declared_.back().symbol);
    if (handle.value >= 0 && handle.value < static_cast<std::int32_t>(kHandleCount)) {
      ++named[static_cast<std::size_t>(handle.value)];
    }
  }
  for (std::size_t value = 0; value < kHandleCount; ++value) {
    if (!played[value] || named[value] > 0) continue;
    std::string name = std::string(kHandlePrefix) + "WAVE_" + std::to_string(value);
    if (taken.count(name) > 0) continue;
    declared_.push_back({static_cast<std::int32_t>(value), name, false});
    named[value] = 1;
  }
  std::stable_sort(declared_.begin(), declared_.end(),
                   [](const Declared& a, const Declared& b) { return a.value < b.value; });
  for (const Declared& handle : declared_) {
    const auto value = static_cast<std::size_t>(handle.value);
    if (handle.value >= 0 && value < kHandleCount && named[value] == 1) names_[value] = handle.symbol;
  }
}

const std::string& HandleNames::nameOf(std::int32_t handle) const {
  if (handle < 0 || handle >= static_cast<std::int32_t>(kHandleCount)) return kNoName;
  return names_[static_cast<std::size_t>(handle)];
}

}  // namespace qv
