#pragma once
// Where the window opens: the stored rectangle fitted to the screen's work
// area, or a centred fallback size.

#include <optional>

namespace qv {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// Smaller stored sizes are not used at all.
inline constexpr int kMinimumStoredWidth = 660;
inline constexpr int kMinimumStoredHeight = 420;

// Absent values are the ones the settings store did not find.
struct StoredWindowPlacement {
  std::optional<int> x;
  std::optional<int> y;
  std::optional<int> width;
  std::optional<int> height;
  bool maximized = false;
};

struct WindowPlacementDecision {
  Rect rect;
  // The stored rectangle was used.
  bool success = false;
  bool maximize = false;
};

// The work area's width limited to 320..660 and height to 200..450,
// centred in it. A window whose controls need more room than 660 pixels
// passes its own width as minimumWidth: the fallback is then that wide, as
// far as the work area allows.
Rect FallbackWindowRect(const Rect& workArea, int minimumWidth = 0);

// At least the minimum size, at most the work area's, shifted back inside
// the work area; the fallback when it would not overlap the work area at all.
Rect FitRectToWorkArea(const Rect& stored, const Rect& workArea, int fallbackMinimumWidth = 0);

// The stored rectangle when all four values are there and large enough,
// fitted to the work area; else the fallback. The maximize flag is kept in
// both cases.
WindowPlacementDecision DecideWindowPlacement(const StoredWindowPlacement& stored, const Rect& workArea,
                                              int fallbackMinimumWidth = 0);

}  // namespace qv
