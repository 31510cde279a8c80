// How the Win32 dialog carries out the model's requests to the screen.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/utf16_windows.h"
#include "window/win32/dialog_resources.h"
#include "window/win32/go_to_line_dialog.h"
#include "window/win32/main_dialog_win32.h"
#include "window/win32/off_thread_pump.h"
#include "window/win32/open_file_dialog.h"

namespace qv {

namespace {

constexpr wchar_t kMessageBoxTitle[] = L"Quaverton";
constexpr DWORD kResizableStyles = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

PixelRect toPixelRect(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

std::wstring windowTextOf(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

bool isWindowClass(HWND window, const wchar_t* name) {
  wchar_t found[64] = {};
  GetClassNameW(window, found, static_cast<int>(std::size(found)));
  return lstrcmpiW(found, name) == 0;
}

}  // namespace

HWND CMainDialogWin32::Control(ControlId id) const {
  auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : found->second;
}

// The window as a whole.

bool CMainDialogWin32::WindowExists() const { return m_window != nullptr && IsWindow(m_window); }

int CMainDialogWin32::TemplateWindowWidth() const {
  RECT outer{0, 0, DialogToPixels(kMainDialogTemplateSize, BaseUnits()).width, 0};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE)));
  return outer.right - outer.left;
}

void CMainDialogWin32::SetWindowTitle(const std::string& title) { SetWindowTextW(m_window, toUtf16(title).c_str()); }

void CMainDialogWin32::MakeResizable() {
  LONG_PTR style = GetWindowLongPtrW(m_window, GWL_STYLE);
  SetWindowLongPtrW(m_window, GWL_STYLE, (style & ~static_cast<LONG_PTR>(DS_MODALFRAME)) | kResizableStyles);
  SetWindowPos(m_window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CMainDialogWin32::SetMinimumClientSize(int width, int height) { m_minimumClient = {width, height}; }

void CMainDialogWin32::SetWindowColours(const WindowColours& colours) {
  m_brushes.Make(colours);
  if (m_window != nullptr) InvalidateRect(m_window, nullptr, TRUE);
}

PixelRect CMainDialogWin32::WorkArea() const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
    return toPixelRect(monitor.rcWork);
  }
  RECT work{};
  if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return toPixelRect(work);
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

PixelRect CMainDialogWin32::GetWindowRect() const {
  RECT outer{};
  ::GetWindowRect(m_window, &outer);
  return toPixelRect(outer);
}

bool CMainDialogWin32::IsWindowMaximized() const { return IsZoomed(m_window) != FALSE; }

void CMainDialogWin32::MoveWindow(const PixelRect& outer) {
  SetWindowPos(m_window, nullptr, outer.x, outer.y, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CMainDialogWin32::ShowWindow(bool maximized) { ::ShowWindow(m_window, maximized ? SW_SHOWMAXIMIZED : SW_SHOW); }

void CMainDialogWin32::BringToForeground() { SetForegroundWindow(m_window); }

bool CMainDialogWin32::IsWindowVisible() const { return ::IsWindowVisible(m_window) != FALSE; }

void CMainDialogWin32::RepaintWindow() {
  RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CMainDialogWin32::PumpPaintMessages() {
  // Painting only: any other message here could start a command in the
  // middle of a compile.
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&message);
}

void CMainDialogWin32::RunAwayFromWindowThread(const std::function<void()>& work, const std::function<void()>& poll) {
  m_busy = true;
  runWithPaintOnlyPump(work, poll);
  m_busy = false;
}

// Controls.

DialogBaseUnits CMainDialogWin32::BaseUnits() const {
  HDC dc = GetDC(m_window);
  HGDIOBJ old = SelectObject(dc, m_dialogFont != nullptr ? m_dialogFont : GetStockObject(DEFAULT_GUI_FONT));
  static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE alphabet{};
  GetTextExtentPoint32W(dc, kAlphabet, 52, &alphabet);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(m_window, dc);
  return BaseUnitsFromFont(alphabet.cx, metrics.tmHeight);
}

int CMainDialogWin32::TextWidth(const std::string& text) const {
  std::wstring wide = toUtf16(text);
  HDC dc = GetDC(m_window);
  HGDIOBJ old = SelectObject(dc, m_dialogFont != nullptr ? m_dialogFont : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(m_window, dc);
  return size.cx;
}

bool CMainDialogWin32::ControlExists(ControlId id) const { return Control(id) != nullptr; }

const void* CMainDialogWin32::ControlHandle(ControlId id) const { return Control(id); }

std::string CMainDialogWin32::GetControlText(ControlId id) const {
  HWND control = Control(id);
  return control != nullptr ? toUtf8(windowTextOf(control)) : std::string();
}

void CMainDialogWin32::SetControlText(ControlId id, const std::string& text) {
  if (HWND control = Control(id)) SetWindowTextW(control, toUtf16(text).c_str());
}

void CMainDialogWin32::SelectAllControlText(ControlId id) {
  if (HWND control = Control(id)) SendMessageW(control, EM_SETSEL, 0, -1);
}

bool CMainDialogWin32::IsChecked(ControlId id) const {
  HWND control = Control(id);
  return control != nullptr && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CMainDialogWin32::SetChecked(ControlId id, bool checked) {
  if (HWND control = Control(id)) SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::optional<PixelRect> CMainDialogWin32::ControlRect(ControlId id) const {
  HWND control = Control(id);
  if (control == nullptr) return std::nullopt;
  RECT rect{};
  ::GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&rect), 2);
  return toPixelRect(rect);
}

void CMainDialogWin32::MoveControl(ControlId id, const PixelRect& rect) {
  HWND control = Control(id);
  if (control == nullptr) return;
  int width = std::max(rect.width, 0);
  int height = std::max(rect.height, 0);
  if (id == ControlId::OutputText) {
    m_editor.Move({rect.x, rect.y, width, height});
    return;
  }
  // A drop-down's window height is that of its open list.
  if (id == ControlId::RecentSources) {
    if (m_recentDroppedHeight == 0) m_recentDroppedHeight = DialogToPixels({0, 0, 0, 120}, BaseUnits()).height;
    height = std::max(height, m_recentDroppedHeight);
  }
  if (id == ControlId::OutputTab) {
    PixelRect strip = m_tabList.Place({rect.x, rect.y, width, height});
    width = strip.width;
  }
  ::MoveWindow(control, rect.x, rect.y, width, height, TRUE);
  if (id == ControlId::Status) PlaceCaretPlace();
  if (id == ControlId::OutputTab) m_tabToolTips.Refresh();
}

int CMainDialogWin32::ControlHeightHint(ControlId id) const {
  HWND control = Control(id);
  if (control == nullptr) return 0;
  HDC dc = GetDC(m_window);
  HGDIOBJ old = SelectObject(dc, m_dialogFont != nullptr ? m_dialogFont : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(m_window, dc);
  int text = metrics.tmHeight;
  // The text with the frame and margins each kind of control draws round it.
  if (isWindowClass(control, L"Edit")) return text + 2 * GetSystemMetrics(SM_CYEDGE) + 2;
  if (isWindowClass(control, L"Button")) {
    LONG_PTR kind = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    bool box = kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX;
    return box ? std::max<int>(text, GetSystemMetrics(SM_CYMENUCHECK)) + 2 : text + 6;
  }
  if (isWindowClass(control, L"Static")) return text;
  return 0;
}

void CMainDialogWin32::ShowControl(ControlId id, bool visible) {
  HWND control = Control(id);
  if (control == nullptr) return;
  if (id == ControlId::OutputText) {
    m_editor.Show(visible);
    return;
  }
  ::ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void CMainDialogWin32::FocusControl(ControlId id) {
  // Not through the dialog manager, which would select an edit control's
  // whole text: the model sets selections itself.
  if (HWND control = Control(id)) SetFocus(control);
}

bool CMainDialogWin32::ControlHasFocus(ControlId id) const {
  HWND control = Control(id);
  if (control == nullptr) return false;
  HWND focus = GetFocus();
  // The drop-down's focus is in its edit part.
  return focus == control || (focus != nullptr && GetParent(focus) == control);
}

void CMainDialogWin32::SetToolTip(ControlId id, const std::string& text) {
  HWND control = Control(id);
  if (control == nullptr) return;
  std::wstring wide = toUtf16(text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = m_window;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(ToolTip(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(ToolTip(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CMainDialogWin32::SetToolTipDelay(int milliseconds) {
  SendMessageW(ToolTip(), TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(milliseconds, 0));
}

HWND CMainDialogWin32::ToolTip() {
  if (m_toolTip == nullptr) {
    m_toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr,
                                nullptr, nullptr);
    SendMessageW(m_toolTip, TTM_ACTIVATE, TRUE, 0);
  }
  return m_toolTip;
}

// The recent-sources drop-down.

void CMainDialogWin32::SetRecentItems(const std::vector<std::string>& items) {
  HWND recent = Control(ControlId::RecentSources);
  SendMessageW(recent, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(recent, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toUtf16(item).c_str()));
  }
}

void CMainDialogWin32::SelectRecentItem(int index) {
  SendMessageW(Control(ControlId::RecentSources), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The tab strip.

void CMainDialogWin32::SetTabItems(const std::vector<std::string>& labels) {
  HWND tabStrip = Control(ControlId::OutputTab);
  SendMessageW(tabStrip, TCM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    std::wstring label = toUtf16(labels[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    SendMessageW(tabStrip, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  m_tabToolTips.Refresh();
}

void CMainDialogWin32::SetTabLabel(int tab, const std::string& label) {
  std::wstring wide = toUtf16(label);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = wide.data();
  SendMessageW(Control(ControlId::OutputTab), TCM_SETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
  m_tabToolTips.Refresh();
}

int CMainDialogWin32::GetCurrentTab() const {
  return static_cast<int>(SendMessageW(Control(ControlId::OutputTab), TCM_GETCURSEL, 0, 0));
}

void CMainDialogWin32::SetCurrentTab(int tab) {
  SendMessageW(Control(ControlId::OutputTab), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
}

void CMainDialogWin32::SetTabToolTip(int tab, const std::string& text) { m_tabToolTips.SetText(tab, toUtf16(text)); }

// Status line and progress bar.

void CMainDialogWin32::SetStatusLine(const std::string& text, bool highlight) {
  HWND status = Control(ControlId::Status);
  std::wstring shown = toUtf16(text);
  // Every keystroke in a source says "Unsaved changes" again.
  if (highlight == m_statusHighlight && windowTextOf(status) == shown) return;
  m_statusHighlight = highlight;
  SetWindowTextW(status, shown.c_str());
  InvalidateRect(status, nullptr, TRUE);
  UpdateWindow(status);
}

void CMainDialogWin32::SetCaretPlace(const std::string& text) {
  std::wstring shown = toUtf16(text);
  if (windowTextOf(m_caretPlace) == shown) return;
  SetWindowTextW(m_caretPlace, shown.c_str());
  PlaceCaretPlace();
}

void CMainDialogWin32::PlaceCaretPlace() {
  std::optional<PixelRect> status = ControlRect(ControlId::Status);
  if (m_caretPlace == nullptr || !status) return;
  std::wstring text = windowTextOf(m_caretPlace);
  int width = text.empty() ? 0 : TextWidth(toUtf8(text)) + 4;
  // Over the status line's right end, on top of its words.
  ::MoveWindow(m_caretPlace, status->right() - width, status->y, width, status->height, TRUE);
  SetWindowPos(m_caretPlace, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::ShowWindow(m_caretPlace, width > 0 ? SW_SHOWNA : SW_HIDE);
}

void CMainDialogWin32::CreateProgressBar(int range) {
  if (Control(ControlId::Progress) != nullptr) return;
  HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | PBS_SMOOTH, 0, 0, 10, 10, m_window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId::Progress)), nullptr, nullptr);
  if (progress == nullptr) return;
  SendMessageW(progress, PBM_SETRANGE32, 0, range);
  SendMessageW(progress, PBM_SETPOS, 0, 0);
  // Over the status line, which it shares.
  SetWindowPos(progress, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  m_controls[ControlId::Progress] = progress;
}

void CMainDialogWin32::SetProgressPosition(int position) {
  if (HWND progress = Control(ControlId::Progress)) SendMessageW(progress, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

// Modal questions.

MessageBoxAnswer CMainDialogWin32::ShowMessageBox(const std::string& text, MessageBoxButtons buttons,
                                                  MessageBoxIcon icon) {
  UINT style = MB_OK;
  if (buttons == MessageBoxButtons::YesNo) style = MB_YESNO;
  if (buttons == MessageBoxButtons::YesNoCancel) style = MB_YESNOCANCEL;
  if (icon == MessageBoxIcon::Question) style |= MB_ICONQUESTION;
  if (icon == MessageBoxIcon::Stop) style |= MB_ICONSTOP;
  switch (MessageBoxW(m_window, toUtf16(text).c_str(), kMessageBoxTitle, style)) {
    case IDYES: return MessageBoxAnswer::Yes;
    case IDNO: return MessageBoxAnswer::No;
    case IDCANCEL: return MessageBoxAnswer::Cancel;
    default: return MessageBoxAnswer::Ok;
  }
}

std::optional<int> CMainDialogWin32::AskLineNumber(int currentLine, int lastLine) {
  return askLineNumber(m_window, currentLine, lastLine);
}

std::string CMainDialogWin32::AskOpenFile(const OpenFileRequest& request) { return askOpenFile(m_window, request); }

std::string CMainDialogWin32::UserDataFolder() const { return m_userDataFolder; }

// Setting the same timer again starts its wait anew.
void CMainDialogWin32::SetSingleShotTimer(int milliseconds) {
  SetTimer(m_window, QV_SINGLE_SHOT_TIMER, static_cast<UINT>(std::max(milliseconds, 0)), nullptr);
}

}  // namespace qv
