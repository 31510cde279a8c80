#include "window/model/settings/settings_values.h"

#include <cstdio>

#include "common/text.h"
#include "window/model/settings/recent_sources.h"

namespace qv {

namespace settings {

std::string TabSelectionValueName(SelectionEnd end, int tab) {
  char name[32];
  std::snprintf(name, sizeof name, "TabSel%s_%d", end == SelectionEnd::Start ? "Start" : "End", tab);
  return name;
}

}  // namespace settings

namespace {

std::optional<int> optionalNumber(const SettingsStore& store, std::string_view name) {
  StoredValue<std::int32_t> stored = store.readNumber(name, 0);
  return stored.found ? std::optional<int>(stored.value) : std::nullopt;
}

}  // namespace

WorkbenchSettings LoadWorkbenchSettings(const SettingsStore& store) {
  using namespace settings;
  WorkbenchSettings values;
  values.lastSource = trim(store.readString(kLastSource, "").value);
  if (values.lastSource == kNoSourceSelectedText) values.lastSource.clear();
  std::string suffix = trim(store.readString(kLastSuffix, kDefaultSuffix).value);
  if (!suffix.empty()) values.suffix = suffix;
  values.recentSources = ParseRecentSources(store.readString(kRecentSources, "").value);
  values.noWrite = store.readNumber(kNoWrite, 0).value != 0;
  values.showInactive = store.readNumber(kShowInactive, 0).value != 0;
  int outputTab = store.readNumber(kOutputTab, 0).value;
  values.outputTab = (outputTab >= 0 && outputTab < kFixedTabCount) ? outputTab : 0;
  for (int tab = 0; tab < kFixedTabCount; ++tab) {
    values.tabSelStart[tab] = store.readNumber(TabSelectionValueName(SelectionEnd::Start, tab), 0).value;
    values.tabSelEnd[tab] = store.readNumber(TabSelectionValueName(SelectionEnd::End, tab), 0).value;
  }
  return values;
}

void SaveWorkbenchSettings(SettingsStore& store, const WorkbenchSettings& values, bool withTabSelections) {
  using namespace settings;
  store.writeString(kLastSource, values.lastSource);
  store.writeString(kLastSuffix, values.suffix);
  store.writeString(kRecentSources, JoinRecentSources(values.recentSources));
  store.writeNumber(kNoWrite, values.noWrite ? 1 : 0);
  store.writeNumber(kShowInactive, values.showInactive ? 1 : 0);
  store.writeNumber(kOutputTab, values.outputTab);
  if (!withTabSelections) return;
  for (int tab = 0; tab < kFixedTabCount; ++tab) {
    store.writeNumber(TabSelectionValueName(SelectionEnd::Start, tab), values.tabSelStart[tab]);
    store.writeNumber(TabSelectionValueName(SelectionEnd::End, tab), values.tabSelEnd[tab]);
  }
}

StoredWindowPlacement LoadWindowPlacement(const SettingsStore& store) {
  using namespace settings;
  StoredWindowPlacement placement;
  placement.x = optionalNumber(store, kWindowX);
  placement.y = optionalNumber(store, kWindowY);
  placement.width = optionalNumber(store, kWindowWidth);
  placement.height = optionalNumber(store, kWindowHeight);
  placement.maximized = store.readNumber(kWindowMaximized, 0).value != 0;
  return placement;
}

void SaveWindowPlacement(SettingsStore& store, const Rect& outerRect, bool maximized) {
  using namespace settings;
  store.writeNumber(kWindowX, outerRect.left);
  store.writeNumber(kWindowY, outerRect.top);
  store.writeNumber(kWindowWidth, outerRect.width());
  store.writeNumber(kWindowHeight, outerRect.height());
  store.writeNumber(kWindowMaximized, maximized ? 1 : 0);
}

}  // namespace qv
