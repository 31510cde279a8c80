// From a message or a symbol to its line in the right tab, F4, word
// selection, and what each tab shows of where the caret is.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "window/demo_project.h"
#include "window/main_dialog_fixture.h"
#include "window/model/find/search_text.h"

namespace qv {
namespace {

constexpr int kWavesTab = kFixedTabCount;
// Where the carried definitions file stands in for a missing one.
constexpr int kTrigSoundOnLine = 46;

class PlacesTest : public test::MainDialogTest {
 protected:
  void SetUp() override {
    MainDialogTest::SetUp();
    source = test::CopyDemoProject(folder);
    dialog.SelectSource(source, false);
    dialog.OnCompile();
    ASSERT_EQ(dialog.TabCount(), kWavesTab + 1);
    carried = dialog.Last().result.symbols.front().file;
    ASSERT_EQ(fileNameOf(carried), "QVX5_SND_CMD.INC");
  }

  // A test gives messages the places it needs and shows the Log made from them.
  void PlaceMessage(std::size_t index, const std::string& file, int line) {
    dialog.Last().result.messagePlaces.at(index) = {file, line};
  }
  void ShowLog() {
    dialog.Tabs().at(kLogTab).text.clear();
    ShowTab(kLogTab);
  }

  int PositionOf(const std::string& text) {
    std::size_t found = view.editorText.find(text);
    EXPECT_NE(found, std::string::npos) << text;
    return static_cast<int>(found);
  }

  void ExpectCaretAtLineStart(int tab, int line) {
    EXPECT_EQ(view.currentTab, tab);
    int lineStart = static_cast<int>(LineStart(view.editorText, line));
    EXPECT_EQ(view.selection.start, lineStart);
    EXPECT_EQ(view.selection.end, lineStart);
  }

  std::string source;
  std::string carried;
};

TEST_F(PlacesTest, ALogLineLeadsToItsMessagesPlace) {
  std::string waves = dialog.Tabs().IncludePaths().at(0);
  struct Case {
    std::string file;
    int line;
    int tab;
    std::string status;
  };
  for (const Case& c : {Case{source, 12, kSourceTab, "demo.asm line 12"},
                        Case{waves, 6, kWavesTab, "demo_waves.inc line 6"},
                        // No tab for a carried include: only the status line says where.
                        Case{carried, kTrigSoundOnLine, kLogTab, "QVX5_SND_CMD.INC line 46"}}) {
    PlaceMessage(118, c.file, c.line);
    ShowLog();
    view.focus = ControlId::Browse;
    ASSERT_TRUE(dialog.OnEditorDoubleClick(PositionOf("] 119 [info]") + 4)) << c.status;
    EXPECT_EQ(view.statusLine, c.status + "   INS");
    if (c.tab == kLogTab) {
      EXPECT_EQ(view.currentTab, kLogTab);
      continue;
    }
    ExpectCaretAtLineStart(c.tab, c.line);
    EXPECT_EQ(view.focus, ControlId::OutputText);
  }
}

TEST_F(PlacesTest, ALogLineWithoutAPlaceSearchesTheWordAsBefore) {
  for (MessagePlace& place : dialog.Last().result.messagePlaces) place = {};
  ShowLog();
  ASSERT_TRUE(dialog.OnEditorDoubleClick(PositionOf("QVX5_SND_MACS.INC for")));
  EXPECT_EQ(view.currentTab, kSourceTab);
  EXPECT_EQ(view.editorText.substr(static_cast<std::size_t>(view.selection.start), 13), "QVX5_SND_MACS");
}

TEST_F(PlacesTest, F4GoesRoundTheMessagesWithAPlaceFromAnyTab) {
  PlaceMessage(0, source, 12);
  PlaceMessage(5, source, 20);  // a define note: the Log does not show it
  PlaceMessage(118, dialog.Tabs().IncludePaths().at(0), 6);
  ShowTab(kHexTab);
  struct Step {
    bool shift;
    int tab;
    int line;
  };
  for (const Step& step : {Step{false, kSourceTab, 12}, Step{false, kWavesTab, 6}, Step{false, kSourceTab, 12},
                           Step{true, kWavesTab, 6}, Step{true, kSourceTab, 12}}) {
    EXPECT_TRUE(dialog.PreTranslateKeyDown({WindowKey::F4, false, false, step.shift}));
    ExpectCaretAtLineStart(step.tab, step.line);
  }
}

TEST_F(PlacesTest, SymbolsLeadToTheFileThatDefinesThem) {
  ShowTab(kLstTab);
  ASSERT_TRUE(dialog.OnEditorDoubleClick(PositionOf("PLAY HNDL_IDLE_START") + 6));
  ExpectCaretAtLineStart(kWavesTab, 6);
  EXPECT_EQ(view.statusLine, "Symbol: HNDL_IDLE_START (demo_waves.inc line 6)   INS");
  EXPECT_EQ(view.editorText.substr(static_cast<std::size_t>(view.selection.start), 15), "HNDL_IDLE_START");

  ShowTab(kLstTab);
  ASSERT_TRUE(dialog.OnEditorDoubleClick(PositionOf("TRIG_SOUND_ON,") + 2));
  EXPECT_EQ(view.currentTab, kLstTab);
  EXPECT_EQ(view.statusLine, "Symbol: TRIG_SOUND_ON (QVX5_SND_CMD.INC line 46)   INS");
}

TEST_F(PlacesTest, ADoubleClickInAnEditedTextSelectsAWordThatIsNoSymbol) {
  struct Case {
    int tab;
    std::string word;
    bool navigates;
  };
  // Where the word is no symbol, the editor selects it itself.
  for (const Case& c : {Case{kSourceTab, "INITIATE_SOUND", false}, Case{kWavesTab, "CBLOCK", false},
                        Case{kSourceTab, "BRANCH_TO CHUFF_TOP", true}, Case{kLstTab, "INITIATE_SOUND", true}}) {
    ShowTab(c.tab);
    view.selection = {0, 0};
    int at = PositionOf(c.word) + static_cast<int>(c.word.size()) - 2;
    EXPECT_EQ(dialog.OnEditorDoubleClick(at), c.navigates) << c.word;
    EXPECT_EQ(view.currentTab, c.navigates ? kSourceTab : c.tab) << c.word;
    EXPECT_EQ(view.selection.start != 0, c.navigates) << c.word;
  }
}

TEST_F(PlacesTest, LineNumbersAndTheCaretsPlaceWhereTheyHelp) {
  struct Case {
    int tab;
    bool lineNumbers;
    bool caretPlace;
  };
  for (const Case& c : {Case{kLogTab, false, false}, Case{kSourceTab, true, true}, Case{kMapTab, false, false},
                        Case{kSymbolsTab, false, false}, Case{kLstTab, true, false}, Case{kHexTab, false, false},
                        Case{kWavesTab, true, true}}) {
    ShowTab(c.tab);
    EXPECT_EQ(view.lineNumbers, c.lineNumbers) << c.tab;
    EXPECT_EQ(!view.caretPlace.empty(), c.caretPlace) << c.tab;
  }
  ShowTab(kSourceTab);
  view.selection = {0, static_cast<int>(LineStart(view.editorText, 2)) + 4};
  dialog.OnEditorCaretMoved();
  EXPECT_EQ(view.caretPlace, "Ln 2, Col 5");
}

TEST_F(PlacesTest, ACompileKeepsTheCaretAndViewOfEachEditedText) {
  ShowTab(kWavesTab);
  view.selection = {40, 45};
  view.firstVisibleLine = 3;
  ShowTab(kSourceTab);
  view.selection = {300, 310};
  view.firstVisibleLine = 20;
  dialog.OnCompile();
  EXPECT_EQ(view.currentTab, kSourceTab);
  EXPECT_EQ(view.selection.start, 300);
  EXPECT_EQ(view.selection.end, 310);
  EXPECT_EQ(view.firstVisibleLine, 20);
  ShowTab(kWavesTab);
  EXPECT_EQ(view.selection.start, 40);
  EXPECT_EQ(view.selection.end, 45);
  EXPECT_EQ(view.firstVisibleLine, 3);
}

TEST_F(PlacesTest, EveryFileTabNamesItsFullPath) {
  std::string base = source.substr(0, source.size() - 4) + "_Y";
  EXPECT_EQ(view.tabToolTips[kLogTab], "");
  EXPECT_EQ(view.tabToolTips[kSourceTab], source);
  EXPECT_EQ(view.tabToolTips[kMapTab], base + ".MAP");
  EXPECT_EQ(view.tabToolTips[kHexTab], base + ".HEX");
  EXPECT_EQ(view.tabToolTips[kWavesTab], dialog.Tabs().IncludePaths().at(0));
}

}  // namespace
}  // namespace qv
