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
  dialog.m_includePaths = {folder.file("defs.inc"), "", "C:\\p\\"};
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
  dialog.m_tabDirty[1] = true;
  dialog.SetOutputText("text", 1, false);
  EXPECT_TRUE(dialog.m_tabDirty[1]);
  dialog.SetOutputText("text", 1, true);
  EXPECT_FALSE(dialog.m_tabDirty[1]);
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
  EXPECT_FALSE(dialog.m_settingText);
}

TEST_F(MainDialogTest, SetOutputTextClearsTheModifiedFlagOnlyWhenAsked) {
  dialog.m_tabDirty[1] = true;
  view.editorModified = true;
  dialog.SetOutputText("kept", 1, false);
  EXPECT_TRUE(dialog.m_tabDirty[1]);
  EXPECT_FALSE(view.editorModified);
  dialog.SetOutputText("kept", 1, true);
  EXPECT_FALSE(dialog.m_tabDirty[1]);
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
  EXPECT_TRUE(dialog.m_hexText.empty());
  ShowTab(2);
  EXPECT_EQ(view.editorText, "Map not evaluated. Press Compile (F5).");
}

TEST_F(MainDialogTest, ShowingMapBeforeACompileLeavesItsBufferEmpty) {
  view.currentTab = 2;
  dialog.RefreshOutput();
  EXPECT_EQ(view.editorText, "Map not evaluated. Press Compile (F5).");
  EXPECT_TRUE(dialog.m_mapText.empty());
}

TEST_F(MainDialogTest, LogAndSourcePlaceholders) {
  dialog.m_logText.clear();
  view.currentTab = 0;
  dialog.RefreshOutput();
  EXPECT_EQ(view.editorText, "No compile yet. Press Compile (F5).");
  EXPECT_EQ(dialog.m_logText, "No compile yet. Press Compile (F5).");

  dialog.m_sourceText.clear();
  view.currentTab = 1;
  dialog.RefreshOutput();
  EXPECT_EQ(view.editorText, "<no source selected>");
  EXPECT_TRUE(dialog.m_sourceText.empty());
  EXPECT_EQ(view.statusLine, "No source selected   INS");
}

TEST_F(MainDialogTest, CompiledTabsFillTheirBuffersOnFirstShow) {
  SelectNewSource("song.asm", "x\n");
  dialog.m_compiled = true;
  dialog.m_lastResult.mapText = "H\tmap";
  dialog.m_lastResult.symbolText = "S\tsym";
  dialog.m_lastResult.listingText = "L\tlst";
  dialog.m_lastResult.hexText = "X\thex";
  struct Case {
    int tab;
    const std::string* buffer;
    const char* text;
  };
  for (const Case& c : {Case{2, &dialog.m_mapText, "H       map"}, Case{3, &dialog.m_symbolsText, "S\tsym"},
                        Case{4, &dialog.m_lstText, "L       lst"}, Case{5, &dialog.m_hexText, "X\thex"}}) {
    ShowTab(c.tab);
    EXPECT_EQ(*c.buffer, c.text);
    EXPECT_EQ(view.editorText, c.text);
  }
  EXPECT_EQ(view.statusLine, "Compile complete   INS");
}

TEST_F(MainDialogTest, StatusWordsAfterACompile) {
  SelectNewSource("song.asm", "x\n");
  dialog.m_compiled = true;
  dialog.m_lastResult.messages = {"NOTE: harmless", "WARNING: odd"};
  dialog.m_lastResult.messageKinds = {MessageKind::Note, MessageKind::Warning};
  dialog.RefreshOutput();
  EXPECT_EQ(view.statusLine, "Compile completed with warnings   INS");
  dialog.m_lastResult.messages.push_back("bad");
  dialog.m_lastResult.messageKinds.push_back(MessageKind::Error);
  dialog.RefreshOutput();
  EXPECT_EQ(view.statusLine, "Compile completed with errors   INS");
}

TEST_F(MainDialogTest, TypingInTheSourceCapturesItAndShowsUnsavedChanges) {
  SelectNewSource("song.asm", "abc\n");
  view.selection = {3, 3};
  Type("d");
  EXPECT_EQ(dialog.m_sourceText, "abcd\n");
  EXPECT_TRUE(dialog.m_tabDirty[1]);
  EXPECT_EQ(dialog.m_statusText, "Unsaved changes");
  EXPECT_EQ(view.statusLine, "Unsaved changes   INS");
}

TEST_F(MainDialogTest, TypingInAnOutputTabMarksItWithoutUnsavedChanges) {
  ShowTab(2);
  Type("x");
  EXPECT_TRUE(dialog.m_tabDirty[2]);
  EXPECT_EQ(view.statusLine, "No source selected   INS");
  // Only a switch away stores the edit in the buffer.
  EXPECT_TRUE(dialog.m_mapText.empty());
}

TEST_F(MainDialogTest, ChangesMadeByTheWindowItselfAreNotTyping) {
  dialog.m_settingText = true;
  view.currentTab = 1;
  dialog.OnEditorChange();
  EXPECT_FALSE(dialog.m_tabDirty[1]);
  dialog.m_settingText = false;

  view.currentTab = -1;
  dialog.OnEditorChange();
  EXPECT_TRUE(dialog.m_tabDirty[0]);
}

TEST_F(MainDialogTest, CaptureMarksOnlyEditableTabsAndOnlyWhenModified) {
  view.SetEditorText("log edit");
  view.editorModified = true;
  dialog.CaptureTabText(0);
  EXPECT_EQ(dialog.m_logText, "log edit");
  EXPECT_FALSE(dialog.m_tabDirty[0]);

  dialog.CaptureTabText(1);
  EXPECT_EQ(dialog.m_sourceText, "log edit");
  EXPECT_TRUE(dialog.m_tabDirty[1]);

  dialog.ResetIncludeTabs(1);
  view.editorModified = false;
  dialog.CaptureTabText(6);
  EXPECT_EQ(dialog.m_includeTexts[0], "log edit");
  EXPECT_FALSE(dialog.m_includeDirty[0]);
  // A tab past the set has no buffer.
  dialog.CaptureTabText(7);
  EXPECT_EQ(dialog.TabCount(), 7);
}

TEST_F(MainDialogTest, MarkTabDirtyOnIncludeTabs) {
  dialog.ResetIncludeTabs(2);
  dialog.MarkTabDirty(7, true);
  EXPECT_EQ(dialog.m_includeDirty, (std::vector<bool>{false, true}));
  EXPECT_EQ(view.statusLine, "Unsaved changes   INS");
  dialog.MarkTabDirty(7, false);
  EXPECT_FALSE(dialog.m_includeDirty[1]);
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
  EXPECT_TRUE(dialog.m_tabDirty[1]);
  EXPECT_EQ(test::readFile(path), "abc\n");
}

TEST_F(MainDialogTest, ASavedSourceTabShowsTheFileAsItIsOnDisk) {
  SelectNewSource("song.asm", "old\n");
  ShowTab(0);
  folder.write("song.asm", "new\n");
  ShowTab(1);
  EXPECT_EQ(view.editorText, "new\n");
  EXPECT_EQ(dialog.m_sourceText, "new\n");
}

TEST_F(MainDialogTest, IncludeTabsReloadFromDiskWhileUnmodified) {
  SelectNewSource("song.asm", "x\n");
  dialog.ResetIncludeTabs(1);
  dialog.m_includePaths[0] = folder.write("defs.inc", "A EQU 1\n");
  dialog.UpdateTabTitles();
  ShowTab(6);
  EXPECT_EQ(view.lastEditorInput, "A EQU 1\r\n");
  EXPECT_EQ(view.editorTextColour, kWindowColours.editableText);
}

TEST_F(MainDialogTest, SelectionsAreClampedAndOrdered) {
  view.SetEditorText("0123456789");
  view.selection = {9, 2};
  dialog.SaveTabSelection(0);
  EXPECT_EQ(dialog.m_tabSelStart[0], 2);
  EXPECT_EQ(dialog.m_tabSelEnd[0], 9);
  view.selection = {50, -3};
  dialog.SaveTabSelection(0);
  EXPECT_EQ(dialog.m_tabSelStart[0], 0);
  EXPECT_EQ(dialog.m_tabSelEnd[0], 10);

  dialog.m_tabSelStart[4] = 40;
  dialog.m_tabSelEnd[4] = -5;
  dialog.RestoreTabSelection(4);
  EXPECT_EQ(view.selection.start, 0);
  EXPECT_EQ(view.selection.end, 10);

  dialog.ResetIncludeTabs(1);
  view.selection = {3, 1};
  dialog.SaveTabSelection(6);
  EXPECT_EQ(dialog.m_includeSelStart[0], 1);
  EXPECT_EQ(dialog.m_includeSelEnd[0], 3);
}

TEST_F(MainDialogTest, AnOutOfRangeSelectionShowsTheLog) {
  dialog.m_currentTab = 1;
  view.currentTab = -1;
  dialog.OnTabChanged();
  EXPECT_EQ(dialog.m_currentTab, 0);
  EXPECT_EQ(view.editorText, dialog.m_logText);
}

}  // namespace
}  // namespace qv
