#pragma once
// Owner-drawn tab labels: name over extension, shortened to a character
// budget that follows the tab's width.

#include <optional>
#include <string>
#include <string_view>

#include "window/model/layout/window_geometry.h"

namespace qv {

// Lines joined by "\r\n". With a last "." inside the title: the name
// (past the budget, its middle replaced by "...") over the extension. Otherwise a
// long title is cut after budget characters, its rest shortened from the
// front when that is longer than the budget too.
std::string SplitTabTitle(std::string_view title, int budget);

// The title with "*" after its name, before the extension that
// SplitTabTitle puts on the second line (at the end without one): the
// label of a tab with unsaved edits.
std::string WithUnsavedMark(std::string_view title);

// Characters that fit the label's text width; letterWidth is the width of
// "W", absent when it cannot be measured.
int TabLabelBudget(int textWidth, std::optional<int> letterWidth);

// Distance between the two label lines; letterHeight as for the budget.
int TabLabelLineHeight(std::optional<int> letterHeight);

struct TabLabelLayout {
  PixelRect textRect;
  std::string firstLine;
  // Present for a two-line label whose second rectangle has room.
  std::optional<std::string> secondLine;
  PixelRect secondLineRect;
};

// Label read back from the tab strip is limited to 255 bytes.
TabLabelLayout LayoutTabLabel(const PixelRect& item, std::string_view label, std::optional<int> letterWidth,
                              std::optional<int> letterHeight);

}  // namespace qv
