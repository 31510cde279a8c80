#include "window/model/layout/window_layout.h"

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

namespace {

// Everything of the bottom row but the status line and the find box.
constexpr int kBottomRowFixedWidth = 360;
constexpr int kMinimumFindBoxWidth = 130;
constexpr int kStatusPadding = 8;
constexpr int kMinimumEditorHeight = 60;
// Below the row, and between it and the editor.
constexpr int kRowBottomMargin = 6;
constexpr int kRowGap = 4;

int statusRoom(const BottomRowNeeds& needs) {
  return needs.statusTextWidth > 0 ? needs.statusTextWidth + kStatusPadding : 0;
}

// The row's controls as the fixed sizes place them, with their heights.
struct RowControl {
  PixelRect WindowLayout::*place;
  int needed;
};

int rowHeight(const WindowLayout& layout, const std::initializer_list<RowControl>& controls) {
  int height = 0;
  for (const RowControl& control : controls) height = std::max({height, (layout.*control.place).height, control.needed});
  return height;
}

}  // namespace

WindowLayout ComputeWindowLayout(int clientWidth, int clientHeight, int top, const BottomRowNeeds& needs) {
  WindowLayout layout;
  layout.tabStrip = {0, top, clientWidth, kTabItemHeight};
  layout.editor = {0, top + kTabItemHeight, clientWidth, EditorHeight(clientHeight, top)};

  int findWidth = FindBoxWidth(clientWidth);
  int statusWidth = StatusWidth(clientWidth, findWidth);
  if (statusWidth < statusRoom(needs)) {
    findWidth = std::max(clientWidth - kBottomRowFixedWidth - statusRoom(needs), kMinimumFindBoxWidth);
    statusWidth = StatusWidth(clientWidth, findWidth);
  }
  int row = clientHeight - 22;
  layout.status = {8, row, statusWidth, 16};
  layout.findLabel = {statusWidth + 16, row, 36, 12};
  layout.findText = {statusWidth + 56, row, findWidth, 14};
  layout.findNext = {layout.findText.right() + 4, row, 52, 14};
  layout.findPrev = {layout.findNext.x + 56, row, 52, 14};
  layout.matchCase = {layout.findPrev.x + 56, clientHeight - 20, 84, 12};
  layout.wholeWord = {layout.matchCase.x + 88, clientHeight - 20, 96, 12};

  const std::initializer_list<RowControl> controls = {
      {&WindowLayout::status, needs.statusHeight},        {&WindowLayout::findLabel, needs.findLabelHeight},
      {&WindowLayout::findText, needs.findTextHeight},    {&WindowLayout::findNext, needs.buttonHeight},
      {&WindowLayout::findPrev, needs.buttonHeight},      {&WindowLayout::matchCase, needs.checkBoxHeight},
      {&WindowLayout::wholeWord, needs.checkBoxHeight}};
  bool taller = std::any_of(controls.begin(), controls.end(),
                            [&](const RowControl& control) { return control.needed > (layout.*control.place).height; });
  if (taller) {
    int height = rowHeight(layout, controls);
    int rowTop = clientHeight - kRowBottomMargin - height;
    for (const RowControl& control : controls) {
      PixelRect& place = layout.*control.place;
      place.height = std::max(place.height, control.needed);
      place.y = rowTop + (height - place.height) / 2;
    }
    layout.editor.height = std::min(layout.editor.height, rowTop - kRowGap - layout.editor.y);
  }
  layout.progress = ProgressRectInStatus(layout.status);
  return layout;
}

int BottomRowMinimumWidth(const BottomRowNeeds& needs) {
  return kBottomRowFixedWidth + kMinimumFindBoxWidth + statusRoom(needs);
}

int MinimumClientHeight(int top, const BottomRowNeeds& needs) {
  int row = std::max({16, needs.statusHeight, needs.findLabelHeight, needs.findTextHeight, needs.buttonHeight,
                      needs.checkBoxHeight});
  return top + kTabItemHeight + kMinimumEditorHeight + kRowGap + row + kRowBottomMargin;
}

}  // namespace qv
