#include "window/window_layout.h"

#include <algorithm>

namespace qv {

int LayoutTop(const TopAreaBottoms& bottoms) {
  constexpr int kMinimumTop = 76;
  if (!bottoms.noWrite) return kMinimumTop;
  int top = 70;
  for (const std::optional<int>& bottom : {bottoms.noWrite, bottoms.showInactive, bottoms.suffix}) {
    if (bottom) top = std::max(top, *bottom + 6);
  }
  return std::max(top, kMinimumTop);
}

int FindBoxWidth(int clientWidth) {
  int width = std::max(3 * clientWidth / 10, 130);
  return std::min(width, std::max(clientWidth - 520, 0));
}

int StatusWidth(int clientWidth, int findBoxWidth) { return std::max(clientWidth - (findBoxWidth + 336) - 24, 0); }

int EditorHeight(int clientHeight, int top) {
  return clientHeight - 20 - top - kTabItemHeight > 0 ? clientHeight - top - 78 : 120;
}

PixelRect ProgressRectInStatus(const PixelRect& status) {
  int left = status.x + 72;
  int top = status.y + 2;
  return {left, top, status.right() - 3 - left, status.bottom() - 2 - top};
}

WindowLayout ComputeWindowLayout(int clientWidth, int clientHeight, int top) {
  WindowLayout layout;
  layout.tabStrip = {0, top, clientWidth, kTabItemHeight};
  layout.editor = {0, top + kTabItemHeight, clientWidth, EditorHeight(clientHeight, top)};

  int findWidth = FindBoxWidth(clientWidth);
  int statusWidth = StatusWidth(clientWidth, findWidth);
  int row = clientHeight - 22;
  layout.status = {8, row, statusWidth, 16};
  layout.findLabel = {statusWidth + 16, row, 36, 12};
  layout.findText = {statusWidth + 56, row, findWidth, 14};
  layout.findNext = {layout.findText.right() + 4, row, 52, 14};
  layout.findPrev = {layout.findNext.x + 56, row, 52, 14};
  layout.matchCase = {layout.findPrev.x + 56, clientHeight - 20, 84, 12};
  layout.wholeWord = {layout.matchCase.x + 88, clientHeight - 20, 96, 12};
  layout.progress = ProgressRectInStatus(layout.status);
  return layout;
}

}  // namespace qv
