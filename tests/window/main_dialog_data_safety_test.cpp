// The user's files change only as the user edits them: each row is one
// action on song.asm, with the file's bytes, its backups and the status
// line afterwards (where "DIR/" stands for the test's folder).
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "platform/paths.h"
#include "window/main_dialog_fixture.h"
#include "window/saved_bytes.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr char kSwitchQuestion[] = "Save changes to the source and include files before switching?";

using test::savedLf;

class DataSafetyTest : public test::MainDialogTest {
 public:
  // The rows' actions reach the window as the test itself does.
  using MainDialogTest::dialog;
  using MainDialogTest::folder;
  using MainDialogTest::ShowTab;
  using MainDialogTest::view;

  void TypeAtStart(const std::string& text) {
    view.selection = {0, 0};
    Type(text);
  }

  // Another program writes the source, visibly later than the window read it.
  void ChangeOnDisk(const std::string& bytes) {
    folder.write("song.asm", bytes);
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
  }

  // What the user does to try to write the tab's text somewhere: types,
  // saves, compiles and closes. Nothing may be written from a tab that
  // shows a file it could not read.
  void TryEveryWrite(const std::string& typed) {
    view.focus = ControlId::OutputText;
    Type(typed);
    EXPECT_FALSE(dialog.PreTranslateChar('y', false, false));
    dialog.OnSaveFiles();
    EXPECT_TRUE(dialog.CanClose());
    ASSERT_FALSE(view.messageBoxes.empty());
    EXPECT_EQ(view.messageBoxes.back().text, "No file target for this tab.");
    EXPECT_EQ(view.tabs[kSourceTab].find('*'), std::string::npos);
  }

  std::string Compiled(const std::string& name) const { return test::readFile(folder.file(name)); }

  std::vector<std::string> Backups() const {
    std::vector<std::string> contents;
    for (int n = 1; test::exists(folder.file("backups/song_bak" + std::to_string(n) + ".asm")); ++n) {
      contents.push_back(test::readFile(folder.file("backups/song_bak" + std::to_string(n) + ".asm")));
    }
    return contents;
  }

  std::string path;
};

struct SafetyCase {
  const char* name;
  std::string before;
  std::function<void(DataSafetyTest&)> action;
  std::string after;
  std::vector<std::string> backups;
  std::string status;
  bool bindsOnlyNonRoot = false;
  // Windows has no permission bits that deny reading.
  bool posixOnly = false;
};

class DataSafetyTable : public DataSafetyTest, public testing::WithParamInterface<SafetyCase> {};

TEST_P(DataSafetyTable, ChangesTheFileOnlyAsTheUserAsked) {
  const SafetyCase& c = GetParam();
#ifdef _WIN32
  if (c.posixOnly) GTEST_SKIP() << "no such permissions here";
#else
  if (c.bindsOnlyNonRoot && ::geteuid() == 0) GTEST_SKIP() << "permissions do not bind this user";
#endif
  path = SelectNewSource("song.asm", c.before);
  view.focus = ControlId::OutputText;
  c.action(*this);
  EXPECT_EQ(test::readFile(path), c.after);
  EXPECT_EQ(Backups(), c.backups);
  std::string status = c.status;
  if (std::size_t dir = status.find("DIR/"); dir != std::string::npos) {
    status.replace(dir, 4, folder.path() + kPathSeparator);
  }
  EXPECT_EQ(view.statusLine, status);
}

// The smallest source that compiles, in lines of its own.
const std::string kTiny = test::kTinySource;

INSTANTIATE_TEST_SUITE_P(
    Actions, DataSafetyTable,
    testing::Values(
        SafetyCase{"DeleteAndBackspaceTypeNothing", "PLAY 1\n",
                   [](DataSafetyTest& t) {
                     EXPECT_FALSE(t.dialog.PreTranslateChar('\x7f', false, false));
                     EXPECT_FALSE(t.dialog.PreTranslateChar('\b', false, false));
                     t.dialog.OnSaveFiles();
                   },
                   savedLf("PLAY 1\n"), {"PLAY 1\n"}, "Saved   INS"},
        SafetyCase{"SaveFilesWritesTheFileTheTextCameFrom", "a\n",
                   [](DataSafetyTest& t) {
                     t.TypeAtStart("X");
                     std::string other = t.folder.write("other.asm", "other\n");
                     t.view.texts[ControlId::SourcePath] = other;
                     t.dialog.OnSaveFiles();
                     EXPECT_EQ(test::readFile(other), "other\n");
                   },
                   savedLf("Xa\n"), {"a\n"}, "Saved   INS"},
        SafetyCase{"AnOutputTabBeforeACompileHasNoFileTarget", "a\n",
                   [](DataSafetyTest& t) {
                     std::string map = t.folder.write("song_Y.MAP", "map\r\n");
                     t.ShowTab(kMapTab);
                     t.dialog.OnSaveFiles();
                     EXPECT_EQ(test::readFile(map), "map\r\n");
                     EXPECT_EQ(t.dialog.m_mapText, "");
                     ASSERT_EQ(t.view.messageBoxes.size(), 1u);
                     EXPECT_EQ(t.view.messageBoxes[0].text, "No file target for this tab.");
                   },
                   "a\n", {}, "Not evaluated - run Compile (F5)   INS"},
        SafetyCase{"CrLfStaysCrLf", "a\r\nb\r\n", [](DataSafetyTest& t) {
                     t.TypeAtStart("X");
                     t.dialog.OnSaveFiles();
                   },
                   "Xa\r\nb\r\n", {"a\r\nb\r\n"}, "Saved   INS"},
        SafetyCase{"AnEmptyFileGetsLf", "", [](DataSafetyTest& t) {
                     t.TypeAtStart("x\ny");
                     t.dialog.OnSaveFiles();
                   },
                   savedLf("x\ny"), {""}, "Saved   INS"},
        SafetyCase{"SavedMeansCleanSoNothingIsSavedOrAskedAgain", "a\n",
                   [](DataSafetyTest& t) {
                     t.TypeAtStart("X");
                     t.dialog.OnSaveFiles();
                     t.ShowTab(kLogTab);
                     t.ShowTab(kSourceTab);
                     EXPECT_FALSE(t.dialog.IsTabDirty(kSourceTab));
                     EXPECT_EQ(t.view.tabs[kSourceTab], "song.asm");
                     EXPECT_TRUE(t.dialog.CanClose());
                     EXPECT_TRUE(t.view.messageBoxes.empty());
                   },
                   savedLf("Xa\n"), {"a\n"}, "Not evaluated - run Compile (F5)   INS"},
        SafetyCase{"SwitchingSourcesYesSaves", "a\n",
                   [](DataSafetyTest& t) {
                     t.TypeAtStart("X");
                     t.dialog.SelectSource(t.folder.write("other.asm", "o\n"), true);
                     ASSERT_EQ(t.view.messageBoxes.size(), 1u);
                     EXPECT_EQ(t.view.messageBoxes[0].text, kSwitchQuestion);
                     EXPECT_EQ(t.view.messageBoxes[0].buttons, MessageBoxButtons::YesNoCancel);
                     EXPECT_EQ(t.view.editorText, "o\n");
                   },
                   savedLf("Xa\n"), {"a\n"}, "Ready   INS"},
        SafetyCase{"SwitchingSourcesNoDiscards", "a\n",
                   [](DataSafetyTest& t) {
                     t.TypeAtStart("X");
                     t.view.answers = {MessageBoxAnswer::No};
                     t.dialog.SelectSource(t.folder.write("other.asm", "o\n"), true);
                     EXPECT_EQ(t.dialog.m_sourceText, "o\n");
                     EXPECT_FALSE(t.dialog.IsTabDirty(kSourceTab));
                   },
                   "a\n", {}, "Ready   INS"},
        SafetyCase{"SwitchingSourcesCancelKeepsTheSourceAndItsEdits", "a\n",
                   [](DataSafetyTest& t) {
                     t.TypeAtStart("X");
                     t.view.answers = {MessageBoxAnswer::Cancel};
                     t.view.openFileAnswer = t.folder.write("other.asm", "o\n");
                     t.dialog.OnBrowse();
                     EXPECT_EQ(t.dialog.m_sourcePath, t.path);
                     EXPECT_EQ(t.dialog.m_sourceText, "Xa\n");
                     EXPECT_EQ(t.view.tabs[kSourceTab], "song*.asm");
                   },
                   "a\n", {}, "Unsaved changes   INS"},
        SafetyCase{"NoToReloadKeepsTheTextAndAsksOnce", "a\n",
                   [](DataSafetyTest& t) {
                     t.ChangeOnDisk("b\n");
                     t.ShowTab(kLogTab);
                     t.view.answers = {MessageBoxAnswer::No};
                     t.ShowTab(kSourceTab);
                     t.ShowTab(kLogTab);
                     t.ShowTab(kSourceTab);
                     EXPECT_EQ(t.view.messageBoxes.size(), 1u);
                     EXPECT_EQ(t.view.editorText, "a\n");
                     EXPECT_EQ(t.view.tabs[kSourceTab], "song*.asm");
                   },
                   "b\n", {}, "Not evaluated - run Compile (F5)   INS"},
        SafetyCase{"AKeptTextIsWhatTheNextSaveWrites", "a\n",
                   [](DataSafetyTest& t) {
                     t.ChangeOnDisk("b\n");
                     t.ShowTab(kLogTab);
                     t.view.answers = {MessageBoxAnswer::No};
                     t.ShowTab(kSourceTab);
                     t.dialog.OnSaveFiles();
                   },
                   savedLf("a\n"), {"b\n"}, "Saved   INS"},
        SafetyCase{"AWriteProtectedFileIsRefused", "a\n",
                   [](DataSafetyTest& t) {
                     fs::permissions(t.path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
                     t.TypeAtStart("X");
                     t.dialog.OnSaveFiles();
                     ASSERT_EQ(t.view.messageBoxes.size(), 1u);
                     EXPECT_EQ(t.view.messageBoxes[0].text, "Unable to save to " + t.path);
                   },
                   "a\n", {}, "Save failed   INS", true},
        SafetyCase{"AnUnreadableSourceIsShownReadOnlyAndNeverWritten", "a\n",
                   [](DataSafetyTest& t) {
                     fs::permissions(t.path, fs::perms::owner_write);
                     t.dialog.SelectSource(t.path, true);
                     EXPECT_EQ(t.view.editorText, "Unable to read " + t.path + ": permission denied.");
                     EXPECT_TRUE(t.view.editorReadOnly);
                     t.TryEveryWrite("X");
                     t.dialog.OnCompile();
                     fs::permissions(t.path, fs::perms::owner_read | fs::perms::owner_write);
                     EXPECT_NE(t.dialog.m_logText.find("Unable to read " + t.path), std::string::npos);
                   },
                   "a\n", {}, "Unable to read DIR/song.asm: permission denied.   INS", true, true},
        SafetyCase{"ASourceOverTheReadLimitIsShownReadOnlyAndNeverWritten", "a\n",
                   [](DataSafetyTest& t) {
                     std::string big = t.folder.write("big.asm", "");
                     fs::resize_file(big, std::uintmax_t{270} << 20);
                     t.dialog.SelectSource(big, true);
                     t.TryEveryWrite("X");
                     EXPECT_EQ(fs::file_size(big), std::uintmax_t{270} << 20);
                   },
                   "a\n", {},
                   "Unable to read DIR/big.asm: larger than the source size limit (268435456 bytes).   INS"},
        SafetyCase{"ATypedFolderCompilesToNothingAndTakesNoText", "a\n",
                   [](DataSafetyTest& t) {
                     std::string project = t.folder.write("proj/inner.asm", "i\n");
                     t.view.texts[ControlId::SourcePath] = t.folder.file("proj");
                     t.dialog.OnCompile();
                     EXPECT_EQ(t.view.messageBoxes.at(0).text, "Unable to reload source file.");
                     t.TryEveryWrite("X");
                     EXPECT_EQ(test::readFile(project), "i\n");
                     EXPECT_FALSE(test::exists(t.folder.file("proj_Y.HEX")));
                   },
                   "a\n", {}, "Unable to read DIR/proj: is a folder.   INS"},
        SafetyCase{"AFailedCompileLeavesTheOutputTabsNoFile", kTiny,
                   [](DataSafetyTest& t) {
                     t.dialog.OnCompile();
                     std::string map = t.Compiled("song_Y.MAP");
                     std::string hex = t.Compiled("song_Y.HEX");
                     t.TypeAtStart("        INCLUDE \"missing.inc\"\n");
                     t.dialog.OnCompile();
                     for (int tab : {kMapTab, kHexTab}) {
                       t.ShowTab(tab);
                       t.TypeAtStart("X");
                       t.dialog.OnSaveFiles();
                       EXPECT_EQ(t.view.messageBoxes.back().text, "No file target for this tab.");
                     }
                     EXPECT_EQ(t.Compiled("song_Y.MAP"), map);
                     EXPECT_EQ(t.Compiled("song_Y.HEX"), hex);
                   },
                   savedLf("        INCLUDE \"missing.inc\"\n" + kTiny), {kTiny},
                   "Compile completed with errors   INS"},
        SafetyCase{"AnOutputTabSavesToTheFileOfTheCompileThatFilledIt", kTiny,
                   [](DataSafetyTest& t) {
                     t.dialog.OnCompile();
                     t.view.texts[ControlId::Suffix] = "_Z";
                     t.dialog.OnSuffixChanged();
                     t.ShowTab(kMapTab);
                     t.TypeAtStart("X");
                     t.dialog.OnSaveFiles();
                     EXPECT_EQ(t.Compiled("song_Y.MAP"), "X");
                     EXPECT_FALSE(test::exists(t.folder.file("song_Z.MAP")));
                   },
                   kTiny, {}, "Saved   INS"},
        SafetyCase{"AnIncludeUnderTwoNamesHasOneTab", "        INCLUDE \"defs.inc\"\n        INCLUDE \"twin.inc\"\n" + kTiny,
                   [](DataSafetyTest& t) {
                     std::string defs = t.folder.write("defs.inc", "; defs\n");
                     fs::create_hard_link(defs, t.folder.file("twin.inc"));
                     t.dialog.OnCompile();
                     ASSERT_EQ(t.dialog.TabCount(), kFixedTabCount + 1);
                     t.ShowTab(kFixedTabCount);
                     t.TypeAtStart("; edited\n");
                     t.dialog.OnCompile();
                     EXPECT_EQ(t.Compiled("defs.inc"), savedLf("; edited\n; defs\n"));
                     EXPECT_EQ(t.Compiled("twin.inc"), savedLf("; edited\n; defs\n"));
                     EXPECT_EQ(t.dialog.TabCount(), kFixedTabCount + 1);
                   },
                   "        INCLUDE \"defs.inc\"\n        INCLUDE \"twin.inc\"\n" + kTiny, {}, "Compile complete   INS"}),
    [](const testing::TestParamInfo<SafetyCase>& info) { return info.param.name; });

TEST_F(DataSafetyTest, AnUnsavedTabShowsAStarAfterItsStem) {
  SelectNewSource("song.asm", "a\n");
  std::string include = folder.write("defs.inc", "d\n");
  dialog.ResetIncludeTabs(1);
  dialog.m_includePaths[0] = include;
  dialog.UpdateTabTitles();
  ShowTab(kFixedTabCount);
  TypeAtStart("X");
  ShowTab(kSourceTab);
  TypeAtStart("Y");
  EXPECT_EQ(view.tabs, (std::vector<std::string>{"Log", "song*.asm", "song.MAP", "song.SYM", "song.LST", "song.HEX",
                                                 "defs*.inc"}));
  dialog.OnSaveFiles();
  EXPECT_EQ(view.tabs[kSourceTab], "song.asm");
  EXPECT_EQ(view.tabs[kFixedTabCount], "defs*.inc");
}

TEST_F(DataSafetyTest, ReadingAFileThatFoldsCharactersNotesItOnceInTheLog) {
  SelectNewSource("caf\xC3\xA9.asm", "; caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D\n");
  const std::string note =
      "NOTE: caf\xC3\xA9.asm: 3 characters outside 7-bit ASCII are shown as look-alikes or \"?\"; saving writes "
      "them that way (the previous version goes to backups).";
  EXPECT_EQ(dialog.m_logText, std::string("No compile yet. Press Compile (F5).\r\n") + note);
  ShowTab(kLogTab);
  ShowTab(kSourceTab);
  ShowTab(kLogTab);
  EXPECT_EQ(view.editorText, std::string("No compile yet. Press Compile (F5).\n") + note);

  SelectNewSource("one.asm", "\xC2\xA9\n");
  EXPECT_EQ(dialog.m_logText,
            "No compile yet. Press Compile (F5).\r\nNOTE: one.asm: 1 character outside 7-bit ASCII is shown as a "
            "look-alike or \"?\"; saving writes it that way (the previous version goes to backups).");
}

}  // namespace
}  // namespace qv
