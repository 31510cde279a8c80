// Where jumps leave the editor and the status line, and the ways to a tab.
#include <gtest/gtest.h>

#include <functional>

#include "window/demo_project.h"
#include "window/main_dialog_fixture.h"
#include "window/model/find/search_text.h"

namespace qv {
namespace {

constexpr int kJumpWavesTab = kFixedTabCount;

class JumpTest : public test::MainDialogTest {
 protected:
  void GoToLine(int line) {
    view.focus = ControlId::OutputText;
    view.lineNumberAnswer = line;
    dialog.PreTranslateKeyDown({WindowKey::G, true, false, false});
  }

  std::string Numbered(int lines) {
    std::string text;
    for (int line = 1; line <= lines; ++line) text += "L" + std::to_string(line) + "\n";
    return text;
  }
};

TEST_F(JumpTest, TheTargetLineComesNearTheMiddle) {
  SelectNewSource("song.asm", Numbered(100));
  view.visibleLineCount = 20;
  struct Case {
    int line;
    int firstVisible;
  };
  for (Case c : {Case{50, 39}, Case{11, 0}, Case{3, 0}, Case{100, 89}}) {
    GoToLine(c.line);
    EXPECT_EQ(view.firstVisibleLine, c.firstVisible) << c.line;
    EXPECT_EQ(view.selection.start, static_cast<int>(LineStart(view.editorText, c.line))) << c.line;
  }
  // The last line break ends line 100: there is no line 101 to offer.
  EXPECT_EQ(view.lineNumberQuestions.back().second, 100);
}

TEST_F(JumpTest, ASymbolsPlaceIsSaidUntilTheCaretLeavesIt) {
  SelectNewSource("song.asm", "a\nb\nc\n");
  SymbolRecord loop;
  loop.name = "LOOP";
  loop.line = 2;
  dialog.Last().result.symbols = {loop};
  struct Case {
    const char* what;
    std::function<void()> next;
    std::string status;
  };
  for (const Case& c : std::vector<Case>{
           {"the caret stays", [&] { dialog.OnEditorCaretMoved(); }, "Symbol: LOOP (line 2)   INS"},
           {"Insert", [&] { dialog.PreTranslateKeyDown({WindowKey::Insert}); }, "Symbol: LOOP (line 2)   OVR"},
           {"the caret moves", [&] {
              view.selection = {0, 0};
              dialog.OnEditorCaretMoved();
            }, "Not evaluated - run Compile (F5)   INS"},
           {"a save", [&] { dialog.OnSaveFiles(); }, "Saved   INS"},
       }) {
    view.focus = ControlId::OutputText;
    dialog.Editor().Status().overwrite = false;
    ASSERT_TRUE(dialog.NavigateToName("LOOP")) << c.what;
    c.next();
    EXPECT_EQ(view.statusLine, c.status) << c.what;
  }
}

TEST_F(JumpTest, IncludeNamesAndTheTabListLeadToTabs) {
  dialog.SelectSource(test::CopyDemoProject(folder), true);
  dialog.OnCompile();
  ASSERT_EQ(dialog.TabCount(), kJumpWavesTab + 1);
  ShowTab(kSourceTab);
  std::size_t name = view.editorText.find("\"demo_waves.inc\"");
  ASSERT_TRUE(dialog.OnEditorDoubleClick(static_cast<int>(name + 3)));
  EXPECT_EQ(view.currentTab, kJumpWavesTab);
  EXPECT_EQ(view.editorText, dialog.Tabs().at(kJumpWavesTab).text);

  EXPECT_EQ(dialog.TabListLabels(), view.tabs);
  dialog.OnTabListChosen(kSourceTab);
  EXPECT_EQ(view.currentTab, kSourceTab);
  dialog.OnTabListChosen(99);
  EXPECT_EQ(view.currentTab, kSourceTab);
  // A carried include has no tab: the word under the pointer is only selected.
  std::size_t carried = view.editorText.find("QVX5_SND_CMD.INC");
  EXPECT_FALSE(dialog.OnEditorDoubleClick(static_cast<int>(carried + 2)));
  EXPECT_EQ(view.currentTab, kSourceTab);
}

TEST_F(JumpTest, LabelsOfUpTo128CharactersAreFound) {
  std::string text = "        INCLUDE \"QVX5_SND_CMD.INC\"\n        INCLUDE \"QVX5_SND_MACS.INC\"\n"
                     "        SKEME_START 0\n        CHANNEL_START 0\n";
  struct Case {
    std::size_t length;
    bool found;
  };
  const std::vector<Case> cases{{127, true}, {128, true}, {129, false}};
  for (const Case& c : cases) {
    text += std::string(c.length, static_cast<char>('A' + c.length - 127)) + "\n        END_SOUND\n";
  }
  text += "        CHANNEL_END\n        SKEME_END\n";
  SelectNewSource("long.asm", text);
  dialog.OnCompile();
  ShowTab(kSourceTab);
  for (const Case& c : cases) {
    std::string label(c.length, static_cast<char>('A' + c.length - 127));
    std::size_t at = view.editorText.find(label + "\n");
    view.selection = {0, 0};
    EXPECT_EQ(dialog.OnEditorDoubleClick(static_cast<int>(at + 5)), c.found) << c.length;
    EXPECT_EQ(view.statusLine.rfind("Symbol: " + label + " (line ", 0) == 0, c.found) << c.length;
  }
}

}  // namespace
}  // namespace qv
