// What the window remembers between runs, and where it opens.
#include <gtest/gtest.h>

#include <memory>

#include "platform/paths.h"
#include "support/environment_variable.h"
#include "window/main_dialog_fixture.h"

namespace qv {
namespace {

using test::FakeView;

// One run of the window over the shared store.
struct Window {
  explicit Window(SettingsStore& store) : dialog(view, store, nullptr) {}

  void ShowTab(int tab) {
    view.currentTab = tab;
    dialog.OnTabChanged();
  }

  FakeView view;
  CMainDialog dialog;
};

class SettingsTest : public ::testing::Test {
 protected:
  // A window made but not yet initialised, so that a test can set up its screen first.
  std::unique_ptr<Window> Make() { return std::make_unique<Window>(store); }

  std::unique_ptr<Window> Open() {
    std::unique_ptr<Window> window = Make();
    window->dialog.OnInitDialog();
    return window;
  }

  std::string StoredString(const std::string& name) const { return store.readString(name, "?").value; }
  int StoredNumber(const std::string& name) const { return store.readNumber(name, -99).value; }

  test::TraceLogCapture trace;
  test::TempFolder folder;
  test::MemorySettingsStore store;
};

TEST_F(SettingsTest, AnEmptyStoreGivesTheDefaults) {
  std::unique_ptr<Window> window = Open();
  EXPECT_EQ(window->dialog.Tabs().at(kSourceTab).path, "");
  EXPECT_EQ(window->view.texts[ControlId::SourcePath], "<no source selected>");
  EXPECT_EQ(window->dialog.Settings().suffix, "_Y");
  EXPECT_EQ(window->view.texts[ControlId::Suffix], "_Y");
  EXPECT_FALSE(window->view.IsChecked(ControlId::NoWrite));
  EXPECT_FALSE(window->view.IsChecked(ControlId::ShowInactive));
  EXPECT_TRUE(window->dialog.Settings().recentSources.empty());
  EXPECT_EQ(window->view.currentTab, 0);
  for (int tab = 0; tab < kFixedTabCount; ++tab) {
    EXPECT_EQ(window->dialog.Tabs().at(tab).selection.start, 0);
    EXPECT_EQ(window->dialog.Tabs().at(tab).selection.end, 0);
  }
  EXPECT_NE(trace.text().find("LoadWindowPlacementFromRegistry=0 maximize=0"), std::string::npos);
}

TEST_F(SettingsTest, EveryValueSurvivesClosingAndOpeningAgain) {
  std::string path = folder.write("song.asm", "line one\nline two\n");
  {
    std::unique_ptr<Window> first = Open();
    first->dialog.SelectSource(path, true);
    first->view.texts[ControlId::Suffix] = "_Q";
    first->dialog.OnSuffixChanged();
    first->view.checks[ControlId::NoWrite] = true;
    first->view.checks[ControlId::ShowInactive] = true;
    first->ShowTab(0);
    first->view.selection = {4, 2};
    first->ShowTab(1);
    first->view.selection = {3, 5};
    // The Source tab is shown on opening whatever tab was last.
    first->ShowTab(5);
    first->view.windowRect = {100, 80, 900, 640};
    first->view.maximized = true;
    first->dialog.OnDestroy();
  }
  EXPECT_EQ(StoredString("LastSource"), path);
  EXPECT_EQ(StoredString("LastSuffix"), "_Q");
  EXPECT_EQ(StoredString("RecentSources"), path);
  struct Number {
    const char* name;
    int value;
  };
  for (Number n : {Number{"NoWrite", 1}, Number{"ShowInactive", 1}, Number{"OutputTab", 5},
                   Number{"TabSelStart_0", 2}, Number{"TabSelEnd_0", 4}, Number{"TabSelStart_1", 3},
                   Number{"TabSelEnd_1", 5}, Number{"TabSelStart_5", 0}, Number{"WindowX", 100},
                   Number{"WindowY", 80}, Number{"WindowWidth", 900}, Number{"WindowHeight", 640},
                   Number{"WindowMaximized", 1}}) {
    EXPECT_EQ(StoredNumber(n.name), n.value) << n.name;
  }

  std::unique_ptr<Window> second = Open();
  EXPECT_EQ(second->dialog.Tabs().at(kSourceTab).path, path);
  EXPECT_EQ(second->view.texts[ControlId::SourcePath], path);
  EXPECT_EQ(second->dialog.Tabs().at(kSourceTab).text, "line one\nline two\n");
  EXPECT_TRUE(second->dialog.Files().sourceFileTime.valid);
  EXPECT_EQ(second->dialog.Settings().suffix, "_Q");
  EXPECT_EQ(second->view.texts[ControlId::Suffix], "_Q");
  EXPECT_TRUE(second->view.IsChecked(ControlId::NoWrite));
  EXPECT_TRUE(second->view.IsChecked(ControlId::ShowInactive));
  EXPECT_EQ(second->dialog.Settings().recentSources, std::vector<std::string>{path});
  EXPECT_EQ(second->view.currentTab, 1);
  EXPECT_EQ(second->view.tabs[1], "song.asm");
  EXPECT_EQ(second->view.editorText, "line one\nline two\n");
  EXPECT_EQ(second->view.selection.start, 3);
  EXPECT_EQ(second->view.selection.end, 5);
  EXPECT_EQ(second->dialog.Tabs().at(0).selection.start, 2);
  EXPECT_EQ(second->dialog.Tabs().at(0).selection.end, 4);
  EXPECT_EQ(second->dialog.Tabs().at(kLogTab).text, "No compile yet. Press Compile (F5).");
  EXPECT_EQ(second->view.windowRect, (PixelRect{100, 80, 900, 640}));
  EXPECT_TRUE(second->view.maximized);
  EXPECT_NE(trace.text().find("LoadWindowPlacementFromRegistry=1 maximize=1"), std::string::npos);
}

TEST_F(SettingsTest, WithoutASourceTheStoredTabIsShownWhenItIsAFixedTab) {
  struct Case {
    int stored;
    int shown;
    const char* text;
  };
  for (Case c : {Case{7, 0, "No source selected. Use Browse or the recent list to choose a source."},
                 Case{-1, 0, "No source selected. Use Browse or the recent list to choose a source."},
                 Case{3, 3, "Symbols not evaluated. Press Compile (F5)."}}) {
    store.writeNumber("OutputTab", c.stored);
    std::unique_ptr<Window> window = Open();
    EXPECT_EQ(window->view.currentTab, c.shown) << c.stored;
    EXPECT_EQ(window->view.editorText, c.text) << c.stored;
  }
}

TEST_F(SettingsTest, AStoredSourceThatIsGoneIsDroppedSilently) {
  std::string gone = folder.file("gone.asm");
  store.writeString("LastSource", gone);
  store.writeString("RecentSources", gone);
  store.writeNumber("OutputTab", 2);
  std::unique_ptr<Window> window = Open();
  EXPECT_TRUE(window->view.messageBoxes.empty());
  EXPECT_EQ(window->dialog.Tabs().at(kSourceTab).path, "");
  EXPECT_EQ(window->view.texts[ControlId::SourcePath], "<no source selected>");
  EXPECT_EQ(window->dialog.Tabs().at(kSourceTab).text, "<no source selected>");
  EXPECT_EQ(window->view.currentTab, 2);
  EXPECT_EQ(window->dialog.Tabs().at(kLogTab).text, "No source selected. Use Browse or the recent list to choose a source.");
  EXPECT_EQ(window->dialog.Settings().recentSources, std::vector<std::string>{gone});
}

// A file opened with the program wins over the stored source, which is not
// even read; one that is not there is said so, and no source is selected.
TEST_F(SettingsTest, ASourceNamedAtTheStartReplacesTheStoredOne) {
  std::string stored = folder.write("stored.asm", "stored\n");
  std::string named = folder.write("named.asm", "named\n");
  store.writeString("LastSource", stored);
  store.writeNumber("OutputTab", 3);
  std::unique_ptr<Window> window = Make();
  window->dialog.SetStartupSource(named);
  window->dialog.OnInitDialog();
  EXPECT_TRUE(window->view.messageBoxes.empty());
  EXPECT_EQ(window->dialog.Tabs().at(kSourceTab).path, named);
  EXPECT_EQ(window->view.texts[ControlId::SourcePath], named);
  EXPECT_EQ(window->view.currentTab, 1);
  EXPECT_EQ(window->view.editorText, "named\n");
  EXPECT_EQ(window->dialog.Settings().recentSources, (std::vector<std::string>{named}));
  window->dialog.OnDestroy();
  EXPECT_EQ(StoredString("LastSource"), named);

  for (std::string missing : {folder.file("gone.asm"), folder.path()}) {
    std::unique_ptr<Window> another = Make();
    another->dialog.SetStartupSource(missing);
    another->dialog.OnInitDialog();
    ASSERT_EQ(another->view.messageBoxes.size(), 1u) << missing;
    EXPECT_EQ(another->view.messageBoxes[0].text, "Selected source file does not exist.");
    EXPECT_EQ(another->dialog.Tabs().at(kSourceTab).path, "") << missing;
    EXPECT_EQ(another->view.texts[ControlId::SourcePath], "<no source selected>");
  }
}

TEST_F(SettingsTest, AStoredProjectDrivePathOpensFromTheProjectFolder) {
  test::ProjectFolderVariable projects(folder.file("Quaverton"));
  std::string path = folder.file("Quaverton") + kPathSeparator + "p/song.asm";
  folder.write("Quaverton/p/song.asm", "x\n");
  store.writeString("LastSource", "X:\\p/song.asm");
  std::unique_ptr<Window> window = Open();
  EXPECT_EQ(window->dialog.Tabs().at(kSourceTab).path, path);
  EXPECT_EQ(window->view.texts[ControlId::SourcePath], path);
  EXPECT_EQ(window->dialog.Settings().recentSources, std::vector<std::string>{path});
}

TEST_F(SettingsTest, RecentSourcesPutTheNewestFirstWhileTheDropDownIsSorted) {
  std::string path = folder.write("song.asm", "x\n");
  // Names on either side of the source's, wherever the temporary folder is.
  std::string one = folder.file("aa/one.asm");
  std::string two = folder.file("zz/two.asm");
  store.writeString("LastSource", path);
  store.writeString("RecentSources", two + "|" + one);
  std::unique_ptr<Window> window = Open();
  EXPECT_EQ(window->dialog.Settings().recentSources, (std::vector<std::string>{path, two, one}));
  // The marker leads; the paths follow in name order.
  EXPECT_EQ(window->view.recentItems, (std::vector<std::string>{"<no source selected>", one, path, two}));
  EXPECT_EQ(window->view.recentSelection, 2);

  std::string other = folder.write("other.asm", "y\n");
  window->dialog.SelectSource(other, true);
  EXPECT_EQ(StoredString("RecentSources"), other + "|" + path + "|" + two + "|" + one);
  EXPECT_EQ(StoredString("LastSource"), other);
  EXPECT_EQ(window->view.recentItems[1], one);
  EXPECT_EQ(window->view.recentSelection, 2);
}

TEST_F(SettingsTest, ChoosingADropDownEntrySelectsOrClearsTheSource) {
  std::string path = folder.write("song.asm", "text\n");
  std::unique_ptr<Window> window = Open();
  window->dialog.OnRecentSourceChosen(path);
  EXPECT_EQ(window->dialog.Tabs().at(kSourceTab).path, path);
  EXPECT_EQ(window->view.currentTab, 1);
  EXPECT_EQ(window->view.editorText, "text\n");
  EXPECT_EQ(StoredString("LastSource"), path);

  window->ShowTab(0);
  window->dialog.OnRecentSourceChosen("<no source selected>");
  EXPECT_TRUE(window->view.messageBoxes.empty());
  EXPECT_EQ(window->dialog.Tabs().at(kSourceTab).path, "");
  EXPECT_EQ(window->view.currentTab, 1);
  EXPECT_EQ(window->view.editorText, "<no source selected>");
  EXPECT_EQ(StoredString("LastSource"), "");
  EXPECT_EQ(StoredString("RecentSources"), path);
}

TEST_F(SettingsTest, StoredPlacementIsFittedToTheWorkArea) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, int>> stored;
    PixelRect expected;
    bool success;
    bool maximize;
  };
  const PixelRect fallback{630, 295, 660, 450};
  const std::vector<Case> cases = {
      {"too narrow",
       {{"WindowX", 10}, {"WindowY", 10}, {"WindowWidth", 500}, {"WindowHeight", 600}, {"WindowMaximized", 1}},
       fallback,
       false,
       true},
      {"incomplete", {{"WindowX", 10}, {"WindowY", 10}, {"WindowWidth", 800}}, fallback, false, false},
      {"on a screen that is gone",
       {{"WindowX", 2500}, {"WindowY", 100}, {"WindowWidth", 800}, {"WindowHeight", 600}},
       fallback,
       true,
       false},
      {"half off",
       {{"WindowX", 1500}, {"WindowY", -200}, {"WindowWidth", 800}, {"WindowHeight", 600}},
       {1120, 0, 800, 600},
       true,
       false},
  };
  for (const Case& c : cases) {
    test::MemorySettingsStore placement;
    for (const auto& [name, value] : c.stored) placement.writeNumber(name, value);
    FakeView view;
    CMainDialog dialog(view, placement, nullptr);
    bool maximize = !c.maximize;
    EXPECT_EQ(dialog.LoadWindowPlacementFromRegistry(maximize), c.success) << c.what;
    EXPECT_EQ(maximize, c.maximize) << c.what;
    EXPECT_EQ(view.windowRect, c.expected) << c.what;
  }
}

TEST_F(SettingsTest, WithoutAWindowNothingIsPlacedOrStored) {
  std::unique_ptr<Window> window = Make();
  window->view.windowExists = false;
  bool maximize = true;
  EXPECT_FALSE(window->dialog.LoadWindowPlacementFromRegistry(maximize));
  EXPECT_FALSE(maximize);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"MainDialog ctor: parent=" + test::pointerText(nullptr),
                                                      "LoadWindowPlacementFromRegistry skipped: m_hWnd invalid."}));
  window->dialog.SaveSettingsToRegistry();
  EXPECT_TRUE(store.values().empty());
}

TEST_F(SettingsTest, SavingTakesTheSourceBoxAndLeavesSelectionsOutWithoutTheEditor) {
  std::unique_ptr<Window> window = Open();
  window->view.texts[ControlId::SourcePath] = "  /typed/song.asm ";
  window->view.texts[ControlId::Suffix] = "";
  window->view.existing.erase(ControlId::OutputText);
  window->dialog.SaveSettingsToRegistry();
  EXPECT_EQ(StoredString("LastSource"), "/typed/song.asm");
  EXPECT_EQ(StoredString("LastSuffix"), "_Y");
  EXPECT_EQ(StoredNumber("OutputTab"), 0);
  EXPECT_EQ(StoredNumber("TabSelStart_0"), -99);
}

TEST_F(SettingsTest, AFirstStartIsAsWideAsTheTemplateWhereTheScreenAllows) {
  struct Case {
    PixelRect workArea;
    PixelRect expected;
  };
  for (Case c : {Case{{0, 0, 1920, 1040}, {430, 295, 1060, 450}}, Case{{0, 0, 900, 700}, {0, 125, 900, 450}}}) {
    std::unique_ptr<Window> window = Make();
    window->view.templateWindowWidth = 1060;
    window->view.workArea = c.workArea;
    window->dialog.OnInitDialog();
    EXPECT_EQ(window->view.windowRect, c.expected);
  }

  // A stored placement keeps its own width.
  store.writeNumber("WindowX", 20);
  store.writeNumber("WindowY", 30);
  store.writeNumber("WindowWidth", 700);
  store.writeNumber("WindowHeight", 500);
  std::unique_ptr<Window> window = Make();
  window->view.templateWindowWidth = 1060;
  window->dialog.OnInitDialog();
  EXPECT_EQ(window->view.windowRect, (PixelRect{20, 30, 700, 500}));
}

}  // namespace
}  // namespace qv
