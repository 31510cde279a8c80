// The window as it opens.
#include <gtest/gtest.h>

#include "window/main_dialog_fixture.h"

namespace qv {
namespace {

using test::MainDialogTest;

TEST_F(MainDialogTest, OpensWithTitleTabsAndStatus) {
  EXPECT_EQ(view.title, "Quaverton - version 1.2a 30 September 2026");
  EXPECT_EQ(view.tabs,
            (std::vector<std::string>{"Log", "<no source selected>", "Map", "Symbols", "LST", "Hex"}));
  EXPECT_EQ(view.currentTab, 0);
  EXPECT_EQ(view.statusLine, "No source selected   INS");
  EXPECT_FALSE(view.statusHighlight);
  EXPECT_EQ(view.editorText, "No source selected. Use Browse or the recent list to choose a source.");
  EXPECT_EQ(dialog.Tabs().at(kLogTab).text, "No source selected. Use Browse or the recent list to choose a source.");
  EXPECT_EQ(dialog.Tabs().at(kSourceTab).text, "<no source selected>");
  EXPECT_EQ(dialog.Tabs().titles[0], "<no source selected>");
}

TEST_F(MainDialogTest, OpensWithItsControlsReset) {
  EXPECT_EQ(view.texts[ControlId::Suffix], "_Y");
  EXPECT_EQ(view.texts[ControlId::SourcePath], "<no source selected>");
  EXPECT_EQ(view.texts[ControlId::FindText], "");
  for (ControlId box : {ControlId::NoWrite, ControlId::ShowInactive, ControlId::MatchCase, ControlId::WholeWord}) {
    EXPECT_FALSE(view.IsChecked(box));
  }
  EXPECT_EQ(view.recentItems, std::vector<std::string>{"<no source selected>"});
  EXPECT_EQ(view.recentSelection, 0);
  EXPECT_EQ(view.progressRange, 1000);
  EXPECT_FALSE(view.shown[ControlId::Progress]);
  EXPECT_TRUE(view.changeNotifications);
  EXPECT_TRUE(view.resizable);
  EXPECT_TRUE(view.visible);
  EXPECT_FALSE(view.maximized);
  EXPECT_EQ(view.windowColours, kWindowColours);
  EXPECT_EQ(view.fontRequests, std::vector<bool>{true});
}

TEST_F(MainDialogTest, ToolTips) {
  EXPECT_EQ(view.toolTipDelay, 120);
  EXPECT_EQ(view.toolTips, (std::map<ControlId, std::string>{
                               {ControlId::NoWrite, "No Write: skip writing output files."},
                               {ControlId::ShowInactive, "Show Inactive: include #if 0 style disabled lines."},
                               {ControlId::Compile, "Compile (F5): generates .MAP, .SYM, .LST, .HEX"},
                               {ControlId::FindText, "Find text in the current tab output."},
                               {ControlId::FindNext, "Find next match."},
                               {ControlId::FindPrev, "Find previous match."},
                               {ControlId::MatchCase, "Match case while searching."},
                               {ControlId::WholeWord, "Match whole words only."},
                           }));
}

TEST_F(MainDialogTest, OpensCentredAtTheFallbackSize) {
  EXPECT_EQ(view.windowRect, (PixelRect{630, 295, 660, 450}));
}

TEST_F(MainDialogTest, TraceLinesOfTheOpening) {
  std::vector<std::string> lines = trace.lines();
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[0], "MainDialog ctor: parent=" + test::pointerText(nullptr));
  EXPECT_EQ(lines[1], "MainDialog OnInitDialog enter.");
  EXPECT_EQ(lines[2].rfind("MainDialog OnInitDialog after CDialog::OnInitDialog. outputText=", 0), 0u);
  EXPECT_NE(lines[2].find(" outputTab="), std::string::npos);
  EXPECT_EQ(lines[2].find(test::pointerText(nullptr)), std::string::npos);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()),
            (std::vector<std::string>{
                "MainDialog OnInitDialog after ModifyStyle.",
                "MainDialog OnInitDialog after UpdateOutputBrushes.",
                "MainDialog OnInitDialog applying log text.",
                "MainDialog OnInitDialog set bold Courier font.",
                "MainDialog OnInitDialog after LoadSettingsFromRegistry.",
                "MainDialog OnInitDialog after SetupToolTips.",
                "MainDialog OnInitDialog after UpdateWindowTitle.",
                "MainDialog OnInitDialog after UpdateTabTitles.",
                "MainDialog OnInitDialog after RefreshOutput.",
                "MainDialog OnInitDialog LoadWindowPlacementFromRegistry=0 maximize=0",
                "MainDialog OnInitDialog using fallback rect l=630 t=295 r=1290 b=745",
                "MainDialog OnInitDialog complete visible=1",
            }));
}

TEST(MainDialogOpening, RegularFontWhenNoBoldOneCanBeMade) {
  test::TraceLogCapture trace;
  test::FakeView view;
  view.boldFontAvailable = false;
  test::MemorySettingsStore settings;
  CMainDialog dialog(view, settings, nullptr);
  dialog.OnInitDialog();
  EXPECT_EQ(view.fontRequests, (std::vector<bool>{true, false}));
  EXPECT_NE(trace.text().find("MainDialog OnInitDialog set regular Courier font.\r\n"), std::string::npos);
  EXPECT_EQ(trace.text().find("set bold Courier font."), std::string::npos);
}

TEST(MainDialogOpening, FallbackRectangleFitsSmallWorkAreas) {
  test::TraceLogCapture trace;
  test::FakeView view;
  view.workArea = {100, 50, 500, 300};
  test::MemorySettingsStore settings;
  CMainDialog dialog(view, settings, nullptr);
  dialog.OnInitDialog();
  EXPECT_EQ(view.windowRect, (PixelRect{100, 50, 500, 300}));
  view.workArea = {0, 0, 300, 150};
  EXPECT_EQ(dialog.FallbackWindowRect(), (PixelRect{-10, -25, 320, 200}));
}

}  // namespace
}  // namespace qv
