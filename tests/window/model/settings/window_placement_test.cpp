#include "window/model/settings/window_placement.h"

#include <gtest/gtest.h>

#include <limits>

namespace qv {

void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

namespace {

const Rect kWorkArea{0, 0, 1920, 1040};

TEST(FallbackWindowRect, LimitsTheSizeAndCentresRoundingTowardZero) {
  EXPECT_EQ(FallbackWindowRect(kWorkArea), (Rect{630, 295, 1290, 745}));
  EXPECT_EQ(FallbackWindowRect({100, 50, 2021, 1091}), (Rect{730, 345, 1390, 795}));
  EXPECT_EQ(FallbackWindowRect({0, 0, 500, 300}), (Rect{0, 0, 500, 300}));
  EXPECT_EQ(FallbackWindowRect({0, 0, 301, 151}), (Rect{-9, -24, 311, 176}));
}

TEST(FallbackWindowRect, WidensToAMinimumWidthAsFarAsTheWorkAreaAllows) {
  EXPECT_EQ(FallbackWindowRect(kWorkArea, 1060), (Rect{430, 295, 1490, 745}));
  EXPECT_EQ(FallbackWindowRect({0, 0, 900, 700}, 1060), (Rect{0, 125, 900, 575}));
  EXPECT_EQ(FallbackWindowRect(kWorkArea, 500), FallbackWindowRect(kWorkArea));
  EXPECT_EQ(FallbackWindowRect({0, 0, 300, 150}, 1060), FallbackWindowRect({0, 0, 300, 150}));
  EXPECT_EQ(DecideWindowPlacement({2500, 100, 800, 600, false}, kWorkArea, 1060).rect, (Rect{430, 295, 1490, 745}));
  EXPECT_EQ(DecideWindowPlacement({100, 100, 700, 500, false}, kWorkArea, 1060).rect, (Rect{100, 100, 800, 600}));
}

TEST(FitRectToWorkArea, GrowsToTheMinimumAndShrinksToTheWorkArea) {
  EXPECT_EQ(FitRectToWorkArea({10, 20, 110, 120}, kWorkArea), (Rect{10, 20, 670, 440}));
  EXPECT_EQ(FitRectToWorkArea({0, 0, 3000, 2000}, kWorkArea), kWorkArea);
}

TEST(FitRectToWorkArea, EmptyOrWhollyOutsideGivesTheFallback) {
  Rect fallback = FallbackWindowRect(kWorkArea);
  EXPECT_EQ(FitRectToWorkArea({10, 10, 10, 500}, kWorkArea), fallback);
  EXPECT_EQ(FitRectToWorkArea({10, 10, 800, 5}, kWorkArea), fallback);
  EXPECT_EQ(FitRectToWorkArea({2000, 100, 2800, 700}, kWorkArea), fallback);
  EXPECT_EQ(FitRectToWorkArea({-900, 100, -100, 700}, kWorkArea), fallback);
  EXPECT_EQ(FitRectToWorkArea({100, 100, 900, 700}, {0, 0, 0, 0}), FallbackWindowRect({0, 0, 0, 0}));
}

TEST(FitRectToWorkArea, PartlyOutsideIsShiftedBackInside) {
  EXPECT_EQ(FitRectToWorkArea({1600, 100, 2300, 600}, kWorkArea), (Rect{1220, 100, 1920, 600}));
  EXPECT_EQ(FitRectToWorkArea({-300, -200, 500, 400}, kWorkArea), (Rect{0, 0, 800, 600}));
  EXPECT_EQ(FitRectToWorkArea({100, 800, 900, 1400}, kWorkArea), (Rect{100, 440, 900, 1040}));
  EXPECT_EQ(FitRectToWorkArea({100, 100, 900, 700}, {1920, 0, 3840, 1080}), FallbackWindowRect({1920, 0, 3840, 1080}));
}

TEST(DecideWindowPlacement, UsesACompleteLargeEnoughStoredRectangle) {
  WindowPlacementDecision decision = DecideWindowPlacement({1600, 100, 700, 500, false}, kWorkArea);
  EXPECT_TRUE(decision.success);
  EXPECT_FALSE(decision.maximize);
  EXPECT_EQ(decision.rect, (Rect{1220, 100, 1920, 600}));
}

TEST(DecideWindowPlacement, TooNarrowIsIgnoredButMaximizeIsKept) {
  WindowPlacementDecision decision = DecideWindowPlacement({100, 100, 500, 600, true}, kWorkArea);
  EXPECT_FALSE(decision.success);
  EXPECT_TRUE(decision.maximize);
  EXPECT_EQ(decision.rect, FallbackWindowRect(kWorkArea));
  EXPECT_FALSE(DecideWindowPlacement({100, 100, 700, 419, false}, kWorkArea).success);
}

TEST(DecideWindowPlacement, MissingValueGivesTheFallback) {
  WindowPlacementDecision decision = DecideWindowPlacement({100, std::nullopt, 700, 500, false}, kWorkArea);
  EXPECT_FALSE(decision.success);
  EXPECT_EQ(decision.rect, FallbackWindowRect(kWorkArea));
}

TEST(DecideWindowPlacement, OnAScreenNoLongerPresentGivesTheFallback) {
  WindowPlacementDecision decision = DecideWindowPlacement({2500, 100, 800, 600, false}, kWorkArea);
  EXPECT_TRUE(decision.success);
  EXPECT_EQ(decision.rect, FallbackWindowRect(kWorkArea));
}

TEST(DecideWindowPlacement, ExtremeStoredValuesStayWellDefined) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(DecideWindowPlacement({kMax, kMax, kMax, kMax, false}, kWorkArea).rect, FallbackWindowRect(kWorkArea));
  EXPECT_EQ(DecideWindowPlacement({kMin, kMin, kMax, kMax, false}, kWorkArea).rect, FallbackWindowRect(kWorkArea));
  EXPECT_EQ(DecideWindowPlacement({-100, -100, kMax, kMax, false}, kWorkArea).rect, kWorkArea);
}

}  // namespace
}  // namespace qv
