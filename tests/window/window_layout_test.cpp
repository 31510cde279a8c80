#include "window/window_layout.h"

#include <gtest/gtest.h>

#include "support/trace_log_capture.h"
#include "window/fake_view.h"
#include "window/main_dialog.h"
#include "window/memory_settings_store.h"

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
