// Each editable tab's undo and redo, through the window's keys.
#include <gtest/gtest.h>

#include <functional>

#include "window/demo_project.h"
#include "window/main_dialog_fixture.h"

namespace qv {
namespace {

constexpr int kDemoWavesTab = kFixedTabCount;

class TabUndoTest : public test::MainDialogTest {
 protected:
  bool CtrlKey(WindowKey key, bool shift = false) {
    view.focus = ControlId::OutputText;
    return dialog.PreTranslateKeyDown({key, true, false, shift});
  }

  // Key by key, as the user types.
  void TypeKeys(int position, const std::string& keys) {
    view.focus = ControlId::OutputText;
    view.selection = {position, position};
    for (char key : keys) Type(std::string(1, key));
  }

  bool Unsaved(int tab) {
    return dialog.IsTabDirty(tab) && view.tabs.at(static_cast<std::size_t>(tab)).find('*') != std::string::npos;
  }
};

TEST_F(TabUndoTest, StepsOutliveTabSwitchesCompilesAndJumps) {
  struct Case {
    const char* what;
    std::function<void()> between;
    // A compile saves the edit first: the text undone is then unsaved.
    bool undoneUnsaved;
  };
  for (const Case& c : std::vector<Case>{
           {"to the Log and back", [&] { ShowTab(kLogTab); ShowTab(kSourceTab); }, false},
           {"F5", [&] { dialog.PreTranslateKeyDown({WindowKey::F5}); }, true},
           {"Ctrl+G", [&] { view.lineNumberAnswer = 30; CtrlKey(WindowKey::G); }, false},
       }) {
    dialog.SelectSource(test::CopyDemoProject(folder), true);
    std::string original = view.editorText;
    TypeKeys(0, "; x");
    std::string edited = view.editorText;
    ASSERT_TRUE(Unsaved(kSourceTab)) << c.what;

    c.between();
    ASSERT_EQ(view.currentTab, kSourceTab) << c.what;
    EXPECT_TRUE(CtrlKey(WindowKey::Z)) << c.what;
    EXPECT_EQ(view.editorText, original) << c.what;
    EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, original) << c.what;
    EXPECT_EQ(Unsaved(kSourceTab), c.undoneUnsaved) << c.what;
    // Nothing more to undo: the key does nothing.
    EXPECT_TRUE(CtrlKey(WindowKey::Z)) << c.what;
    EXPECT_EQ(view.editorText, original) << c.what;

    EXPECT_TRUE(CtrlKey(WindowKey::Y)) << c.what;
    EXPECT_EQ(view.editorText, edited) << c.what;
    EXPECT_EQ(Unsaved(kSourceTab), !c.undoneUnsaved) << c.what;
    CtrlKey(WindowKey::Z);
    EXPECT_TRUE(CtrlKey(WindowKey::Z, true)) << c.what;
    EXPECT_EQ(view.editorText, edited) << c.what;
  }
}

TEST_F(TabUndoTest, EachTabUndoesItsOwnEdits) {
  dialog.SelectSource(test::CopyDemoProject(folder), true);
  dialog.OnCompile();
  ASSERT_EQ(dialog.TabCount(), kDemoWavesTab + 1);
  std::string source = view.editorText;
  TypeKeys(0, "S");
  ShowTab(kDemoWavesTab);
  std::string waves = view.editorText;
  TypeKeys(0, "W");
  ShowTab(kSourceTab);
  CtrlKey(WindowKey::Z);
  EXPECT_EQ(view.editorText, source);
  CtrlKey(WindowKey::Z);
  EXPECT_EQ(view.editorText, source);
  ShowTab(kDemoWavesTab);
  EXPECT_EQ(view.editorText, "W" + waves);
  CtrlKey(WindowKey::Z);
  EXPECT_EQ(view.editorText, waves);
  EXPECT_FALSE(Unsaved(kDemoWavesTab));
}

TEST_F(TabUndoTest, TheKeysAreTheEditorsOnlyInAnEditableTab) {
  dialog.SelectSource(test::CopyDemoProject(folder), true);
  TypeKeys(0, "x");
  view.focus = ControlId::FindText;
  EXPECT_FALSE(dialog.PreTranslateKeyDown({WindowKey::Z, true, false, false}));
  ShowTab(kLogTab);
  EXPECT_FALSE(CtrlKey(WindowKey::Z));
  EXPECT_FALSE(dialog.PreTranslateKeyDown({WindowKey::Z, false, false, false}));
}

}  // namespace
}  // namespace qv
