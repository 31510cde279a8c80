#pragma once
// Where the tab strip, the editor and the bottom row go when the window's
// client area changes size. The top-area controls keep their template
// positions.

#include <optional>

#include "window/window_geometry.h"

namespace qv {

inline constexpr int kTabItemHeight = 52;

// Bottom edges (client coordinates) of the top-area controls that the tab
// strip must clear; absent when the control does not exist.
struct TopAreaBottoms {
  std::optional<int> noWrite;
  std::optional<int> showInactive;
  std::optional<int> suffix;
};

int LayoutTop(const TopAreaBottoms& bottoms);

int FindBoxWidth(int clientWidth);
int StatusWidth(int clientWidth, int findBoxWidth);
int EditorHeight(int clientHeight, int top);

// The progress bar sits in the status line, right of its first words.
PixelRect ProgressRectInStatus(const PixelRect& status);

struct WindowLayout {
  PixelRect tabStrip;
  PixelRect editor;
  PixelRect status;
  PixelRect findLabel;
  PixelRect findText;
  PixelRect findNext;
  PixelRect findPrev;
  PixelRect matchCase;
  PixelRect wholeWord;
  PixelRect progress;
};

WindowLayout ComputeWindowLayout(int clientWidth, int clientHeight, int top);

}  // namespace qv
