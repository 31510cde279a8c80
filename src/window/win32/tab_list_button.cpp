#include "window/win32/tab_list_button.h"

#include <algorithm>

#include "platform/utf16_windows.h"

namespace qv {

void TabListButton::Create(HWND parent, int controlId) {
  m_button = CreateWindowExW(0, L"BUTTON", L"All tabs", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), nullptr, nullptr);
}

PixelRect TabListButton::Place(const PixelRect& strip) {
  int width = std::min(std::max(strip.width, 0), GetSystemMetrics(SM_CXVSCROLL) + 4);
  int height = std::min(std::max(strip.height, 0), GetSystemMetrics(SM_CYHSCROLL) + 4);
  if (m_button != nullptr) ::MoveWindow(m_button, strip.x + strip.width - width, strip.y, width, height, TRUE);
  return {strip.x, strip.y, std::max(strip.width - width, 0), strip.height};
}

bool TabListButton::Draw(const DRAWITEMSTRUCT& item) const {
  if (m_button == nullptr || item.hwndItem != m_button) return false;
  RECT place = item.rcItem;
  UINT state = DFCS_SCROLLCOMBOBOX | ((item.itemState & ODS_SELECTED) != 0 ? DFCS_PUSHED : 0);
  DrawFrameControl(item.hDC, &place, DFC_SCROLL, state);
  return true;
}

std::optional<int> TabListButton::Choose(const std::vector<std::string>& labels) const {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return std::nullopt;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(i + 1), toUtf16(labels[i]).c_str());
  }
  RECT button{};
  GetWindowRect(m_button, &button);
  UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                                                 button.right, button.bottom, 0, GetParent(m_button), nullptr));
  DestroyMenu(menu);
  if (chosen == 0) return std::nullopt;
  return static_cast<int>(chosen) - 1;
}

}  // namespace qv
