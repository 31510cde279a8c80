// The find box, Next and Prev, Ctrl+F, and the window's own keys.
#include <gtest/gtest.h>

#include "window/main_dialog_fixture.h"

namespace qv {
namespace {

class FindTest : public test::MainDialogTest {
 protected:
  // The Source tab showing text, with the caret at a position.
  void ShowSource(const std::string& text, int caret) {
    SelectNewSource("song.asm", text);
    view.selection = {caret, caret};
  }

  void FindNext(const std::string& boxText) {
    view.texts[ControlId::FindText] = boxText;
    dialog.OnFindNext();
  }

  bool KeyDown(WindowKey key, bool ctrl = false, bool shift = false) {
    return dialog.PreTranslateKeyDown({key, ctrl, false, shift});
  }
};

TEST_F(FindTest, NextWrapsAroundToAMatchBeforeTheCaret) {
  ShowSource("label one\nother line\n", 12);
  FindNext("label");
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_EQ(view.selection.start, 0);
  EXPECT_EQ(view.selection.end, 5);
  EXPECT_EQ(view.focus, ControlId::OutputText);
  EXPECT_EQ(dialog.Find().findText, "label");
}

TEST_F(FindTest, NextGoesOnAfterTheLastMatchAndPrevGoesBack) {
  ShowSource("ab ab ab", 0);
  FindNext("ab");
  EXPECT_EQ(view.selection.start, 0);
  FindNext("ab");
  EXPECT_EQ(view.selection.start, 3);
  FindNext("ab");
  EXPECT_EQ(view.selection.start, 6);
  FindNext("ab");
  EXPECT_EQ(view.selection.start, 0);
  dialog.OnFindPrev();
  EXPECT_EQ(view.selection.start, 6);
  dialog.OnFindPrev();
  EXPECT_EQ(view.selection.start, 3);
}

TEST_F(FindTest, TheNextSearchStartsWhereTheUserPutTheCaret) {
  ShowSource("ab ab ab ab", 0);
  FindNext("ab");
  EXPECT_EQ(view.selection.start, 0);
  view.selection = {7, 7};
  FindNext("ab");
  EXPECT_EQ(view.selection.start, 9);
  view.selection = {4, 4};
  dialog.OnFindPrev();
  EXPECT_EQ(view.selection.start, 0);
}

TEST_F(FindTest, WholeWordSkipsAMatchFollowedByAnUnderscore) {
  ShowSource("ab_c ab", 0);
  view.checks[ControlId::WholeWord] = true;
  FindNext("ab");
  EXPECT_EQ(view.selection.start, 5);
  EXPECT_EQ(view.selection.end, 7);
}

TEST_F(FindTest, LetterCaseCountsOnlyWithMatchCase) {
  ShowSource("  LABEL\n", 0);
  FindNext("label");
  EXPECT_EQ(view.selection.start, 2);
  view.selection = {0, 0};
  view.checks[ControlId::MatchCase] = true;
  FindNext("label");
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "Text not found: label");
}

TEST_F(FindTest, TheBoxTextIsCleanedAndWrittenBack) {
  ShowSource("one two\n", 0);
  FindNext("\tone\t  two\r\n");
  EXPECT_EQ(view.texts[ControlId::FindText], "one   two");
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "Text not found: one   two");
}

TEST_F(FindTest, AnEmptyBoxOnlyTakesTheFocus) {
  ShowSource("text\n", 0);
  FindNext(" \t ");
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_EQ(view.focus, ControlId::FindText);
  EXPECT_EQ(view.texts[ControlId::FindText], "");
}

TEST_F(FindTest, FindWorksInEveryTab) {
  ShowSource("x\n", 0);
  ShowTab(kLogTab);
  FindNext("COMPILE");
  EXPECT_EQ(view.editorText, "No compile yet. Press Compile (F5).");
  EXPECT_EQ(view.selection.start, 3);
}

TEST_F(FindTest, F3FindsTheNextMatch) {
  ShowSource("ab ab", 1);
  view.texts[ControlId::FindText] = "ab";
  EXPECT_TRUE(KeyDown(WindowKey::F3));
  EXPECT_EQ(view.selection.start, 3);
}

TEST_F(FindTest, CtrlFTakesTheCleanedSelectionOfTheFocusedEditor) {
  ShowSource("first\nword next", 0);
  view.focus = ControlId::OutputText;
  view.selection = {0, 10};
  dialog.Find().findText = "old";
  EXPECT_TRUE(KeyDown(WindowKey::F, true));
  EXPECT_EQ(view.texts[ControlId::FindText], "first word");
  EXPECT_EQ(view.focus, ControlId::FindText);
  EXPECT_EQ(dialog.Find().findText, "old");
}

TEST_F(FindTest, CtrlFWithoutASelectionKeepsTheLastSearch) {
  ShowSource("text here", 0);
  dialog.Find().findText = "\tlast  ";
  view.focus = ControlId::OutputText;
  view.selection = {4, 4};
  EXPECT_TRUE(KeyDown(WindowKey::F, true));
  EXPECT_EQ(view.texts[ControlId::FindText], "last");
  EXPECT_EQ(dialog.Find().findText, "last");

  view.focus = ControlId::Browse;
  view.selection = {0, 4};
  EXPECT_TRUE(KeyDown(WindowKey::F, true));
  EXPECT_EQ(view.texts[ControlId::FindText], "last");
  EXPECT_FALSE(KeyDown(WindowKey::F));
}

TEST_F(FindTest, InsertTogglesOverwriteOnlyInEditableTabs) {
  ShowSource("x\n", 0);
  view.focus = ControlId::OutputText;
  EXPECT_TRUE(KeyDown(WindowKey::Insert));
  EXPECT_TRUE(dialog.Editor().Status().overwrite);
  EXPECT_EQ(view.statusLine, "Ready   OVR");
  EXPECT_TRUE(KeyDown(WindowKey::Insert));
  EXPECT_EQ(view.statusLine, "Ready   INS");

  ShowTab(kLogTab);
  EXPECT_FALSE(KeyDown(WindowKey::Insert));
  ShowTab(kSourceTab);
  view.focus = ControlId::FindText;
  EXPECT_FALSE(KeyDown(WindowKey::Insert));
  EXPECT_FALSE(dialog.Editor().Status().overwrite);
}

TEST_F(FindTest, OverwriteTypingNeverReplacesALineBreak) {
  ShowSource("ab\ncd\n", 1);
  view.focus = ControlId::OutputText;
  dialog.Editor().Status().overwrite = true;
  EXPECT_TRUE(dialog.PreTranslateChar('X', false, false));
  EXPECT_EQ(view.editorText, "aX\ncd\n");
  EXPECT_TRUE(dialog.PreTranslateChar('Y', false, false));
  EXPECT_EQ(view.editorText, "aXY\ncd\n");
  EXPECT_TRUE(dialog.PreTranslateChar('\t', false, false));
  EXPECT_EQ(view.editorText, "aXY\t\ncd\n");
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "aXY\t\ncd\n");
  EXPECT_TRUE(dialog.IsTabDirty(kSourceTab));
  EXPECT_EQ(view.statusLine, "Unsaved changes   OVR");

  view.selection = {static_cast<int>(view.editorText.size()), static_cast<int>(view.editorText.size())};
  EXPECT_TRUE(dialog.PreTranslateChar('Z', false, false));
  EXPECT_EQ(view.editorText, "aXY\t\ncd\nZ");
}

TEST_F(FindTest, InsertModeTypingReplacesOnlyTheSelection) {
  ShowSource("abcd", 1);
  view.focus = ControlId::OutputText;
  EXPECT_TRUE(dialog.PreTranslateChar('X', false, false));
  EXPECT_EQ(view.editorText, "aXbcd");
  view.selection = {2, 4};
  dialog.Editor().Status().overwrite = true;
  EXPECT_TRUE(dialog.PreTranslateChar('Y', false, false));
  EXPECT_EQ(view.editorText, "aXYd");
}

TEST_F(FindTest, TypedCharactersTheWindowLeavesToTheEditor) {
  ShowSource("abcd", 1);
  view.focus = ControlId::OutputText;
  EXPECT_FALSE(dialog.PreTranslateChar('x', true, false));
  EXPECT_FALSE(dialog.PreTranslateChar('x', false, true));
  EXPECT_FALSE(dialog.PreTranslateChar('\r', false, false));
  EXPECT_FALSE(dialog.PreTranslateChar('\xe9', false, false));
  ShowTab(kHexTab);
  EXPECT_FALSE(dialog.PreTranslateChar('x', false, false));
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "abcd");
}

TEST_F(FindTest, EnterBreaksTheLineInEditableTabsOnly) {
  ShowSource("abcd", 2);
  view.focus = ControlId::OutputText;
  EXPECT_TRUE(KeyDown(WindowKey::Enter));
  EXPECT_EQ(view.editorText, "ab\ncd");
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "ab\ncd");
  EXPECT_TRUE(dialog.IsTabDirty(kSourceTab));
  ShowTab(kLogTab);
  EXPECT_FALSE(KeyDown(WindowKey::Enter));
}

TEST_F(FindTest, EnterInTheFindBoxIsNextAndShiftEnterPrev) {
  ShowSource("ab ab ab", 4);
  view.texts[ControlId::FindText] = "ab";
  view.focus = ControlId::FindText;
  EXPECT_TRUE(KeyDown(WindowKey::Enter));
  EXPECT_EQ(view.selection.start, 6);
  EXPECT_EQ(view.focus, ControlId::FindText);
  EXPECT_TRUE(KeyDown(WindowKey::Enter, false, true));
  EXPECT_EQ(view.selection.start, 3);
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "ab ab ab");
}

TEST_F(FindTest, CtrlSSavesAndCtrlGGoesToALine) {
  ShowSource("one\ntwo\nthree\n", 5);
  Type("X");
  EXPECT_TRUE(KeyDown(WindowKey::S, true));
  EXPECT_FALSE(dialog.IsTabDirty(kSourceTab));
  EXPECT_EQ(view.statusLine, "Saved   INS");

  struct Case {
    std::optional<int> answer;
    int caret;
  };
  // The answer is kept to the lines there are, the last line break ending
  // the last; a cancel leaves the caret.
  for (const Case& c : {Case{3, 9}, Case{99, 9}, Case{std::nullopt, 9}, Case{0, 0}}) {
    view.lineNumberAnswer = c.answer;
    EXPECT_TRUE(KeyDown(WindowKey::G, true));
    EXPECT_EQ(view.selection.start, c.caret);
    EXPECT_EQ(view.selection.end, c.caret);
  }
  EXPECT_EQ(view.lineNumberQuestions.front(), std::make_pair(2, 3));
  EXPECT_EQ(view.lineNumberQuestions.back(), std::make_pair(3, 3));
  EXPECT_FALSE(KeyDown(WindowKey::G));
}

TEST_F(FindTest, F5CompilesFromAnywhere) {
  EXPECT_TRUE(KeyDown(WindowKey::F5));
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, "Select a source file before compiling.");
  EXPECT_FALSE(KeyDown(WindowKey::Other));
}

}  // namespace
}  // namespace qv
