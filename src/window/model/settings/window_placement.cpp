#include "window/model/settings/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace qv {

namespace {

constexpr int kFallbackMinWidth = 320;
constexpr int kFallbackMaxWidth = 660;
constexpr int kFallbackMinHeight = 200;
constexpr int kFallbackMaxHeight = 450;

// Stored values are anything a 32-bit number holds, so edges are computed
// wide; a fitted rectangle lies in the work area and fits an int again.
struct WideRect {
  std::int64_t left;
  std::int64_t top;
  std::int64_t right;
  std::int64_t bottom;
};

bool overlaps(const WideRect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rect fitToWorkArea(const WideRect& stored, const Rect& workArea, int fallbackMinimumWidth) {
  std::int64_t storedWidth = stored.right - stored.left;
  std::int64_t storedHeight = stored.bottom - stored.top;
  if (storedWidth <= 0 || storedHeight <= 0) return FallbackWindowRect(workArea, fallbackMinimumWidth);
  std::int64_t width = std::min<std::int64_t>(std::max<std::int64_t>(storedWidth, kMinimumStoredWidth), workArea.width());
  std::int64_t height =
      std::min<std::int64_t>(std::max<std::int64_t>(storedHeight, kMinimumStoredHeight), workArea.height());
  if (width < 1 || height < 1) return FallbackWindowRect(workArea, fallbackMinimumWidth);

  WideRect fitted{stored.left, stored.top, stored.left + width, stored.top + height};
  if (!overlaps(fitted, workArea)) return FallbackWindowRect(workArea, fallbackMinimumWidth);
  auto shift = [&](std::int64_t dx, std::int64_t dy) {
    fitted = {fitted.left + dx, fitted.top + dy, fitted.right + dx, fitted.bottom + dy};
  };
  if (fitted.left < workArea.left) shift(workArea.left - fitted.left, 0);
  if (fitted.top < workArea.top) shift(0, workArea.top - fitted.top);
  if (fitted.right > workArea.right) shift(workArea.right - fitted.right, 0);
  if (fitted.bottom > workArea.bottom) shift(0, workArea.bottom - fitted.bottom);
  return {static_cast<int>(fitted.left), static_cast<int>(fitted.top), static_cast<int>(fitted.right),
          static_cast<int>(fitted.bottom)};
}

}  // namespace

Rect FallbackWindowRect(const Rect& workArea, int minimumWidth) {
  int width = std::clamp(workArea.width(), kFallbackMinWidth, kFallbackMaxWidth);
  width = std::max(width, std::min(minimumWidth, workArea.width()));
  int height = std::clamp(workArea.height(), kFallbackMinHeight, kFallbackMaxHeight);
  int left = workArea.left + (workArea.width() - width) / 2;
  int top = workArea.top + (workArea.height() - height) / 2;
  return {left, top, left + width, top + height};
}

Rect FitRectToWorkArea(const Rect& stored, const Rect& workArea, int fallbackMinimumWidth) {
  return fitToWorkArea({stored.left, stored.top, stored.right, stored.bottom}, workArea, fallbackMinimumWidth);
}

WindowPlacementDecision DecideWindowPlacement(const StoredWindowPlacement& stored, const Rect& workArea,
                                              int fallbackMinimumWidth) {
  WindowPlacementDecision decision;
  decision.maximize = stored.maximized;
  bool complete = stored.x && stored.y && stored.width && stored.height;
  if (complete && *stored.width >= kMinimumStoredWidth && *stored.height >= kMinimumStoredHeight) {
    std::int64_t left = *stored.x;
    std::int64_t top = *stored.y;
    decision.rect =
        fitToWorkArea({left, top, left + *stored.width, top + *stored.height}, workArea, fallbackMinimumWidth);
    decision.success = true;
  } else {
    decision.rect = FallbackWindowRect(workArea, fallbackMinimumWidth);
  }
  return decision;
}

}  // namespace qv

