#include "assembler/handle_map.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "assembler/symbol_table.h"
#include "common/text.h"

namespace qv {

namespace {

constexpr std::string_view kHandlePrefix = "HNDL_";
constexpr std::string_view kReservedSuffix = "_RESERVED";

bool belongsInMap(const SymbolRecord& record) {
  return record.kind == SymbolKind::Handle && record.value > 0 && !equalsNoCase(record.name, "HNDL_MUTE");
}

// The name without its prefix and stray list punctuation; a trailing
// "_RESERVED" reads "_reserved" so that spare slots stand out.
std::string displayName(const std::string& name) {
  std::string display = name.size() > kHandlePrefix.size() ? name.substr(kHandlePrefix.size()) : name;
  while (!display.empty() && (display.back() == ',' || display.back() == ';')) display.pop_back();
  std::size_t reserved = display.find(kReservedSuffix);
  if (reserved != std::string::npos && reserved + kReservedSuffix.size() == display.size()) {
    display.replace(reserved + 1, std::string::npos, toLowerAscii(display.substr(reserved + 1)));
  }
  return display;
}

}  // namespace

std::string HandleMap(const SymbolTable& symbols) {
  std::vector<const SymbolRecord*> handles = symbols.selectInNameOrder(belongsInMap);
  // Stable, so handles that share a number stay in name order.
  std::stable_sort(handles.begin(), handles.end(),
                   [](const SymbolRecord* a, const SymbolRecord* b) { return a->value < b->value; });

  std::string text;
  for (const SymbolRecord* handle : handles) {
    const std::string name = displayName(handle->name);
    if (name.empty()) continue;
    text.append(std::to_string(handle->value)).append(" ").append(name).append("\r\n");
  }
  return text;
}

}  // namespace qv
