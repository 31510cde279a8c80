// Saving the current tab.
#include <gtest/gtest.h>

#include "window/main_dialog_fixture.h"

namespace qv {
namespace {

using test::MainDialogTest;

TEST_F(MainDialogTest, TheLogTabHasNoFileToSaveTo) {
  dialog.OnSaveFiles();
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "No file target for this tab.");
}

TEST_F(MainDialogTest, SavingTheSourceWritesCrLfAndClearsUnsavedChanges) {
  std::string path = SelectNewSource("song.asm", "a\nb\n");
  view.selection = {0, 0};
  Type("X");
  dialog.OnSaveFiles();
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_EQ(test::readFile(path), "Xa\r\nb\r\n");
  EXPECT_FALSE(dialog.m_tabDirty[1]);
  EXPECT_TRUE(dialog.m_sourceFileTime.valid);
  EXPECT_EQ(view.statusLine, "Saved   INS");
}

TEST_F(MainDialogTest, AFailedSaveNamesItsTarget) {
  SelectNewSource("song.asm", "a\n");
  std::string folderPath = folder.file("sub");
  folder.write("sub/inner.asm", "x");
  view.texts[ControlId::SourcePath] = folderPath;
  dialog.OnSaveFiles();
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "Unable to save to " + folderPath);
  EXPECT_EQ(view.statusLine, "Save failed   INS");
}

}  // namespace
}  // namespace qv
