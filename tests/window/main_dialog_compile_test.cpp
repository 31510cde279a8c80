// Compiling from the window: the steps, the abort endings and the texts the
// result leaves in the tabs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "platform/error_report.h"
#include "platform/paths.h"
#include "support/environment_variable.h"
#include "window/demo_project.h"
#include "window/editor_text.h"
#include "window/main_dialog_fixture.h"
#include "window/saved_bytes.h"
#include "window/symbol_table_text.h"
#include "window/text_file.h"
#include "window/window_layout.h"

namespace qv {
namespace {

using test::savedLf;

using ::testing::ElementsAre;

const std::string kLogRule(60, '-');
constexpr char kNotEvaluated[] = "Not evaluated - run Compile (F5)   INS";

// A small project of the caller's making: a main source with includes.
constexpr char kIncludingSource[] =
    "        INCLUDE \"QVX5_SND_CMD.INC\"\n"
    "        INCLUDE \"b.inc\"\n"
    "        INCLUDE \"sub/a.inc\"\n"
    "MAIN_CONST EQU 3\n";

class CompileTest : public test::MainDialogTest {
 protected:
  void SetUp() override {
    dialog.m_clock.ticks = [this] { return tick; };
    dialog.m_clock.timeOfDay = [] { return std::string("12:34:56"); };
    MainDialogTest::SetUp();
  }

  std::string WriteIncludingProject(const std::string& bInclude = "B_CONST EQU 1\r\n") {
    folder.write("b.inc", bInclude);
    folder.write("sub/a.inc", "A_CONST EQU 2\n");
    return folder.write("main.asm", kIncludingSource);
  }

  // The window as the last abort ending leaves it.
  void ExpectAborted(const std::string& message, const std::string& logText) {
    ASSERT_EQ(view.messageBoxes.size(), 1u);
    EXPECT_EQ(view.messageBoxes[0].text, message);
    EXPECT_EQ(dialog.m_logText, logText);
    EXPECT_FALSE(dialog.m_compiled);
    EXPECT_FALSE(dialog.m_statusHighlight);
    EXPECT_FALSE(view.shown[ControlId::Progress]);
    ASSERT_GE(view.statusHistory.size(), 2u);
    EXPECT_EQ(view.statusHistory[view.statusHistory.size() - 2], "Compile failed   INS");
    EXPECT_EQ(view.statusLine, kNotEvaluated);
    EXPECT_EQ(view.currentTab, kLogTab);
    std::string shown = logText;
    std::erase(shown, '\r');
    EXPECT_EQ(view.editorText, shown);
  }

  std::uint32_t tick = 5000;
};

TEST_F(CompileTest, TheExampleFillsEveryTab) {
  std::string source = test::CopyDemoProject(folder);
  dialog.SelectSource(source, false);
  dialog.OnCompile();

  EXPECT_TRUE(view.messageBoxes.empty());
  ASSERT_TRUE(dialog.m_compiled);
  const CompileResult& result = dialog.m_lastResult;
  EXPECT_FALSE(result.failed);
  EXPECT_FALSE(dialog.m_mapText.empty());
  EXPECT_EQ(dialog.m_mapText, ExpandTabs(result.mapText));
  EXPECT_FALSE(dialog.m_symbolsText.empty());
  EXPECT_EQ(dialog.m_symbolsText, result.symbolText);
  EXPECT_EQ(dialog.m_lstText, ExpandTabs(result.listingText));
  EXPECT_EQ(dialog.m_hexText, result.hexText);
  EXPECT_TRUE(test::exists(folder.file("demo_Y.HEX")));

  // The carried includes have no file on disk and get no tab.
  EXPECT_THAT(view.tabs, ElementsAre("Log", "demo.asm", "demo.MAP", "demo.SYM", "demo.LST", "demo.HEX",
                                     "demo_waves.inc"));
  std::string includeText;
  std::string includeEol;
  ASSERT_TRUE(ReadTextFile(folder.file("demo_waves.inc"), includeText, includeEol));
  EXPECT_EQ(dialog.m_includeTexts, std::vector<std::string>{includeText});

  EXPECT_EQ(view.currentTab, kLogTab);
  EXPECT_EQ(view.editorText, WithLineEnds(dialog.m_logText, "\n"));
  EXPECT_EQ(view.statusLine, "Compile complete   INS");
  EXPECT_THAT(view.recentItems, ::testing::Contains(source));

  ShowTab(kHexTab);
  EXPECT_EQ(view.editorText, WithLineEnds(result.hexText, "\n"));
}

TEST_F(CompileTest, TheLogNumbersEveryMessageButShowsNoDefineNotes) {
  std::string source = test::CopyDemoProject(folder);
  dialog.SelectSource(source, false);
  dialog.OnCompile();

  const std::vector<std::string>& messages = dialog.m_lastResult.messages;
  const std::string macros = "Using bundled include QVX5_SND_MACS.INC for unresolved QVX5_SND_MACS.INC";
  auto macrosAt = std::find(messages.begin(), messages.end(), macros);
  ASSERT_NE(macrosAt, messages.end());
  char macrosNumber[16];
  std::snprintf(macrosNumber, sizeof macrosNumber, "%03d", static_cast<int>(macrosAt - messages.begin()) + 1);

  // The Log tab's buffer is the editor's copy of the log; it is built as:
  EXPECT_EQ(dialog.BuildCompileLog(),
            "Compile invoked [12:34:56]:\r\n"
            "  Source: " +
                source +
                "\r\n"
                "  Suffix: _Y\r\n"
                "  NoWrite: off\r\n"
                "  ShowInactive: off\r\n" +
                kLogRule +
                "\r\n"
                "\r\n[12:34:56] 001 [info] Using bundled include QVX5_SND_CMD.INC for unresolved QVX5_SND_CMD.INC"
                "\r\n[12:34:56] " +
                macrosNumber + " [info] " + macros + "\r\n" + kLogRule +
                "\r\n"
                "\r\nCompile completed successfully.");
  EXPECT_EQ(view.editorText, WithLineEnds(dialog.BuildCompileLog(), "\n"));
}

TEST_F(CompileTest, TheLogGivesTheTicksTheCompileTook) {
  dialog.m_clock.ticks = [this] { return tick += 3; };
  dialog.SelectSource(test::CopyDemoProject(folder), false);
  dialog.OnCompile();
  ASSERT_GT(dialog.m_compileMillis, 0u);
  char ending[80];
  std::snprintf(ending, sizeof ending, "Compile completed successfully. (in %u.%03u seconds)",
                dialog.m_compileMillis / 1000, dialog.m_compileMillis % 1000);
  EXPECT_THAT(dialog.BuildCompileLog(), ::testing::EndsWith(ending));
}

TEST_F(CompileTest, SwitchesAndAnEmptySuffixAsTheLogShowsThem) {
  dialog.SelectSource(test::CopyDemoProject(folder), false);
  view.texts[ControlId::Suffix] = "";
  view.checks[ControlId::NoWrite] = true;
  view.checks[ControlId::ShowInactive] = true;
  dialog.OnCompile();
  EXPECT_EQ(dialog.m_suffix, "_Y");
  EXPECT_NE(dialog.BuildCompileLog().find("  Suffix: _Y\r\n  NoWrite: on\r\n  ShowInactive: on\r\n"),
            std::string::npos);
  EXPECT_FALSE(test::exists(folder.file("demo_Y.HEX")));
  EXPECT_TRUE(dialog.m_noWrite);
  EXPECT_TRUE(dialog.m_showInactive);
}

TEST_F(CompileTest, IncludeTabsFollowTheOrderOfFirstUse) {
  dialog.SelectSource(WriteIncludingProject(), false);
  dialog.OnCompile();
  EXPECT_THAT(dialog.m_includePaths, ElementsAre(folder.file("b.inc"), folder.file("sub/a.inc")));
  EXPECT_THAT(dialog.m_includeTexts, ElementsAre("B_CONST EQU 1\n", "A_CONST EQU 2\n"));
  EXPECT_THAT(dialog.m_includeEols, ElementsAre("\r\n", "\n"));
  EXPECT_EQ(view.tabs.size(), 8u);
  EXPECT_EQ(view.tabs[6], "b.inc");
  EXPECT_EQ(view.tabs[7], "a.inc");
}

TEST_F(CompileTest, EditedIncludesAreSavedFirstAndTheirTabStays) {
  dialog.SelectSource(WriteIncludingProject(), false);
  dialog.OnCompile();
  ShowTab(6);
  view.selection = {0, 0};
  Type("; edited\n");
  dialog.OnCompile();
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_EQ(test::readFile(folder.file("b.inc")), "; edited\r\nB_CONST EQU 1\r\n");
  EXPECT_FALSE(dialog.IsTabDirty(6));
  EXPECT_EQ(view.currentTab, 6);
  EXPECT_EQ(view.tabs[6], "b.inc");
  EXPECT_EQ(view.editorText, "; edited\nB_CONST EQU 1\n");
}

TEST_F(CompileTest, AnEditedSourceIsSavedWithItsOwnLineEnds) {
  std::string path = SelectNewSource("song.asm", "A_CONST EQU 1\n");
  view.selection = {0, 0};
  Type("; top\n");
  dialog.OnCompile();
  EXPECT_EQ(test::readFile(path), savedLf("; top\nA_CONST EQU 1\n"));
  EXPECT_FALSE(dialog.IsTabDirty(kSourceTab));
  EXPECT_TRUE(dialog.m_compiled);
  EXPECT_EQ(view.currentTab, kSourceTab);
  EXPECT_EQ(view.editorText, "; top\nA_CONST EQU 1\n");
}

TEST_F(CompileTest, SourceEditsGoToTheirOwnFileWhenAnotherPathWasTyped) {
  std::string edited = SelectNewSource("a.asm", "A EQU 1\n");
  std::string other = folder.write("b.asm", "B EQU 2\n");
  view.selection = {0, 0};
  Type(";");
  view.texts[ControlId::SourcePath] = other;
  dialog.OnCompile();
  EXPECT_EQ(test::readFile(edited), savedLf(";A EQU 1\n"));
  EXPECT_EQ(test::readFile(other), "B EQU 2\n");
  EXPECT_EQ(dialog.m_sourcePath, other);
  EXPECT_EQ(dialog.m_sourceText, "B EQU 2\n");
}

TEST_F(CompileTest, ProgressRunsToTheEndWhileTheStatusLineIsHighlighted) {
  dialog.OnSize(800, 600);
  bool progressShown = false;
  view.onRepaintWindow = [&] { progressShown = progressShown || view.shown[ControlId::Progress]; };
  dialog.SelectSource(test::CopyDemoProject(folder), false);
  dialog.OnCompile();

  EXPECT_TRUE(progressShown);
  EXPECT_EQ(view.rects[ControlId::Progress], ProgressRectInStatus(view.rects[ControlId::Status]));
  EXPECT_FALSE(view.shown[ControlId::Progress]);
  EXPECT_THAT(view.statusHistory, ::testing::Contains("Compiling:"));
  ASSERT_FALSE(view.progressPositions.empty());
  EXPECT_EQ(view.progressPositions.front(), 0);
  EXPECT_EQ(view.progressPositions.back(), 1000);
  for (int position : view.progressPositions) {
    EXPECT_GE(position, 0);
    EXPECT_LE(position, 1000);
  }
  // The ticks stood still: after the first report only the full bar was painted.
  EXPECT_EQ(view.paintPumps, 1 + std::count(view.progressPositions.begin(), view.progressPositions.end(), 1000));
}

TEST_F(CompileTest, ProgressRepaintsAtMostEvery25TicksAndAlwaysAtTheEnd) {
  struct Step {
    std::uint32_t tick;
    std::uint32_t done;
    std::uint32_t total;
    int position;
    bool painted;
  };
  dialog.m_statusHighlight = true;
  for (const Step& step : {Step{100, 1, 4, 250, true}, Step{124, 2, 4, 500, false}, Step{125, 3, 4, 750, true},
                           Step{126, 4, 4, 1000, true}, Step{127, 9, 4, 1000, true}, Step{128, 1, 0, 0, false},
                           Step{129, 4294967295u, 4294967295u, 1000, true}}) {
    tick = step.tick;
    int pumps = view.paintPumps;
    dialog.OnCompileProgress(step.done, step.total);
    EXPECT_EQ(dialog.m_progressPos, step.position) << step.tick;
    EXPECT_EQ(view.progressPosition, step.position) << step.tick;
    EXPECT_EQ(view.paintPumps - pumps, step.painted ? 1 : 0) << step.tick;
  }
  dialog.m_statusHighlight = false;
  dialog.OnCompileProgress(1, 2);
  EXPECT_EQ(dialog.m_progressPos, 1000);
}

TEST_F(CompileTest, AStartingCompileForgetsTheLastSearchAndMessage) {
  dialog.SelectSource(test::CopyDemoProject(folder), false);
  dialog.m_findText = "CHUFF";
  dialog.m_currentMessage = 12;
  dialog.OnCompile();
  EXPECT_EQ(dialog.m_findText, "");
  EXPECT_EQ(dialog.m_currentMessage, -1);
}

TEST_F(CompileTest, WithoutASourceNothingStarts) {
  for (const char* box : {"", "  <No Source Selected> ", "/no/such/song.asm"}) {
    view.messageBoxes.clear();
    view.statusHistory.clear();
    view.texts[ControlId::SourcePath] = box;
    std::string logBefore = dialog.m_logText;
    dialog.OnCompile();
    ASSERT_EQ(view.messageBoxes.size(), 1u) << box;
    EXPECT_EQ(view.messageBoxes[0].text, "Select a source file before compiling.");
    EXPECT_EQ(dialog.m_logText, logBefore);
    EXPECT_TRUE(view.statusHistory.empty());
  }
}

TEST_F(CompileTest, ASourceThatCannotBeSavedStopsTheCompile) {
  std::string path = SelectNewSource("song.asm", "A EQU 1\n");
  Type("B");
  ShowTab(kLogTab);
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  dialog.OnCompile();
  ExpectAborted("Unable to save source file before compile.", "Compile aborted: cannot save source file.");
  EXPECT_TRUE(dialog.IsTabDirty(kSourceTab));
}

TEST_F(CompileTest, AnIncludeThatCannotBeSavedStopsTheCompile) {
  dialog.SelectSource(WriteIncludingProject(), false);
  dialog.OnCompile();
  ShowTab(7);
  Type("X");
  ShowTab(kLogTab);
  std::filesystem::remove(folder.file("sub/a.inc"));
  std::filesystem::create_directory(folder.file("sub/a.inc"));
  view.messageBoxes.clear();
  dialog.OnCompile();
  ExpectAborted("Unable to save include file before compile.", "Compile aborted: cannot save include file: a.inc");
}

TEST_F(CompileTest, ASourceGoneAtCompileTimeNamesTheProjectFolder) {
  test::ProjectFolderVariable projects(folder.file("projects"));
  std::string path = SelectNewSource("song.asm", "A EQU 1\n");
  ShowTab(kLogTab);
  view.onRepaintWindow = [&] { std::filesystem::remove(path); };
  dialog.OnCompile();
  ExpectAborted("Cannot open source file:\r\n" + path + "\r\nExpected base path: " + folder.file("projects/"),
                "Compile failed: source file not found.");
}

#ifndef _WIN32
// Runs a test in another working folder.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& path) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingFolder() { std::filesystem::current_path(previous_); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

TEST_F(CompileTest, ASourceGoneFromDriveXIsTakenFromTheProjectFolder) {
  test::ProjectFolderVariable projects(folder.path() + "/projects");
  std::string mapped = folder.write("projects/song.asm", "A EQU 1\n");
  // On this system "x:" is a folder name like any other.
  std::string onDriveX = folder.write("x:/song.asm", "A EQU 1\n");
  WorkingFolder inFolder(folder.path());
  view.texts[ControlId::SourcePath] = "x:\\song.asm";
  view.onRepaintWindow = [&] { std::filesystem::remove(onDriveX); };
  dialog.OnCompile();
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_TRUE(dialog.m_compiled);
  EXPECT_EQ(dialog.m_sourcePath, mapped);
  EXPECT_EQ(view.texts[ControlId::SourcePath], mapped);
  EXPECT_NE(dialog.BuildCompileLog().find("  Source: " + mapped + "\r\n"), std::string::npos);
}
#endif

TEST_F(CompileTest, ASourceThatCannotBeReadStopsTheCompile) {
  std::filesystem::create_directory(folder.file("project.asm"));
  view.texts[ControlId::SourcePath] = folder.file("project.asm");
  dialog.OnCompile();
  ExpectAborted("Unable to reload source file.", "Compile aborted: cannot read source file.\r\nUnable to read " +
                                                     folder.file("project.asm") + ": is a folder.");
}

TEST_F(CompileTest, AnAbortLeavesTheOutputTabsUnevaluated) {
  std::string path = test::CopyDemoProject(folder);
  dialog.SelectSource(path, false);
  dialog.OnCompile();
  view.onRepaintWindow = [&] { std::filesystem::remove(path); };
  dialog.OnCompile();
  EXPECT_EQ(dialog.m_lastResult.messages.size(), 0u);
  ShowTab(kMapTab);
  EXPECT_EQ(view.editorText, "Map not evaluated. Press Compile (F5).");
}

TEST_F(CompileTest, AnExceptionEndsTheCompileAndIsReported) {
  std::vector<std::string> reports;
  setErrorDisplay([&](const std::string& text) { reports.push_back(text); });
  std::string path = SelectNewSource("song.asm", "A EQU 1\n");
  ShowTab(kLogTab);
  view.onRepaintWindow = [] { throw std::runtime_error("paint failed"); };
  dialog.OnCompile();
  setErrorDisplay(nullptr);

  EXPECT_THAT(reports, ElementsAre("Unhandled exception in OnCompile."));
  EXPECT_EQ(dialog.m_logText, "Unhandled exception during compile. No output was generated.");
  EXPECT_EQ(view.editorText, dialog.m_logText);
  EXPECT_FALSE(dialog.m_compiled);
  EXPECT_FALSE(dialog.m_statusHighlight);
  EXPECT_EQ(dialog.m_lastResult.sourcePath, path);
  EXPECT_THAT(view.statusHistory, ::testing::Contains("Compile failed   INS"));
  EXPECT_EQ(view.statusLine, kNotEvaluated);
}

TEST_F(CompileTest, WithoutSymbolFileTextTheSymbolsTabShowsTheTable) {
  SelectNewSource("song.asm", "x\n");
  SymbolRecord record;
  record.name = "LOOP";
  record.value = 16;
  record.kind = SymbolKind::Label;
  record.file = folder.file("song.asm");
  record.line = 4;
  dialog.m_compiled = true;
  dialog.m_lastResult.symbols = {record};
  ShowTab(kSymbolsTab);
  EXPECT_EQ(dialog.m_symbolsText, FormatSymbolTable(dialog.m_lastResult.symbols));
  EXPECT_EQ(view.editorText,
            "Seq   Name    Hex   Dec    Type        File        Line\n"
            "0001  LOOP    0010  16     Label       song.asm    4");
}

TEST_F(CompileTest, BrowseStartsInTheSourceFolderElseTheProjectFolderElseHome) {
  test::EnvironmentVariable home(test::kHomeFolderVariable, "/home/someone");
  {
    test::ProjectFolderVariable projects("/p/projects");
    dialog.OnBrowse();
    test::ProjectFolderVariable unset("");
    dialog.OnBrowse();
  }
  SelectNewSource("sub/song.asm", "x\n");
  dialog.OnBrowse();
  ASSERT_EQ(view.openFileRequests.size(), 3u);
  EXPECT_EQ(view.openFileRequests[0].initialFolder, std::string("/p/projects") + kPathSeparator);
  EXPECT_EQ(view.openFileRequests[1].initialFolder, "/home/someone");
  EXPECT_EQ(view.openFileRequests[2].initialFolder, folder.file("sub"));
  EXPECT_EQ(view.openFileRequests[2].filter, "SDF Source (*.asm)|*.asm|All Files (*.*)|*.*||");
  EXPECT_EQ(view.openFileRequests[2].defaultExtension, "asm");
}

}  // namespace
}  // namespace qv
