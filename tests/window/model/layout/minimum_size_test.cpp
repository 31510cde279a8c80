// The window's least size on small and scaled screens.
#include <gtest/gtest.h>

#include "window/fake_view.h"
#include "window/main_dialog.h"
#include "window/memory_settings_store.h"

namespace qv {
namespace {

TEST(MinimumWindowSize, NeverExceedsTheWorkArea) {
  struct Case {
    PixelRect workArea;
    bool fitsWhole;
  };
  for (const Case& c : {Case{{0, 0, 1920, 1040}, true}, Case{{0, 0, 600, 200}, false}, Case{{0, 0, 400, 150}, false}}) {
    test::FakeView view;
    view.workArea = c.workArea;
    view.baseUnits = {7, 16};
    test::MemorySettingsStore settings;
    CMainDialog dialog(view, settings, nullptr);
    dialog.OnInitDialog();
    EXPECT_LE(view.minimumClientSize.width, c.workArea.width);
    EXPECT_LE(view.minimumClientSize.height, c.workArea.height);
    EXPECT_EQ(view.minimumClientSize.width < c.workArea.width, c.fitsWhole) << c.workArea.width;
    EXPECT_LE(view.windowRect.width, c.workArea.width);
  }
}

}  // namespace
}  // namespace qv
