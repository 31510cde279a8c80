// Double-click navigation to definitions and the check for a source changed
// by another program.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "window/demo_project.h"
#include "window/main_dialog_fixture.h"
#include "window/model/find/search_text.h"

namespace qv {
namespace {

class NavigateTest : public test::MainDialogTest {
 protected:
  void CompileDemo() {
    dialog.SelectSource(test::CopyDemoProject(folder), false);
    dialog.OnCompile();
  }

  int PositionOf(const std::string& text, std::size_t from = 0) {
    std::size_t found = view.editorText.find(text, from);
    EXPECT_NE(found, std::string::npos) << text;
    return static_cast<int>(found);
  }

  void ExpectAtLine(const std::string& name, int line) {
    EXPECT_EQ(view.currentTab, kSourceTab);
    int lineStart = static_cast<int>(LineStart(view.editorText, line));
    EXPECT_EQ(view.selection.start, lineStart);
    EXPECT_EQ(view.selection.end, lineStart);
    EXPECT_EQ(view.focus, ControlId::OutputText);
    EXPECT_EQ(view.statusLine, "Symbol: " + name + " (line " + std::to_string(line) + ")   INS");
  }
};

TEST_F(NavigateTest, AWordThatNamesASymbolLeadsToItsLine) {
  CompileDemo();
  ShowTab(kLstTab);
  ASSERT_TRUE(dialog.OnEditorDoubleClick(PositionOf("BRANCH_TO CHUFF_TOP") + 12));
  ExpectAtLine("CHUFF_TOP", test::kChuffTopLine);
  EXPECT_EQ(view.editorText.substr(view.selection.start, 10), "CHUFF_TOP:");
  EXPECT_EQ(dialog.Editor().Status().text, "Compile complete");
}

TEST_F(NavigateTest, ASymbolsRowLeadsToItsSymbolFromAnyColumn) {
  CompileDemo();
  ShowTab(kSymbolsTab);
  int row = PositionOf("CHUFF_TOP ");
  int rowStart = static_cast<int>(view.editorText.rfind('\n', static_cast<std::size_t>(row)) + 1);
  ASSERT_TRUE(dialog.OnEditorDoubleClick(rowStart));
  ExpectAtLine("CHUFF_TOP", test::kChuffTopLine);
}

TEST_F(NavigateTest, TheHeaderRowSearchesForTheWordUnderThePointer) {
  CompileDemo();
  ShowTab(kSymbolsTab);
  int header = PositionOf("Seq   Name");
  ASSERT_TRUE(dialog.OnEditorDoubleClick(header + 7));
  EXPECT_EQ(view.currentTab, kSourceTab);
  EXPECT_TRUE(view.messageBoxes.empty());
  EXPECT_NE(view.statusLine.rfind("Symbol: ", 0), 0u);
}

TEST_F(NavigateTest, AHexadecimalLookingNameIsTakenFromUnderThePointer) {
  std::string path = SelectNewSource("song.asm", "; values\nFACE EQU 7\nOTHER EQU FACE\n");
  dialog.OnCompile();
  ShowTab(kSymbolsTab);
  int name = PositionOf(" FACE ") + 1;
  std::size_t rowStart = view.editorText.rfind('\n', static_cast<std::size_t>(name)) + 1;

  // The sequence number is the word there: not a symbol, so it is searched for.
  ASSERT_TRUE(dialog.OnEditorDoubleClick(static_cast<int>(rowStart)));
  EXPECT_EQ(view.currentTab, kSourceTab);
  EXPECT_NE(view.statusLine.rfind("Symbol: ", 0), 0u);

  ShowTab(kSymbolsTab);
  ASSERT_TRUE(dialog.OnEditorDoubleClick(name + 2));
  ExpectAtLine("FACE", 2);
}

TEST_F(NavigateTest, ANameThatIsNoSymbolIsSearchedForInTheSource) {
  CompileDemo();
  // Without a place, the log line's word is all there is to go by.
  for (MessagePlace& place : dialog.Last().result.messagePlaces) place = {};
  ShowTab(kLogTab);
  ASSERT_TRUE(dialog.OnEditorDoubleClick(PositionOf("QVX5_SND_MACS.INC for")));
  EXPECT_EQ(view.currentTab, kSourceTab);
  int found = view.selection.start;
  EXPECT_EQ(view.editorText.substr(static_cast<std::size_t>(found), 13), "QVX5_SND_MACS");
  EXPECT_EQ(view.selection.end, found + 13);
  EXPECT_TRUE(view.messageBoxes.empty());
}

TEST_F(NavigateTest, NavigationKeepsUnsavedSourceEdits) {
  CompileDemo();
  ShowTab(kSourceTab);
  view.selection = {0, 0};
  Type("; edited\n");
  ShowTab(kLstTab);
  ASSERT_TRUE(dialog.OnEditorDoubleClick(PositionOf("BRANCH_TO CHUFF_TOP") + 12));
  EXPECT_TRUE(dialog.IsTabDirty(kSourceTab));
  EXPECT_EQ(view.editorText.substr(0, 9), "; edited\n");
  // The edit moved every line down by one.
  ExpectAtLine("CHUFF_TOP", test::kChuffTopLine);
  EXPECT_EQ(view.editorText.substr(view.selection.start, 22), "        LOAD_MODIFIER ");
}

TEST_F(NavigateTest, NothingHappensWithoutALineOrOutsideTheText) {
  SelectNewSource("song.asm", "LOOP\n");
  ShowTab(kLogTab);
  SymbolRecord record;
  record.name = "LOOP";
  record.line = 0;
  dialog.Last().result.symbols = {record};
  dialog.Last().compiled = true;
  EXPECT_FALSE(dialog.NavigateToName("loop"));
  EXPECT_FALSE(dialog.OnEditorDoubleClick(-1));
  EXPECT_FALSE(dialog.OnEditorDoubleClick(static_cast<int>(view.editorText.size())));
  EXPECT_EQ(view.currentTab, kLogTab);
}

TEST_F(NavigateTest, SymbolNamesMatchIgnoringCaseUpTo128Characters) {
  SelectNewSource("song.asm", "a\nb\nc\n");
  std::string longName(129, 'N');
  SymbolRecord shortRecord;
  shortRecord.name = "LOOP";
  shortRecord.line = 2;
  SymbolRecord longRecord = shortRecord;
  longRecord.name = longName;
  dialog.Last().result.symbols = {shortRecord, longRecord};
  EXPECT_TRUE(dialog.NavigateToName("Loop"));
  EXPECT_EQ(view.statusLine, "Symbol: Loop (line 2)   INS");
  dialog.NavigateToName(longName);
  EXPECT_EQ(view.statusLine, "Not evaluated - run Compile (F5)   INS");
}

class ChangeCheckTest : public test::MainDialogTest {
 protected:
  // Rewrites the source with a last-write time later than any before.
  void ChangeOnDisk(const std::string& text) {
    folder.write("song.asm", text);
    laterBy_ += std::chrono::seconds(2);
    // Windows sets no time on a folder that stands in the file's place; being
    // new, the folder is later anyway.
    std::error_code error;
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() + laterBy_, error);
  }

  void ReturnToTheWindow() {
    dialog.OnActivateApp(false);
    dialog.OnActivateApp(true);
  }

  std::string path = folder.write("song.asm", "old\n");

 private:
  std::chrono::seconds laterBy_{0};
};

constexpr char kReloadQuestion[] = "The source file was changed by another editor.\r\nReload now?";

TEST_F(ChangeCheckTest, YesReloadsTheSource) {
  dialog.SelectSource(path, true);
  ChangeOnDisk("new\n");
  ReturnToTheWindow();
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text, kReloadQuestion);
  EXPECT_EQ(view.messageBoxes[0].buttons, MessageBoxButtons::YesNo);
  EXPECT_EQ(view.messageBoxes[0].icon, MessageBoxIcon::Question);
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "new\n");
  EXPECT_EQ(view.editorText, "new\n");
  ReturnToTheWindow();
  EXPECT_EQ(view.messageBoxes.size(), 1u);
}

TEST_F(ChangeCheckTest, NoKeepsTheTextAndAsksAgainOnlyAfterTheNextChange) {
  dialog.SelectSource(path, true);
  ChangeOnDisk("new\n");
  view.answers = {MessageBoxAnswer::No};
  ReturnToTheWindow();
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "old\n");
  ReturnToTheWindow();
  EXPECT_EQ(view.messageBoxes.size(), 1u);
  ChangeOnDisk("newer\n");
  ReturnToTheWindow();
  EXPECT_EQ(view.messageBoxes.size(), 2u);
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "newer\n");
}

TEST_F(ChangeCheckTest, UnsavedEditsAreNamedInTheQuestion) {
  dialog.SelectSource(path, true);
  Type("typed ");
  ChangeOnDisk("new\n");
  ReturnToTheWindow();
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.messageBoxes[0].text,
            "The source file was changed by another editor.\r\nReload and discard unsaved changes in Source tab?");
  EXPECT_FALSE(dialog.IsTabDirty(kSourceTab));
  EXPECT_EQ(view.editorText, "new\n");
}

TEST_F(ChangeCheckTest, ShowingTheSourceTabChecksToo) {
  dialog.SelectSource(path, false);
  ShowTab(kLogTab);
  std::string logText = dialog.Tabs().at(kLogTab).text;
  ChangeOnDisk("new\n");
  ReturnToTheWindow();
  EXPECT_TRUE(view.messageBoxes.empty());
  ShowTab(kSourceTab);
  ASSERT_EQ(view.messageBoxes.size(), 1u);
  EXPECT_EQ(view.editorText, "new\n");
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, logText);
}

TEST_F(ChangeCheckTest, AFailedReloadKeepsTheTextAndAsksAgain) {
  dialog.SelectSource(path, true);
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  ChangeOnDisk("");
  ReturnToTheWindow();
  ASSERT_EQ(view.messageBoxes.size(), 2u);
  EXPECT_EQ(view.messageBoxes[1].text, "Unable to reload source file.");
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "old\n");
  ReturnToTheWindow();
  EXPECT_EQ(view.messageBoxes.size(), 4u);
}

}  // namespace
}  // namespace qv
