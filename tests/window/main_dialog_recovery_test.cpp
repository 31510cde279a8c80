// Recovery copies of unsaved edits through the fake screen and its clock:
// written when the user pauses, gone once saved, offered back at the next
// start when a window ended without saving.
#include <gtest/gtest.h>

#include <memory>

#include "platform/files.h"
#include "support/test_support.h"
#include "support/trace_log_capture.h"
#include "window/fake_view.h"
#include "window/main_dialog.h"
#include "window/memory_settings_store.h"
#include "window/model/recovery/recovery_copy.h"
#include "window/model/recovery/recovery_folder.h"
#include "window/saved_bytes.h"

namespace qv::test {
namespace {

constexpr char kSourceText[] = "; song\n        SKEME_START 1\n        END_SOUND\n        SKEME_END\n";
constexpr char kEdited[] = "; song!\n        SKEME_START 1\n        END_SOUND\n        SKEME_END\n";

// A window over the fake screen on a folder of its own, with a source chosen
// in the stored settings so that a start opens it.
struct Window {
  Window(const std::string& dataFolder, MemorySettingsStore& settings) : dialog(view, settings, nullptr) {
    view.userDataFolder = dataFolder;
  }
  FakeView view;
  CMainDialog dialog;
};

class RecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    source = folder.write("project/song.asm", kSourceText);
    include = folder.write("project/waves.inc", "; waves\n");
    settings.writeString("LastSource", source);
  }

  Window& Start() {
    windows.push_back(std::make_unique<Window>(dataFolder(), settings));
    windows.back()->dialog.OnInitDialog();
    return *windows.back();
  }

  // The user types at the start of the Source tab, then pauses.
  static void EditAndPause(Window& window, int milliseconds) {
    window.view.currentTab = kSourceTab;
    window.dialog.OnTabChanged();
    window.view.selection = {6, 6};
    window.view.TypeInEditor("!");
    window.dialog.OnEditorChange();
    if (window.view.Elapse(milliseconds)) window.dialog.OnTimer();
  }

  // What a window that ended without saving left: a copy and no lock.
  std::string LeaveCopy(const std::string& file, const std::string& text, bool include = false,
                        const std::string& name = "0123abcd-1.copy") {
    RecoveryCopy copy;
    copy.file = file;
    copy.include = include;
    copy.source = source;
    copy.taken = 1;
    copy.read = stampOf(file);
    copy.lineEnd = "\n";
    copy.text = text;
    return folder.write("data/recovery/" + name, RecoveryCopyText(copy));
  }

  std::string dataFolder() const { return folder.file("data"); }
  std::vector<std::string> RecoveryFiles() const {
    return listFiles(folder.file("data/recovery"), "*").value_or(std::vector<std::string>{});
  }

  TraceLogCapture trace;
  TempFolder folder;
  MemorySettingsStore settings;
  std::string source;
  std::string include;
  std::vector<std::unique_ptr<Window>> windows;
};

TEST_F(RecoveryTest, APauseKeepsACopyThatSavingAndACleanExitRemove) {
  Window& window = Start();
  EXPECT_TRUE(window.view.messageBoxes.empty());
  EditAndPause(window, kRecoveryPauseMs - 1);
  EXPECT_TRUE(window.dialog.Recovery().CopyPaths().empty());
  ASSERT_TRUE(window.view.Elapse(1));
  window.dialog.OnTimer();
  std::map<std::string, std::string> copies = window.dialog.Recovery().CopyPaths();
  ASSERT_EQ(copies.size(), 1u);
  std::string why;
  std::optional<RecoveryCopy> kept = ParseRecoveryCopy(readFile(copies.begin()->second), why);
  ASSERT_TRUE(kept) << why;
  EXPECT_EQ(kept->file, source);
  EXPECT_EQ(kept->text, kEdited);
  EXPECT_EQ(kept->read, stampOf(source));
  EXPECT_EQ(readFile(source), kSourceText);

  window.dialog.OnSaveFiles();
  EXPECT_TRUE(window.dialog.Recovery().CopyPaths().empty());
  EXPECT_FALSE(exists(copies.begin()->second));

  EditAndPause(window, kRecoveryPauseMs);
  EXPECT_EQ(window.dialog.Recovery().CopyPaths().size(), 1u);
  window.view.answers = {MessageBoxAnswer::No};
  ASSERT_TRUE(window.dialog.CanClose());
  window.dialog.OnDestroy();
  EXPECT_EQ(RecoveryFiles(), std::vector<std::string>{});

  Start();
  EXPECT_TRUE(windows.back()->view.messageBoxes.empty());
}

TEST_F(RecoveryTest, YesPutsTheEditsBackUnsavedAndASaveWritesThem) {
  std::string left = LeaveCopy(source, kEdited);
  LeaveCopy(include, "; waves!\n", true, "0123abcd-2.copy");
  Window& window = Start();
  ASSERT_EQ(window.view.messageBoxes.size(), 1u);
  EXPECT_EQ(window.view.messageBoxes[0].text,
            "Quaverton ended without saving edits to 2 file(s) (song.asm, waves.inc). Restore them?");
  EXPECT_EQ(window.view.messageBoxes[0].buttons, MessageBoxButtons::YesNo);

  EXPECT_EQ(window.view.editorText, kEdited);
  EXPECT_TRUE(window.dialog.IsTabDirty(kSourceTab));
  EXPECT_EQ(window.view.tabs[kSourceTab], "song*.asm");
  ASSERT_EQ(window.dialog.TabCount(), kFixedTabCount + 1);
  EXPECT_EQ(window.dialog.Tabs().at(kFixedTabCount).path, include);
  EXPECT_EQ(window.dialog.Tabs().at(kFixedTabCount).text, "; waves!\n");
  EXPECT_TRUE(window.dialog.IsTabDirty(kFixedTabCount));
  EXPECT_EQ(readFile(source), kSourceText);
  EXPECT_FALSE(exists(left));
  // The edits now have copies of the running window.
  EXPECT_EQ(window.dialog.Recovery().CopyPaths().size(), 2u);

  window.dialog.OnSaveFiles();
  EXPECT_EQ(readFile(source), savedLf(kEdited));
}

TEST_F(RecoveryTest, NoKeepsTheEditsAsBackupsOfTheirFiles) {
  std::string left = LeaveCopy(source, kEdited);
  windows.push_back(std::make_unique<Window>(dataFolder(), settings));
  Window* window = windows.back().get();
  window->view.answers = {MessageBoxAnswer::No};
  window->dialog.OnInitDialog();
  EXPECT_EQ(window->view.messageBoxes.size(), 1u);
  EXPECT_EQ(readFile(folder.file("project/backups/song_bak1.asm")), savedLf(kEdited));
  EXPECT_FALSE(exists(left));
  EXPECT_FALSE(window->dialog.IsTabDirty(kSourceTab));
  EXPECT_EQ(window->view.editorText, kSourceText);
  EXPECT_EQ(readFile(source), kSourceText);
}

TEST_F(RecoveryTest, AFileChangedSinceStillRestoresAndTheLogSaysSo) {
  LeaveCopy(source, kEdited);
  folder.write("project/song.asm", "; changed elsewhere, and longer than before\n");
  Window& window = Start();
  EXPECT_EQ(window.view.editorText, kEdited);
  EXPECT_NE(window.dialog.Tabs().at(kLogTab).text.find(
                "NOTE: song.asm changed on disk after these edits were kept; saving replaces that version, which "
                "goes to backups"),
            std::string::npos);
  window.dialog.OnSaveFiles();
  EXPECT_EQ(readFile(folder.file("project/backups/song_bak1.asm")), "; changed elsewhere, and longer than before\n");
}

TEST_F(RecoveryTest, DamagedCopiesAreSkippedWithANote) {
  std::string whole = RecoveryCopyText({source, false, source, 1, stampOf(source), "\n", kEdited});
  for (const std::string& bad : {std::string(), whole.substr(0, whole.size() - 3), std::string("garbage\n")}) {
    SCOPED_TRACE(bad);
    std::string path = folder.write("data/recovery/0123abcd-1.copy", bad);
    windows.clear();
    Window& window = Start();
    EXPECT_TRUE(window.view.messageBoxes.empty());
    EXPECT_EQ(window.view.editorText, kSourceText);
    EXPECT_FALSE(window.dialog.IsTabDirty(kSourceTab));
    EXPECT_NE(window.dialog.Tabs().at(kLogTab).text.find("NOTE: skipped a damaged recovery copy"), std::string::npos);
    EXPECT_FALSE(exists(path));
    EXPECT_TRUE(exists(path + ".damaged"));
  }
}

TEST_F(RecoveryTest, TheCopiesOfARunningWindowAreNotOffered) {
  Window& first = Start();
  EditAndPause(first, kRecoveryPauseMs);
  ASSERT_EQ(first.dialog.Recovery().CopyPaths().size(), 1u);
  Window& second = Start();
  EXPECT_TRUE(second.view.messageBoxes.empty());
  EXPECT_FALSE(second.dialog.IsTabDirty(kSourceTab));
  EXPECT_TRUE(exists(first.dialog.Recovery().CopyPaths().begin()->second));
}

}  // namespace
}  // namespace qv::test
