#include "window/win32/tab_strip_drawing.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "platform/utf16_windows.h"
#include "window/model/tabs/tab_label.h"

namespace qv {

namespace {

// What the tab strip holds as the item's label, up to 256 units.
std::string itemLabel(HWND tabStrip, int item) {
  wchar_t text[256] = {};
  TCITEMW query{};
  query.mask = TCIF_TEXT;
  query.pszText = text;
  query.cchTextMax = static_cast<int>(std::size(text));
  if (!SendMessageW(tabStrip, TCM_GETITEMW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&query))) return {};
  return toUtf8(text);
}

RECT toRect(const PixelRect& rect) { return {rect.x, rect.y, rect.right(), rect.bottom()}; }

void drawLine(HDC dc, const std::string& text, const PixelRect& where, UINT format) {
  std::wstring wide = toUtf16(text);
  RECT rect = toRect(where);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void drawTabItem(const DRAWITEMSTRUCT& item, bool selected, const WindowBrushes& brushes) {
  HDC dc = item.hDC;
  const WindowColours& colours = brushes.Colours();
  HBRUSH fill = selected ? brushes.TabSelected() : brushes.TabUnselected();
  if (fill == nullptr) fill = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  FillRect(dc, &item.rcItem, fill);

  std::optional<int> letterWidth;
  std::optional<int> letterHeight;
  SIZE letter{};
  if (GetTextExtentPoint32W(dc, L"W", 1, &letter)) {
    letterWidth = letter.cx;
    letterHeight = letter.cy;
  }
  const RECT& rc = item.rcItem;
  TabLabelLayout label = LayoutTabLabel({rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top},
                                        itemLabel(item.hwndItem, static_cast<int>(item.itemID)), letterWidth,
                                        letterHeight);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = SetTextColor(dc, toColorRef(selected ? colours.tabSelectedText : colours.tabUnselectedText));
  drawLine(dc, label.firstLine, label.textRect, DT_LEFT | DT_TOP | DT_END_ELLIPSIS);
  if (label.secondLine) drawLine(dc, *label.secondLine, label.secondLineRect, DT_RIGHT | DT_TOP);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace qv
