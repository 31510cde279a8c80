// Selecting a source and the paths derived from it.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/environment_variable.h"
#include "window/main_dialog_fixture.h"

namespace qv {
namespace {

using test::MainDialogTest;

TEST_F(MainDialogTest, SelectingAnExistingSourceShowsIt) {
  std::string path = SelectNewSource("song.asm", "SKEME_START 1\n");
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).path, path);
  EXPECT_EQ(view.texts[ControlId::SourcePath], path);
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "SKEME_START 1\n");
  EXPECT_TRUE(dialog.Files().sourceFileTime.valid);
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, "No compile yet. Press Compile (F5).");
  EXPECT_EQ(view.currentTab, 1);
  EXPECT_EQ(dialog.Tabs().current, 1);
  EXPECT_EQ(view.lastEditorInput, "SKEME_START 1\r\n");
  EXPECT_EQ(view.statusLine, "Ready   INS");
  EXPECT_FALSE(dialog.Tabs().at(1).dirty);
  EXPECT_EQ(view.recentItems, (std::vector<std::string>{"<no source selected>", path}));
  EXPECT_EQ(view.recentSelection, 1);
  EXPECT_EQ(dialog.Settings().recentSources, std::vector<std::string>{path});
}

TEST_F(MainDialogTest, SelectingASourceDropsTheLastCompile) {
  SelectNewSource("one.asm", "x\n");
  dialog.Last().compiled = true;
  dialog.Tabs().at(kMapTab).text = "map";
  dialog.Tabs().at(kHexTab).text = "hex";
  dialog.ResetIncludeTabs(2);
  dialog.Tabs().at(6).path = "a.inc";
  dialog.Tabs().at(7).path = "b.inc";
  dialog.UpdateTabTitles();
  SelectNewSource("two.asm", "y\n");
  EXPECT_FALSE(dialog.Last().compiled);
  EXPECT_TRUE(dialog.Tabs().at(kMapTab).text.empty());
  EXPECT_TRUE(dialog.Tabs().at(kHexTab).text.empty());
  EXPECT_EQ(dialog.TabCount(), 6);
  EXPECT_EQ(view.tabs.size(), 6u);
}

TEST_F(MainDialogTest, SelectingAMissingSourceClearsTheSelection) {
  SelectNewSource("song.asm", "x\n");
  dialog.SelectSource(folder.file("gone.asm"), true);
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "Selected source file does not exist.");
  EXPECT_EQ(view.messageBoxes[0].buttons, MessageBoxButtons::Ok);
  EXPECT_TRUE(dialog.Tabs().at(kSourceTab).path.empty());
  EXPECT_EQ(view.texts[ControlId::SourcePath], "<no source selected>");
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "<no source selected>");
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, "No source selected. Use Browse or the recent list to choose a source.");
  EXPECT_EQ(view.currentTab, 1);
  EXPECT_EQ(view.editorText, "<no source selected>");
  EXPECT_EQ(view.tabs[1], "<no source selected>");
  EXPECT_EQ(view.statusLine, "No source selected   INS");
}

TEST_F(MainDialogTest, ClearingTheSelectionAsksNothing) {
  for (const char* path : {"", "   ", "<no source selected>"}) {
    dialog.SelectSource(path, false);
    EXPECT_TRUE(dialog.Tabs().at(kSourceTab).path.empty());
  }
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_EQ(view.currentTab, 0);
}

TEST_F(MainDialogTest, AFolderIsNoSourceAndKeepsNoPreviousText) {
  SelectNewSource("song.asm", "previous\n");
  folder.write("sub/inner.asm", "x");
  dialog.SelectSource(folder.file("sub"), true);
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "Selected source file does not exist.");
  EXPECT_TRUE(dialog.Tabs().at(kSourceTab).path.empty());
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "<no source selected>");
}

TEST_F(MainDialogTest, OutputTabsHaveTheFilesOfTheCompileThatFilledThem) {
  std::string path = SelectNewSource("song.asm", "x\n");
  view.texts[ControlId::SourcePath] = "  " + path + " ";
  std::string base = folder.file("song_Y");
  EXPECT_EQ(dialog.OutputBasePath(), base);
  EXPECT_EQ(dialog.TabFilePath(0), "");
  EXPECT_EQ(dialog.TabFilePath(1), path);
  EXPECT_EQ(dialog.TabFilePath(2), "");
  EXPECT_EQ(dialog.TabFilePath(6), "");

  dialog.ResetIncludeTabs(1);
  dialog.Tabs().at(TabSet::IncludeTab(0)).path = folder.file("defs.inc");
  EXPECT_EQ(dialog.TabFilePath(6), folder.file("defs.inc"));

  dialog.Last().compiled = true;
  dialog.Last().result.outputFiles = {base + ".HEX", base + ".MAP", base + ".LST", base + ".SYM"};
  view.SetControlText(ControlId::Suffix, "_Q");
  dialog.OnSuffixChanged();
  EXPECT_EQ(dialog.TabFilePath(2), base + ".MAP");
  EXPECT_EQ(dialog.TabFilePath(3), base + ".SYM");
  EXPECT_EQ(dialog.TabFilePath(4), base + ".LST");
  EXPECT_EQ(dialog.TabFilePath(5), base + ".HEX");
  view.SetControlText(ControlId::Suffix, "");
  dialog.OnSuffixChanged();
  EXPECT_EQ(dialog.Settings().suffix, "_Y");
}

TEST_F(MainDialogTest, ASourceNamedTxtGivesOutputsFromItsStem) {
  SelectNewSource("song.txt", "x\n");
  EXPECT_EQ(dialog.OutputBasePath(), folder.file("song_Y"));
}

TEST_F(MainDialogTest, TheTabsFilesFollowTheSelectedSourceNotTheSourceBox) {
  view.texts[ControlId::SourcePath] = folder.file("missing.asm");
  EXPECT_EQ(dialog.OutputBasePath(), "");
  EXPECT_EQ(dialog.TabFilePath(1), "");
  EXPECT_EQ(dialog.TabFilePath(2), "");
  std::string path = SelectNewSource("song.asm", "x\n");
  view.texts[ControlId::SourcePath] = folder.write("other.asm", "y\n");
  EXPECT_EQ(dialog.TabFilePath(1), path);
}

TEST_F(MainDialogTest, NormalizingASourcePath) {
  EXPECT_EQ(dialog.NormalizeSourcePath("  some/where.asm\t", false), "some/where.asm");
  EXPECT_EQ(dialog.NormalizeSourcePath("<NO SOURCE SELECTED>", false), "");
  EXPECT_EQ(dialog.NormalizeSourcePath("   ", true), "");
  EXPECT_EQ(dialog.NormalizeSourcePath(folder.file("missing.asm"), true), "");
  std::string path = folder.write("song.asm", "x");
  EXPECT_EQ(dialog.NormalizeSourcePath(" " + path, true), path);
}

TEST_F(MainDialogTest, ProjectDrivePathsResolveUnderTheProjectFolder) {
  test::ProjectFolderVariable projects(folder.file("Quaverton"));
  EXPECT_EQ(dialog.NormalizeSourcePath("x:\\p\\song.asm", true), "");
  folder.write("Quaverton/p/song.asm", "x");
  EXPECT_EQ(dialog.NormalizeSourcePath("x:\\p/song.asm", true), folder.file("Quaverton") + kPathSeparator + "p/song.asm");
  EXPECT_EQ(dialog.NormalizeSourcePath("x:\\p/song.asm", false), "x:\\p/song.asm");
}

TEST_F(MainDialogTest, WithoutAProjectFolderProjectDrivePathsStayUnresolved) {
  test::ProjectFolderVariable projects("");
  EXPECT_EQ(dialog.NormalizeSourcePath("x:\\p\\song.asm", true), "");
}

}  // namespace
}  // namespace qv
