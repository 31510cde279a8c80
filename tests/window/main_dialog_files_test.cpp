// Saving the current tab, with numbered backups of the replaced file.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "window/main_dialog_fixture.h"
#include "window/saved_bytes.h"

namespace qv {
namespace {

using test::savedLf;

using test::MainDialogTest;

// Runs the test in a folder of its own, so that names without a folder land there.
class CurrentFolderScope {
 public:
  explicit CurrentFolderScope(const std::string& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~CurrentFolderScope() { std::filesystem::current_path(previous_); }
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

 private:
  std::filesystem::path previous_;
};

TEST_F(MainDialogTest, TheLogTabHasNoFileToSaveTo) {
  dialog.OnSaveFiles();
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "No file target for this tab.");
  EXPECT_EQ(view.statusLine, "No source selected   INS");
}

TEST_F(MainDialogTest, SavingTheSourceKeepsItsLineEndsBacksUpTheOldFileAndClearsUnsavedChanges) {
  std::string path = SelectNewSource("song.asm", "a\nb\n");
  view.selection = {0, 0};
  Type("X");
  dialog.OnSaveFiles();
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_EQ(test::readFile(path), savedLf("Xa\nb\n"));
  EXPECT_EQ(test::readFile(folder.file("backups/song_bak1.asm")), "a\nb\n");
  EXPECT_FALSE(dialog.Tabs().at(1).dirty);
  std::int64_t written = 0;
  ASSERT_TRUE(lastWriteTime(path, written));
  EXPECT_TRUE(dialog.Files().sourceFileTime.valid);
  EXPECT_EQ(dialog.Files().sourceFileTime.time, written);
  EXPECT_EQ(view.statusLine, "Saved   INS");

  Type("Y");
  EXPECT_EQ(view.statusLine, "Unsaved changes   INS");
  dialog.OnSaveFiles();
  EXPECT_EQ(test::readFile(folder.file("backups/song_bak2.asm")), savedLf("Xa\nb\n"));
  EXPECT_EQ(test::readFile(path), savedLf("XYa\nb\n"));
  EXPECT_EQ(view.statusLine, "Saved   INS");
}

TEST_F(MainDialogTest, AnIncludeTabKeepsItsOwnLineEnds) {
  SelectNewSource("song.asm", "x\n");
  std::string include = folder.write("defs.inc", "one\ntwo\n");
  dialog.ResetIncludeTabs(1);
  dialog.Tabs().at(TabSet::IncludeTab(0)).path = include;
  dialog.UpdateTabTitles();
  ShowTab(6);
  EXPECT_EQ(dialog.Tabs().at(TabSet::IncludeTab(0)).lineEnd, "\n");
  view.selection = {0, 0};
  Type("Z");
  EXPECT_TRUE(dialog.IsTabDirty(6));
  dialog.OnSaveFiles();
  EXPECT_EQ(test::readFile(include), savedLf("Zone\ntwo\n"));
  EXPECT_FALSE(dialog.IsTabDirty(6));
  EXPECT_EQ(test::readFile(folder.file("backups/defs_bak1.inc")), "one\ntwo\n");
}

TEST_F(MainDialogTest, AFailedSaveNamesItsTarget) {
  std::string path = SelectNewSource("song.asm", "a\n");
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  dialog.OnSaveFiles();
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "Unable to save to " + path);
  EXPECT_EQ(view.statusLine, "Save failed   INS");
}

TEST_F(MainDialogTest, MoreThan25BackupsAskBeforeTheOldestGo) {
  struct Case {
    MessageBoxAnswer answer;
    bool oldestKept;
  };
  for (Case c : {Case{MessageBoxAnswer::No, true}, Case{MessageBoxAnswer::Yes, false}}) {
    test::TempFolder project;
    std::string path = project.write("song.asm", "old\n");
    for (int number = 1; number <= 26; ++number) {
      project.write("backups/song_bak" + std::to_string(number) + ".asm", "b");
    }
    view.messageBoxes.clear();
    view.answers = {c.answer};
    ASSERT_TRUE(dialog.SaveTabText(path, "new\n", "\r\n"));
    EXPECT_EQ(test::readFile(path), "new\r\n");
    EXPECT_EQ(test::readFile(project.file("backups/song_bak27.asm")), "old\n");
    ASSERT_EQ(view.messageBoxes.size(), 1u);
    EXPECT_EQ(view.messageBoxes[0].text, "Clear earlier backup file entries to 25 max?");
    EXPECT_EQ(view.messageBoxes[0].buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(view.messageBoxes[0].icon, MessageBoxIcon::Question);
    EXPECT_EQ(test::exists(project.file("backups/song_bak1.asm")), c.oldestKept);
    EXPECT_EQ(test::exists(project.file("backups/song_bak2.asm")), c.oldestKept);
    EXPECT_TRUE(test::exists(project.file("backups/song_bak3.asm")));
  }
}

TEST(MainDialogBackups, FilesNamedWithoutAFolderAreBackedUpInTheUsersDataFolder) {
  test::TraceLogCapture trace;
  test::TempFolder folder;
  test::FakeView view;
  test::MemorySettingsStore settings;
  view.userDataFolder = folder.file("data/Veltrane/Quaverton");
  CMainDialog dialog(view, settings, nullptr);
  dialog.OnInitDialog();
  EXPECT_TRUE(folderExists(folder.file("data/Veltrane/Quaverton/backups")));
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, "No source selected. Use Browse or the recent list to choose a source.");

  CurrentFolderScope inProject(folder.file(""));
  folder.write("song.asm", "one\n");
  dialog.SelectSource("song.asm", true);
  view.selection = {0, 0};
  view.TypeInEditor("+");
  dialog.OnEditorChange();
  dialog.OnSaveFiles();
  EXPECT_EQ(test::readFile(folder.file("song.asm")), savedLf("+one\n"));
  EXPECT_EQ(test::readFile(folder.file("data/Veltrane/Quaverton/backups/song_bak1.asm")), "one\n");
  EXPECT_FALSE(test::exists(folder.file("backups")));
}

TEST(MainDialogBackups, ABackupsFolderThatCannotBeMadeLeavesAWarningInTheLog) {
  test::TraceLogCapture trace;
  test::TempFolder folder;
  test::FakeView view;
  test::MemorySettingsStore settings;
  view.userDataFolder = folder.write("data", "a file, not a folder") + "/Quaverton";
  CMainDialog dialog(view, settings, nullptr);
  dialog.OnInitDialog();
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, "Warning: cannot create backups folder. Source saves may proceed without backups.");
  EXPECT_EQ(view.editorText, dialog.Tabs().at(kLogTab).text);
}

}  // namespace
}  // namespace qv
