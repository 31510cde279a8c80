#include "window/model/layout/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/trace_log_capture.h"
#include "window/fake_view.h"
#include "window/main_dialog.h"
#include "window/memory_settings_store.h"
#include "window/model/layout/top_area_layout.h"

namespace qv {
namespace {

TEST(WindowLayout, FindBoxAndStatusWidths) {
  struct Case {
    int width;
    int find;
    int status;
  };
  for (const Case& c : {Case{800, 240, 200}, Case{600, 80, 160}, Case{400, 0, 40}, Case{2000, 600, 1040}}) {
    EXPECT_EQ(FindBoxWidth(c.width), c.find) << c.width;
    EXPECT_EQ(StatusWidth(c.width, FindBoxWidth(c.width)), c.status) << c.width;
  }
}

TEST(WindowLayout, TopClearsTheTopAreaControls) {
  EXPECT_EQ(LayoutTop({}), 76);
  EXPECT_EQ(LayoutTop({60, 50, 58}), 76);
  EXPECT_EQ(LayoutTop({100, 80, 90}), 106);
  EXPECT_EQ(LayoutTop({60, 95, std::nullopt}), 101);
}

TEST(WindowLayout, EveryRectangleAtWidth800) {
  WindowLayout layout = ComputeWindowLayout(800, 600, 76);
  EXPECT_EQ(layout.tabStrip, (PixelRect{0, 76, 800, 52}));
  EXPECT_EQ(layout.editor, (PixelRect{0, 128, 800, 446}));
  EXPECT_EQ(layout.status, (PixelRect{8, 578, 200, 16}));
  EXPECT_EQ(layout.findLabel, (PixelRect{216, 578, 36, 12}));
  EXPECT_EQ(layout.findText, (PixelRect{256, 578, 240, 14}));
  EXPECT_EQ(layout.findNext, (PixelRect{500, 578, 52, 14}));
  EXPECT_EQ(layout.findPrev, (PixelRect{556, 578, 52, 14}));
  EXPECT_EQ(layout.matchCase, (PixelRect{612, 580, 84, 12}));
  EXPECT_EQ(layout.wholeWord, (PixelRect{700, 580, 96, 12}));
  EXPECT_EQ(layout.progress, (PixelRect{80, 580, 125, 12}));
}

TEST(WindowLayout, EditorHeightFallsBackTo120WithoutRoom) {
  EXPECT_EQ(EditorHeight(600, 76), 446);
  EXPECT_EQ(EditorHeight(148, 76), 120);
  EXPECT_EQ(EditorHeight(100, 76), 120);
  EXPECT_EQ(ComputeWindowLayout(800, 100, 76).editor.height, 120);
}

TEST(WindowLayout, ProgressHasNoRoomInANarrowStatus) {
  EXPECT_TRUE(ComputeWindowLayout(400, 600, 76).progress.isEmpty());
  EXPECT_FALSE(ComputeWindowLayout(800, 600, 76).progress.isEmpty());
}

TEST(WindowLayout, ABottomRowSizedFromTheFont) {
  BottomRowNeeds needs{232, 17, 17, 24, 26, 20};
  WindowLayout layout = ComputeWindowLayout(800, 600, 76, needs);
  // The find box gives up width before the status words are cut; the row
  // is centred on the tallest control, with the editor ending above it.
  EXPECT_EQ(layout.status, (PixelRect{8, 572, 240, 17}));
  EXPECT_EQ(layout.findText, (PixelRect{296, 569, 200, 24}));
  EXPECT_EQ(layout.findNext, (PixelRect{500, 568, 52, 26}));
  EXPECT_EQ(layout.wholeWord, (PixelRect{700, 571, 96, 20}));
  EXPECT_EQ(layout.editor, (PixelRect{0, 128, 800, 436}));
  EXPECT_EQ(ComputeWindowLayout(1200, 600, 76, needs).findText.width, 360);
  EXPECT_EQ(BottomRowMinimumWidth(needs), 730);
  EXPECT_EQ(MinimumClientHeight(106, needs), 254);
}

TEST(TopAreaLayout, TheRightHandControlsMoveInAtSmallWidths) {
  TopAreaPlaces home = TemplateTopArea({7, 14});
  EXPECT_EQ(FitTopArea(home, 1200).at(ControlId::Suffix), home.at(ControlId::Suffix));
  TopAreaPlaces at800 = FitTopArea(home, 800);
  EXPECT_EQ(at800.at(ControlId::Suffix).x, 634);
  EXPECT_EQ(at800.at(ControlId::SuffixLabel).x, 586);
  EXPECT_EQ(at800.at(ControlId::ShowInactive).x, 389);
  EXPECT_EQ(at800.at(ControlId::SourceLabel).x, 687);
  EXPECT_EQ(at800.at(ControlId::SourcePath).width, 558);

  int least = TopAreaMinimumWidth(home);
  EXPECT_EQ(least, 638);
  TopAreaPlaces tight = FitTopArea(home, least);
  EXPECT_LE(tight.at(ControlId::Suffix).right(), least);
  EXPECT_LT(tight.at(ControlId::ShowInactive).right(), tight.at(ControlId::SuffixLabel).x);
  EXPECT_GT(std::min(tight.at(ControlId::ShowInactive).x, tight.at(ControlId::NoWrite).x), home.at(ControlId::Exit).right());
  EXPECT_LT(tight.at(ControlId::SourcePath).right(), tight.at(ControlId::SourceLabel).x);
}

TEST(DialogUnits, ConvertWithTheFontsAverageCharacter) {
  DialogBaseUnits units = BaseUnitsFromFont(312, 13);
  EXPECT_EQ(units.charWidth, 6);
  EXPECT_EQ(units.charHeight, 13);
  EXPECT_EQ(BaseUnitsFromFont(338, 15).charWidth, 7);
  EXPECT_EQ(DialogToPixels({70, 8, 500, 14}, units), (PixelRect{105, 13, 750, 23}));
  EXPECT_EQ(DialogToPixels({706, 451, 0, 0}, {7, 16}).x, 1236);
}

TEST(DialogLayout, SizeChangeMovesTheBottomRowAndHidesANarrowProgressBar) {
  test::TraceLogCapture trace;
  test::FakeView view;
  test::MemorySettingsStore settings;
  CMainDialog dialog(view, settings, nullptr);
  view.rects[ControlId::NoWrite] = {530, 78, 105, 20};
  view.rects[ControlId::ShowInactive] = {531, 63, 163, 20};
  view.rects[ControlId::Suffix] = {795, 68, 135, 23};
  view.CreateProgressBar(1000);

  dialog.OnSize(800, 600);
  EXPECT_EQ(view.rects[ControlId::OutputTab], (PixelRect{0, 104, 800, 52}));
  EXPECT_EQ(view.rects[ControlId::OutputText], (PixelRect{0, 156, 800, 418}));
  EXPECT_EQ(view.rects[ControlId::FindText], (PixelRect{256, 578, 240, 14}));
  EXPECT_EQ(view.rects[ControlId::Progress], (PixelRect{80, 580, 125, 12}));
  EXPECT_FALSE(view.shown[ControlId::Progress]);

  view.shown[ControlId::Progress] = true;
  dialog.OnSize(400, 600);
  EXPECT_FALSE(view.shown[ControlId::Progress]);
}

TEST(DialogLayout, NothingMovesBeforeTheEditorExists) {
  test::TraceLogCapture trace;
  test::FakeView view;
  test::MemorySettingsStore settings;
  CMainDialog dialog(view, settings, nullptr);
  view.existing.erase(ControlId::OutputText);
  dialog.OnSize(800, 600);
  EXPECT_TRUE(view.rects.empty());
}

}  // namespace
}  // namespace qv
