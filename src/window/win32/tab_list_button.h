#pragma once
// The button at the tab strip's right end that lists every tab in a menu:
// with a few hundred include tabs, the strip's own arrows are no way to
// reach one.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "window/model/layout/window_geometry.h"

namespace qv {

class TabListButton {
 public:
  void Create(HWND parent, int controlId);
  // The strip's rectangle: the button takes its right end, and what is
  // left is the strip's.
  PixelRect Place(const PixelRect& strip);
  bool Draw(const DRAWITEMSTRUCT& item) const;
  // The menu of labels below the button; the chosen tab, none when dismissed.
  std::optional<int> Choose(const std::vector<std::string>& labels) const;

 private:
  HWND m_button = nullptr;
};

}  // namespace qv
