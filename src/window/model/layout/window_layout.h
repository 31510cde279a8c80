#pragma once
// Where the tab strip, the editor and the bottom row go when the window's
// client area changes size. The top-area controls keep their template
// positions.

#include <optional>

#include "window/model/layout/window_geometry.h"

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

// What the window's font asks of the bottom row: room for the longest status
// words, and the height at which each control shows its text and frame
// whole. 0 asks for nothing beyond the fixed sizes above.
struct BottomRowNeeds {
  int statusTextWidth = 0;
  int statusHeight = 0;
  int findLabelHeight = 0;
  int findTextHeight = 0;
  int buttonHeight = 0;
  int checkBoxHeight = 0;
};

// The find box narrows, down to its least width, before the status line is
// cut; a row taller than the fixed sizes is centred on one line and the
// editor ends above it.
WindowLayout ComputeWindowLayout(int clientWidth, int clientHeight, int top, const BottomRowNeeds& needs = {});

// The least client size at which the bottom row shows every control and
// the whole status words, with a few lines of editor above it.
int BottomRowMinimumWidth(const BottomRowNeeds& needs);
int MinimumClientHeight(int top, const BottomRowNeeds& needs);

}  // namespace qv
