#pragma once
// One owner-drawn label of the tab strip: the tab's colour, and its label
// as name over extension, shortened to the tab's width.

#include <windows.h>

#include "window/win32/window_brushes.h"

namespace qv {

void drawTabItem(const DRAWITEMSTRUCT& item, bool selected, const WindowBrushes& brushes);

}  // namespace qv
