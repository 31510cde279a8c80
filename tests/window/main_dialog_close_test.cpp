// Closing the window with unsaved Source or include edits.
#include <gtest/gtest.h>

#include <filesystem>

#include "window/main_dialog_fixture.h"
#include "window/saved_bytes.h"

namespace qv {
namespace {

using test::savedLf;

constexpr char kCloseQuestion[] = "Save changes to the source and include files before closing?";

class CloseTest : public test::MainDialogTest {
 protected:
  std::string EditSource() {
    std::string path = SelectNewSource("song.asm", "A EQU 1\n");
    view.selection = {0, 0};
    Type(";");
    return path;
  }
};

TEST_F(CloseTest, WithoutEditsNothingIsAsked) {
  SelectNewSource("song.asm", "A EQU 1\n");
  ShowTab(kLogTab);
  Type("log edits are never saved");
  EXPECT_TRUE(dialog.CanClose());
  EXPECT_TRUE(view.messageBoxes.empty());
}

TEST_F(CloseTest, YesSavesTheEditsAndCloses) {
  std::string path = EditSource();
  EXPECT_TRUE(dialog.CanClose());
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, kCloseQuestion);
  EXPECT_EQ(view.messageBoxes[0].buttons, MessageBoxButtons::YesNoCancel);
  EXPECT_EQ(test::readFile(path), savedLf(";A EQU 1\n"));
  EXPECT_FALSE(dialog.IsTabDirty(kSourceTab));
}

TEST_F(CloseTest, NoClosesWithoutSaving) {
  std::string path = EditSource();
  view.answers = {MessageBoxAnswer::No};
  EXPECT_TRUE(dialog.CanClose());
  EXPECT_EQ(test::readFile(path), "A EQU 1\n");
}

TEST_F(CloseTest, CancelKeepsTheWindowAndTheEdits) {
  std::string path = EditSource();
  view.answers = {MessageBoxAnswer::Cancel};
  EXPECT_FALSE(dialog.CanClose());
  EXPECT_EQ(test::readFile(path), "A EQU 1\n");
  EXPECT_TRUE(dialog.IsTabDirty(kSourceTab));
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, ";A EQU 1\n");
}

TEST_F(CloseTest, AFailedSaveKeepsTheWindowOpen) {
  std::string path = EditSource();
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_FALSE(dialog.CanClose());
  ASSERT_EQ(view.messageBoxes.size(), 2u);
  EXPECT_EQ(view.messageBoxes[1].text, "Unable to save to " + path);
  EXPECT_EQ(view.statusLine, "Save failed   INS");
  EXPECT_TRUE(dialog.IsTabDirty(kSourceTab));
}

TEST_F(CloseTest, EditedIncludesAreSavedWithTheirOwnLineEnds) {
  std::string include = folder.write("lib.inc", "L EQU 1\n");
  SelectNewSource("song.asm", "        INCLUDE \"lib.inc\"\n");
  dialog.OnCompile();
  ShowTab(kFixedTabCount);
  view.selection = {0, 0};
  Type(";");
  EXPECT_TRUE(dialog.CanClose());
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(test::readFile(include), savedLf(";L EQU 1\n"));
}

}  // namespace
}  // namespace qv
