#pragma once
// The tooltips of the tab strip's items: one tool of the window's tooltip
// control per tab, over the tab's rectangle, kept in step as tabs come, go
// and change width.

#include <windows.h>

#include <string>
#include <vector>

namespace qv {

class TabToolTips {
 public:
  void Attach(HWND toolTip, HWND tabStrip);
  // After the tab strip's items or their widths changed.
  void Refresh();
  // Empty text shows none.
  void SetText(int tab, const std::wstring& text);

 private:
  void Remove(std::size_t tab);

  HWND m_toolTip = nullptr;
  HWND m_tabStrip = nullptr;
  std::vector<std::wstring> m_texts;
  // Tools made for tabs 0 .. m_tools - 1.
  std::size_t m_tools = 0;
};

}  // namespace qv
