#include "window/model/settings/settings_values.h"

#include <gtest/gtest.h>

#include "window/memory_settings_store.h"

namespace qv {
namespace {

using test::MemorySettingsStore;
using Value = MemorySettingsStore::Value;

TEST(WorkbenchSettings, EmptyStoreGivesTheDefaults) {
  MemorySettingsStore store;
  WorkbenchSettings values = LoadWorkbenchSettings(store);
  EXPECT_EQ(values.lastSource, "");
  EXPECT_EQ(values.suffix, "_Y");
  EXPECT_TRUE(values.recentSources.empty());
  EXPECT_FALSE(values.noWrite);
  EXPECT_FALSE(values.showInactive);
  EXPECT_EQ(values.outputTab, 0);
  EXPECT_EQ(values.tabSelStart, (std::array<int, 6>{}));
  EXPECT_EQ(values.tabSelEnd, (std::array<int, 6>{}));

  StoredWindowPlacement placement = LoadWindowPlacement(store);
  EXPECT_FALSE(placement.x || placement.y || placement.width || placement.height);
  EXPECT_FALSE(placement.maximized);
}

TEST(WorkbenchSettings, SavesEveryValueUnderItsNameAndType) {
  WorkbenchSettings values;
  values.lastSource = "/p/song.asm";
  values.suffix = "_Z";
  values.recentSources = {"/q/a;b.asm", "/p/song.asm"};
  values.noWrite = true;
  values.showInactive = false;
  values.outputTab = 7;
  values.tabSelStart = {1, 2, 3, 4, 5, 6};
  values.tabSelEnd = {10, 20, 30, 40, 50, 60};
  MemorySettingsStore store;
  SaveWorkbenchSettings(store, values, true);
  SaveWindowPlacement(store, {-8, 12, 1000, 712}, true);

  std::map<std::string, Value> expected{
      {"LastSource", "/p/song.asm"},
      {"LastSuffix", "_Z"},
      {"RecentSources", "/q/a;b.asm|/p/song.asm"},
      {"NoWrite", 1},
      {"ShowInactive", 0},
      {"OutputTab", 7},
      {"WindowX", -8},
      {"WindowY", 12},
      {"WindowWidth", 1008},
      {"WindowHeight", 700},
      {"WindowMaximized", 1},
  };
  for (int tab = 0; tab < 6; ++tab) {
    expected["TabSelStart_" + std::to_string(tab)] = tab + 1;
    expected["TabSelEnd_" + std::to_string(tab)] = 10 * (tab + 1);
  }
  EXPECT_EQ(store.values(), expected);

  WorkbenchSettings loaded = LoadWorkbenchSettings(store);
  EXPECT_EQ(loaded.lastSource, values.lastSource);
  EXPECT_EQ(loaded.suffix, values.suffix);
  EXPECT_EQ(loaded.recentSources, values.recentSources);
  EXPECT_EQ(loaded.noWrite, values.noWrite);
  EXPECT_EQ(loaded.showInactive, values.showInactive);
  EXPECT_EQ(loaded.tabSelStart, values.tabSelStart);
  EXPECT_EQ(loaded.tabSelEnd, values.tabSelEnd);
  StoredWindowPlacement placement = LoadWindowPlacement(store);
  EXPECT_EQ(placement.x, -8);
  EXPECT_EQ(placement.y, 12);
  EXPECT_EQ(placement.width, 1008);
  EXPECT_EQ(placement.height, 700);
  EXPECT_TRUE(placement.maximized);
}

TEST(WorkbenchSettings, TabSelectionsAreWrittenOnlyWhenAsked) {
  MemorySettingsStore store;
  SaveWorkbenchSettings(store, WorkbenchSettings{}, false);
  EXPECT_EQ(store.values().size(), 6u);
  EXPECT_EQ(store.values().count("TabSelStart_0"), 0u);
}

TEST(WorkbenchSettings, OutputTabOutsideTheFixedTabsReadsAsZero) {
  for (int stored : {-1, 6, 7}) {
    MemorySettingsStore store;
    store.writeNumber("OutputTab", stored);
    EXPECT_EQ(LoadWorkbenchSettings(store).outputTab, 0) << stored;
  }
  MemorySettingsStore store;
  store.writeNumber("OutputTab", 5);
  EXPECT_EQ(LoadWorkbenchSettings(store).outputTab, 5);
}

TEST(WorkbenchSettings, TrimsAndReplacesEmptyOrMarkerValues) {
  MemorySettingsStore store;
  store.writeString("LastSource", "  /p/song.asm\t");
  store.writeString("LastSuffix", "  ");
  store.writeString("RecentSources", "a;b|c");
  EXPECT_EQ(LoadWorkbenchSettings(store).lastSource, "/p/song.asm");
  EXPECT_EQ(LoadWorkbenchSettings(store).suffix, "_Y");
  EXPECT_EQ(LoadWorkbenchSettings(store).recentSources, (std::vector<std::string>{"a;b", "c"}));

  store.writeString("LastSource", " <no source selected> ");
  store.writeString("LastSuffix", " _Q ");
  EXPECT_EQ(LoadWorkbenchSettings(store).lastSource, "");
  EXPECT_EQ(LoadWorkbenchSettings(store).suffix, "_Q");
}

TEST(WorkbenchSettings, ValuesOfTheWrongTypeReadAsAbsent) {
  MemorySettingsStore store;
  store.writeString("NoWrite", "1");
  store.writeString("WindowX", "10");
  store.writeNumber("LastSuffix", 5);
  EXPECT_FALSE(LoadWorkbenchSettings(store).noWrite);
  EXPECT_EQ(LoadWorkbenchSettings(store).suffix, "_Y");
  EXPECT_FALSE(LoadWindowPlacement(store).x.has_value());
}

TEST(WorkbenchSettings, SelectionNamesFollowTheirPattern) {
  EXPECT_EQ(settings::TabSelectionValueName(settings::SelectionEnd::Start, 0), "TabSelStart_0");
  EXPECT_EQ(settings::TabSelectionValueName(settings::SelectionEnd::End, 5), "TabSelEnd_5");
}

}  // namespace
}  // namespace qv
