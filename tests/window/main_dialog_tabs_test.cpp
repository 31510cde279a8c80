// Tabs, their buffers and the shared editor.
#include <gtest/gtest.h>

#include "window/main_dialog_fixture.h"

namespace qv {
namespace {

using test::MainDialogTest;

TEST_F(MainDialogTest, TitlesFollowTheSourceName) {
  SelectNewSource("song.mk2.asm", "x\n");
  EXPECT_EQ(view.tabs, (std::vector<std::string>{"Log", "song.mk2.asm", "song.mk2.MAP", "song.mk2.SYM",
                                                 "song.mk2.LST", "song.mk2.HEX"}));
  // The Source label always ends in .asm.
  SelectNewSource("song.txt", "x\n");
  EXPECT_EQ(view.tabs[1], "song.asm");
  EXPECT_EQ(view.tabs[2], "song.MAP");
}

TEST_F(MainDialogTest, IncludeTabsTakeTheFileNameOrANumber) {
  SelectNewSource("song.asm", "x\n");
  dialog.ResetIncludeTabs(3);
  dialog.Tabs().at(6).path = folder.file("defs.inc");
  dialog.Tabs().at(8).path = "C:\\p\\";
  dialog.UpdateTabTitles();
  EXPECT_EQ(dialog.TabCount(), 9);
  EXPECT_EQ(std::vector<std::string>(view.tabs.begin() + 6, view.tabs.end()),
            (std::vector<std::string>{"defs.inc", "Include 2", "Include 3"}));
}

TEST_F(MainDialogTest, TitleUpdateKeepsTheCurrentTabWhileItExists) {
  dialog.ResetIncludeTabs(1);
  dialog.UpdateTabTitles();
  view.currentTab = 6;
  dialog.UpdateTabTitles();
  EXPECT_EQ(view.currentTab, 6);
  dialog.ResetIncludeTabs(0);
  dialog.UpdateTabTitles();
  EXPECT_EQ(view.currentTab, 0);
}

TEST_F(MainDialogTest, SetOutputTextRejectsTabsOutsideTheSet) {
  std::string before = view.editorText;
  dialog.SetOutputText("text", 6, true);
  dialog.SetOutputText("text", -1, true);
  EXPECT_EQ(view.editorText, before);
  std::string log = trace.text();
  EXPECT_NE(log.find("SetOutputText rejected: invalid tab=6\r\n"), std::string::npos);
  EXPECT_NE(log.find("SetOutputText rejected: invalid tab=-1\r\n"), std::string::npos);
}

TEST_F(MainDialogTest, SetOutputTextWithoutAnEditorOnlyClearsTheModifiedFlag) {
  view.existing.erase(ControlId::OutputText);
  dialog.Tabs().at(1).dirty = true;
  dialog.SetOutputText("text", 1, false);
  EXPECT_TRUE(dialog.Tabs().at(1).dirty);
  dialog.SetOutputText("text", 1, true);
  EXPECT_FALSE(dialog.Tabs().at(1).dirty);
  EXPECT_NE(trace.text().find("SetOutputText skipped: m_outputText handle not ready for tab=1\r\n"),
            std::string::npos);
}

TEST_F(MainDialogTest, EditableTabsGetCrLfLineEndsAndBlackText) {
  dialog.SetOutputText("a\nb\r\nc", 0, true);
  EXPECT_EQ(view.lastEditorInput, "a\nb\r\nc");
  EXPECT_NE(view.editorTextColour, kWindowColours.editableText);

  dialog.ResetIncludeTabs(1);
  dialog.SetOutputText("a\nb\r\nc", 6, true);
  EXPECT_EQ(view.lastEditorInput, "a\r\nb\r\nc");
  EXPECT_EQ(view.editorTextColour, kWindowColours.editableText);
  EXPECT_TRUE(view.redraw);
  EXPECT_FALSE(dialog.Editor().settingText);
}

TEST_F(MainDialogTest, SetOutputTextClearsTheModifiedFlagOnlyWhenAsked) {
  dialog.Tabs().at(1).dirty = true;
  view.editorModified = true;
  dialog.SetOutputText("kept", 1, false);
  EXPECT_TRUE(dialog.Tabs().at(1).dirty);
  EXPECT_FALSE(view.editorModified);
  dialog.SetOutputText("kept", 1, true);
  EXPECT_FALSE(dialog.Tabs().at(1).dirty);
}

TEST_F(MainDialogTest, PlaceholdersBeforeACompileNeverEnterTheBuffers) {
  SelectNewSource("song.asm", "x\n");
  struct Case {
    int tab;
    const char* shown;
  };
  for (const Case& c : {Case{2, "Map not evaluated. Press Compile (F5)."},
                        Case{3, "Symbols not evaluated. Press Compile (F5)."},
                        Case{4, "LST not evaluated. Press Compile (F5)."},
                        Case{5, "HEX not evaluated. Press Compile (F5)."}}) {
    ShowTab(c.tab);
    EXPECT_EQ(view.editorText, c.shown);
    EXPECT_EQ(view.statusLine, "Not evaluated - run Compile (F5)   INS");
  }
  EXPECT_TRUE(dialog.Tabs().at(kHexTab).text.empty());
  ShowTab(2);
  EXPECT_EQ(view.editorText, "Map not evaluated. Press Compile (F5).");
}

TEST_F(MainDialogTest, ShowingMapBeforeACompileLeavesItsBufferEmpty) {
  view.currentTab = 2;
  dialog.RefreshOutput();
  EXPECT_EQ(view.editorText, "Map not evaluated. Press Compile (F5).");
  EXPECT_TRUE(dialog.Tabs().at(kMapTab).text.empty());
}

TEST_F(MainDialogTest, LogAndSourcePlaceholders) {
  dialog.Tabs().at(kLogTab).text.clear();
  view.currentTab = 0;
  dialog.RefreshOutput();
  EXPECT_EQ(view.editorText, "No compile yet. Press Compile (F5).");
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, "No compile yet. Press Compile (F5).");

  dialog.Tabs().at(kSourceTab).text.clear();
  view.currentTab = 1;
  dialog.RefreshOutput();
  EXPECT_EQ(view.editorText, "<no source selected>");
  EXPECT_TRUE(dialog.Tabs().at(kSourceTab).text.empty());
  EXPECT_EQ(view.statusLine, "No source selected   INS");
}

TEST_F(MainDialogTest, CompiledTabsFillTheirBuffersOnFirstShow) {
  SelectNewSource("song.asm", "x\n");
  dialog.Last().compiled = true;
  dialog.Last().result.mapText = "H\tmap";
  dialog.Last().result.symbolText = "S\tsym";
  dialog.Last().result.listingText = "L\tlst";
  dialog.Last().result.hexText = "X\thex";
  struct Case {
    int tab;
    const std::string* buffer;
    const char* text;
  };
  for (const Case& c : {Case{2, &dialog.Tabs().at(kMapTab).text, "H       map"}, Case{3, &dialog.Tabs().at(kSymbolsTab).text, "S\tsym"},
                        Case{4, &dialog.Tabs().at(kLstTab).text, "L       lst"}, Case{5, &dialog.Tabs().at(kHexTab).text, "X\thex"}}) {
    ShowTab(c.tab);
    EXPECT_EQ(*c.buffer, c.text);
    EXPECT_EQ(view.editorText, c.text);
  }
  EXPECT_EQ(view.statusLine, "Compile complete   INS");
}

TEST_F(MainDialogTest, StatusWordsAfterACompile) {
  SelectNewSource("song.asm", "x\n");
  dialog.Last().compiled = true;
  dialog.Last().result.messages = {"NOTE: harmless", "WARNING: odd"};
  dialog.Last().result.messageKinds = {MessageKind::Note, MessageKind::Warning};
  dialog.RefreshOutput();
  EXPECT_EQ(view.statusLine, "Compile completed with warnings   INS");
  dialog.Last().result.messages.push_back("bad");
  dialog.Last().result.messageKinds.push_back(MessageKind::Error);
  dialog.RefreshOutput();
  EXPECT_EQ(view.statusLine, "Compile completed with errors   INS");
}

TEST_F(MainDialogTest, TypingInTheSourceCapturesItAndShowsUnsavedChanges) {
  SelectNewSource("song.asm", "abc\n");
  view.selection = {3, 3};
  Type("d");
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "abcd\n");
  EXPECT_TRUE(dialog.Tabs().at(1).dirty);
  EXPECT_EQ(dialog.Editor().Status().text, "Unsaved changes");
  EXPECT_EQ(view.statusLine, "Unsaved changes   INS");
}

TEST_F(MainDialogTest, TypingInAnOutputTabMarksItWithoutUnsavedChanges) {
  ShowTab(2);
  Type("x");
  EXPECT_TRUE(dialog.Tabs().at(2).dirty);
  EXPECT_EQ(view.statusLine, "No source selected   INS");
  // Only a switch away stores the edit in the buffer.
  EXPECT_TRUE(dialog.Tabs().at(kMapTab).text.empty());
}

TEST_F(MainDialogTest, ChangesMadeByTheWindowItselfAreNotTyping) {
  dialog.Editor().settingText = true;
  view.currentTab = 1;
  dialog.OnEditorChange();
  EXPECT_FALSE(dialog.Tabs().at(1).dirty);
  dialog.Editor().settingText = false;

  view.currentTab = -1;
  dialog.OnEditorChange();
  EXPECT_TRUE(dialog.Tabs().at(0).dirty);
}

TEST_F(MainDialogTest, CaptureMarksOnlyEditableTabsAndOnlyWhenModified) {
  view.SetEditorText("log edit");
  view.editorModified = true;
  dialog.CaptureTabText(0);
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, "log edit");
  EXPECT_FALSE(dialog.Tabs().at(0).dirty);

  dialog.CaptureTabText(1);
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "log edit");
  EXPECT_TRUE(dialog.Tabs().at(1).dirty);

  dialog.ResetIncludeTabs(1);
  view.editorModified = false;
  dialog.CaptureTabText(6);
  EXPECT_EQ(dialog.Tabs().at(TabSet::IncludeTab(0)).text, "log edit");
  EXPECT_FALSE(dialog.Tabs().at(TabSet::IncludeTab(0)).dirty);
  // A tab past the set has no buffer.
  dialog.CaptureTabText(7);
  EXPECT_EQ(dialog.TabCount(), 7);
}

TEST_F(MainDialogTest, MarkTabDirtyOnIncludeTabs) {
  dialog.ResetIncludeTabs(2);
  dialog.MarkTabDirty(7, true);
  EXPECT_FALSE(dialog.IsTabDirty(6));
  EXPECT_TRUE(dialog.IsTabDirty(7));
  EXPECT_EQ(view.statusLine, "Unsaved changes   INS");
  dialog.MarkTabDirty(7, false);
  EXPECT_FALSE(dialog.Tabs().at(TabSet::IncludeTab(1)).dirty);
}

TEST_F(MainDialogTest, SwitchingTabsSwapsTextAndKeepsEachSelection) {
  SelectNewSource("song.asm", "line one\nline two\n");
  view.selection = {5, 8};
  view.focus = ControlId::NoWrite;
  ShowTab(0);
  EXPECT_EQ(view.editorText, "No compile yet. Press Compile (F5).");
  // The keys go to the text chosen, not to the control used last.
  EXPECT_EQ(view.focus, ControlId::OutputText);
  view.selection = {2, 4};
  ShowTab(1);
  EXPECT_EQ(view.editorText, "line one\nline two\n");
  EXPECT_EQ(view.selection.start, 5);
  EXPECT_EQ(view.selection.end, 8);
  ShowTab(0);
  EXPECT_EQ(view.selection.start, 2);
  EXPECT_EQ(view.selection.end, 4);
}

TEST_F(MainDialogTest, UnsavedSourceEditsSurviveATabSwitch) {
  std::string path = SelectNewSource("song.asm", "abc\n");
  view.selection = {0, 0};
  Type("X");
  ShowTab(0);
  ShowTab(1);
  EXPECT_EQ(view.editorText, "Xabc\n");
  EXPECT_TRUE(dialog.Tabs().at(1).dirty);
  EXPECT_EQ(test::readFile(path), "abc\n");
}

TEST_F(MainDialogTest, ASavedSourceTabShowsTheFileAsItIsOnDisk) {
  SelectNewSource("song.asm", "old\n");
  ShowTab(0);
  folder.write("song.asm", "new\n");
  ShowTab(1);
  EXPECT_EQ(view.editorText, "new\n");
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "new\n");
}

TEST_F(MainDialogTest, IncludeTabsReloadFromDiskWhileUnmodified) {
  SelectNewSource("song.asm", "x\n");
  dialog.ResetIncludeTabs(1);
  dialog.Tabs().at(TabSet::IncludeTab(0)).path = folder.write("defs.inc", "A EQU 1\n");
  dialog.UpdateTabTitles();
  ShowTab(6);
  EXPECT_EQ(view.lastEditorInput, "A EQU 1\r\n");
  EXPECT_EQ(view.editorTextColour, kWindowColours.editableText);
}

TEST_F(MainDialogTest, SelectionsAreClampedAndOrdered) {
  view.SetEditorText("0123456789");
  view.selection = {9, 2};
  dialog.SaveTabSelection(0);
  EXPECT_EQ(dialog.Tabs().at(0).selection.start, 2);
  EXPECT_EQ(dialog.Tabs().at(0).selection.end, 9);
  view.selection = {50, -3};
  dialog.SaveTabSelection(0);
  EXPECT_EQ(dialog.Tabs().at(0).selection.start, 0);
  EXPECT_EQ(dialog.Tabs().at(0).selection.end, 10);

  dialog.Tabs().at(4).selection.start = 40;
  dialog.Tabs().at(4).selection.end = -5;
  dialog.RestoreTabSelection(4);
  EXPECT_EQ(view.selection.start, 0);
  EXPECT_EQ(view.selection.end, 10);

  dialog.ResetIncludeTabs(1);
  view.selection = {3, 1};
  dialog.SaveTabSelection(6);
  EXPECT_EQ(dialog.Tabs().at(TabSet::IncludeTab(0)).selection.start, 1);
  EXPECT_EQ(dialog.Tabs().at(TabSet::IncludeTab(0)).selection.end, 3);
}

TEST_F(MainDialogTest, AnOutOfRangeSelectionShowsTheLog) {
  dialog.Tabs().current = 1;
  view.currentTab = -1;
  dialog.OnTabChanged();
  EXPECT_EQ(dialog.Tabs().current, 0);
  EXPECT_EQ(view.editorText, dialog.Tabs().at(kLogTab).text);
}

}  // namespace
}  // namespace qv
