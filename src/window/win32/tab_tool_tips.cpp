#include "window/win32/tab_tool_tips.h"

#include <commctrl.h>

namespace qv {

namespace {

TTTOOLINFOW toolOf(HWND tabStrip, std::size_t tab) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = tabStrip;
  tool.uId = tab;
  return tool;
}

}  // namespace

void TabToolTips::Attach(HWND toolTip, HWND tabStrip) {
  m_toolTip = toolTip;
  m_tabStrip = tabStrip;
}

void TabToolTips::Remove(std::size_t tab) {
  TTTOOLINFOW tool = toolOf(m_tabStrip, tab);
  SendMessageW(m_toolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TabToolTips::Refresh() {
  if (m_toolTip == nullptr || m_tabStrip == nullptr) return;
  for (std::size_t tab = 0; tab < m_tools; ++tab) Remove(tab);
  std::size_t count = static_cast<std::size_t>(SendMessageW(m_tabStrip, TCM_GETITEMCOUNT, 0, 0));
  m_texts.resize(count);
  for (std::size_t tab = 0; tab < count; ++tab) {
    TTTOOLINFOW tool = toolOf(m_tabStrip, tab);
    SendMessageW(m_tabStrip, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&tool.rect));
    tool.lpszText = m_texts[tab].data();
    SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  m_tools = count;
}

void TabToolTips::SetText(int tab, const std::wstring& text) {
  if (tab < 0) return;
  std::size_t index = static_cast<std::size_t>(tab);
  if (index >= m_texts.size()) m_texts.resize(index + 1);
  m_texts[index] = text;
  if (index >= m_tools) return;
  TTTOOLINFOW tool = toolOf(m_tabStrip, index);
  tool.lpszText = m_texts[index].data();
  SendMessageW(m_toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace qv
