#include "window/win32/editor/line_number_gutter.h"

#include <richedit.h>

#include <algorithm>
#include <string>

namespace qv {

namespace {

constexpr wchar_t kClassName[] = L"QuavertonLineNumbers";
constexpr int kPadding = 4;
const COLORREF kBackground = RGB(232, 232, 232);
const COLORREF kNumbers = RGB(110, 110, 110);

int digitsOf(int number) {
  int digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

bool registerClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSW existing{};
  if (GetClassInfoW(instance, kClassName, &existing)) return true;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = kClassName;
  return RegisterClassW(&windowClass) != 0;
}

// Where the first character of line sits, in the gutter's coordinates.
bool lineTop(HWND editor, HWND gutter, int line, int& top) {
  LRESULT start = SendMessageW(editor, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  if (start < 0) return false;
  POINTL place{};
  SendMessageW(editor, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), start);
  POINT point{place.x, place.y};
  MapWindowPoints(editor, gutter, &point, 1);
  top = point.y;
  return true;
}

}  // namespace

CLineNumberGutter::~CLineNumberGutter() {
  if (m_window != nullptr) DestroyWindow(m_window);
}

bool CLineNumberGutter::Create(HWND parent, HWND editor) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registerClass(instance, &CLineNumberGutter::WindowProcedure)) return false;
  m_editor = editor;
  m_window = CreateWindowExW(0, kClassName, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr, instance, this);
  return m_window != nullptr;
}

void CLineNumberGutter::SetFont(HFONT font) {
  m_font = font;
  Repaint();
}

int CLineNumberGutter::WidthFor(int lineCount) const {
  int digitWidth = 8;
  if (HDC screen = GetDC(m_window)) {
    HGDIOBJ was = m_font != nullptr ? SelectObject(screen, m_font) : nullptr;
    SIZE size{};
    if (GetTextExtentPoint32W(screen, L"9", 1, &size)) digitWidth = size.cx;
    if (was != nullptr) SelectObject(screen, was);
    ReleaseDC(m_window, screen);
  }
  return 2 * kPadding + digitWidth * std::max(digitsOf(lineCount), 3);
}

void CLineNumberGutter::Repaint() {
  if (m_window != nullptr) InvalidateRect(m_window, nullptr, FALSE);
}

LRESULT CALLBACK CLineNumberGutter::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* gutter = reinterpret_cast<CLineNumberGutter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC target = BeginPaint(window, &paint);
      if (gutter != nullptr) gutter->Paint(target, paint.rcPaint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_NCDESTROY:
      if (gutter != nullptr) gutter->m_window = nullptr;
      break;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void CLineNumberGutter::Paint(HDC target, const RECT& area) {
  RECT client;
  GetClientRect(m_window, &client);
  // Drawn aside and copied at once, so that scrolling does not flicker.
  HDC canvas = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  HGDIOBJ oldBitmap = SelectObject(canvas, bitmap);
  HBRUSH background = CreateSolidBrush(kBackground);
  FillRect(canvas, &client, background);
  DeleteObject(background);
  HGDIOBJ oldFont = m_font != nullptr ? SelectObject(canvas, m_font) : nullptr;
  SetTextColor(canvas, kNumbers);
  SetBkMode(canvas, TRANSPARENT);
  TEXTMETRICW metrics{};
  GetTextMetricsW(canvas, &metrics);
  int lineHeight = std::max<int>(metrics.tmHeight, 1);

  // Only the lines in sight, however long the text. The lines of the
  // editor's one font are equally high: two of them give the spacing.
  int lineCount = static_cast<int>(SendMessageW(m_editor, EM_GETLINECOUNT, 0, 0));
  int first = static_cast<int>(SendMessageW(m_editor, EM_GETFIRSTVISIBLELINE, 0, 0));
  int top = 0;
  int next = 0;
  if (first < lineCount && lineTop(m_editor, m_window, first, top)) {
    int spacing = first + 1 < lineCount && lineTop(m_editor, m_window, first + 1, next) && next > top ? next - top
                                                                                                       : lineHeight;
    for (int line = first; line < lineCount && top < client.bottom; ++line, top += spacing) {
      if (top + spacing < area.top) continue;
      std::wstring number = std::to_wstring(line + 1);
      RECT place{0, top, client.right - kPadding, top + lineHeight};
      DrawTextW(canvas, number.c_str(), static_cast<int>(number.size()), &place,
                DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    }
  }

  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas, area.left, area.top,
         SRCCOPY);
  if (oldFont != nullptr) SelectObject(canvas, oldFont);
  SelectObject(canvas, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(canvas);
}

}  // namespace qv
