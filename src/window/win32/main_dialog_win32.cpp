// The Win32 dialog's creation, its modal loop and its dialog procedure:
// each message becomes the CMainDialog operation that the Qt view calls
// for the same event.
#include "window/win32/main_dialog_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <string>
#include <utility>

#include "platform/error_report.h"
#include "platform/utf16_windows.h"
#include "window/model/layout/window_layout.h"
#include "window/win32/dialog_resources.h"
#include "window/win32/tab_strip_drawing.h"

namespace qv {

namespace {

WindowKey windowKeyOf(WPARAM key) {
  switch (key) {
    case VK_INSERT: return WindowKey::Insert;
    case 'F': return WindowKey::F;
    case 'G': return WindowKey::G;
    case 'S': return WindowKey::S;
    case 'Y': return WindowKey::Y;
    case 'Z': return WindowKey::Z;
    case VK_F3: return WindowKey::F3;
    case VK_F4: return WindowKey::F4;
    case VK_F5: return WindowKey::F5;
    case VK_RETURN: return WindowKey::Enter;
    default: return WindowKey::Other;
  }
}

bool keyHeld(int key) { return GetKeyState(key) < 0; }

std::wstring windowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

}  // namespace

// The strip beside the tabs shows the dialog's grey, as the Qt window's does.
LRESULT CALLBACK CMainDialogWin32::EraseTabStripBackground(HWND tabStrip, UINT message, WPARAM wParam, LPARAM lParam,
                                                           UINT_PTR, DWORD_PTR self) {
  HBRUSH grey = reinterpret_cast<CMainDialogWin32*>(self)->m_brushes.Background();
  if (message == WM_ERASEBKGND && grey != nullptr) {
    RECT client{};
    GetClientRect(tabStrip, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, grey);
    return TRUE;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(tabStrip, EraseTabStripBackground, 0);
  return DefSubclassProc(tabStrip, message, wParam, lParam);
}

CMainDialogWin32::CMainDialogWin32(SettingsStore& settings, std::string userDataFolder)
    : m_userDataFolder(std::move(userDataFolder)), m_model(*this, settings, nullptr) {}

CMainDialogWin32::~CMainDialogWin32() {
  if (m_window != nullptr) DestroyWindow(m_window);
}

bool CMainDialogWin32::Create() {
  m_ended = false;
  return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QV_MAIN_DIALOG), nullptr, DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

int CMainDialogWin32::DoModal() {
  if (!Create()) return -1;
  MSG message;
  while (!m_ended) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // Someone asked the thread to end: the window closes first, asking nothing.
      EndDialog(kCancelCode);
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return m_endCode;
}

bool CMainDialogWin32::PreTranslateMessage(MSG& message) {
  if (m_window == nullptr || (message.hwnd != m_window && !IsChild(m_window, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN || message.message == WM_CHAR) {
    if (PreTranslateKey(message)) return true;
  }
  // Overwriting is the model's own mode; the editor's would stay on
  // unseen. Ctrl+Insert and Shift+Insert still copy and paste.
  if (message.message == WM_KEYDOWN && message.wParam == VK_INSERT && !keyHeld(VK_CONTROL) && !keyHeld(VK_SHIFT) &&
      message.hwnd == m_editor.Handle()) {
    return true;
  }
  // Escape would be the dialog's cancel command: the window closes through
  // Exit App and its close button alone. An open drop-down still takes it.
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
      !SendMessageW(Control(ControlId::RecentSources), CB_GETDROPPEDSTATE, 0, 0)) {
    return true;
  }
  return IsDialogMessageW(m_window, &message) != 0;
}

bool CMainDialogWin32::PreTranslateKey(const MSG& message) {
  bool ctrl = keyHeld(VK_CONTROL);
  bool alt = keyHeld(VK_MENU);
  if (message.message == WM_KEYDOWN) {
    return m_model.PreTranslateKeyDown({windowKeyOf(message.wParam), ctrl, alt, keyHeld(VK_SHIFT)});
  }
  // A character of the 8-bit range; the others are the editor's own.
  if (message.wParam >= 256) return false;
  return m_model.PreTranslateChar(static_cast<char>(message.wParam), ctrl, alt);
}

INT_PTR CALLBACK CMainDialogWin32::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<CMainDialogWin32*>(GetWindowLongPtrW(window, DWLP_USER));
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CMainDialogWin32*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->m_window = window;
  }
  if (self == nullptr) return FALSE;
  INT_PTR handled = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->m_window = nullptr;
  return handled;
}

INT_PTR CMainDialogWin32::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialogControls();
      // The focus goes to the first control that takes it.
      return m_model.OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
      SetWindowLongPtrW(m_window, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return static_cast<INT_PTR>(OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_DRAWITEM: {
      bool drawn = OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return drawn ? TRUE : FALSE;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        m_model.OnSize(LOWORD(lParam), HIWORD(lParam));
        // The bottom row's controls swap places as the width changes: all
        // of them are drawn again, not only the parts that came to light.
        RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
      return TRUE;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam != QV_SINGLE_SHOT_TIMER) return FALSE;
      KillTimer(m_window, QV_SINGLE_SHOT_TIMER);
      m_model.OnTimer();
      return TRUE;
    case WM_ACTIVATEAPP:
      m_model.OnActivateApp(wParam != FALSE);
      return TRUE;
    case WM_CLOSE:
      OnClose();
      return TRUE;
    case WM_SYSCOMMAND:
      // Closing waits until the compile has ended.
      if ((wParam & 0xFFF0) == SC_CLOSE && m_busy) return TRUE;
      return FALSE;
    case WM_DESTROY:
      m_brushes.Destroy();
      if (m_toolTip != nullptr) DestroyWindow(m_toolTip);
      m_toolTip = nullptr;
      return TRUE;
    default: return FALSE;
  }
}

void CMainDialogWin32::OnCommand(WORD id, WORD code, HWND control) {
  if (control != nullptr && control == m_editor.Handle()) {
    m_editor.OnCommand(MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
    return;
  }
  if (id == QV_TAB_LIST) {
    if (code != BN_CLICKED) return;
    if (std::optional<int> chosen = m_tabList.Choose(m_model.TabListLabels())) m_model.OnTabListChosen(*chosen);
    return;
  }
  switch (static_cast<ControlId>(id)) {
    case ControlId::Browse:
      if (code == BN_CLICKED) m_model.OnBrowse();
      return;
    case ControlId::Compile:
      if (code == BN_CLICKED) m_model.OnCompile();
      return;
    case ControlId::SaveFiles:
      if (code == BN_CLICKED) m_model.OnSaveFiles();
      return;
    case ControlId::FindNext:
      if (code == BN_CLICKED) m_model.OnFindNext();
      return;
    case ControlId::FindPrev:
      if (code == BN_CLICKED) m_model.OnFindPrev();
      return;
    case ControlId::Exit:
      if (code == BN_CLICKED) OnClose();
      return;
    case ControlId::Suffix:
      if (code == EN_CHANGE) m_model.OnSuffixChanged();
      return;
    case ControlId::RecentSources:
      // The user's choice from the list; moving through it chooses nothing yet.
      if (code == CBN_SELENDOK) {
        HWND recent = Control(ControlId::RecentSources);
        LRESULT chosen = SendMessageW(recent, CB_GETCURSEL, 0, 0);
        if (chosen == CB_ERR) return;
        LRESULT length = SendMessageW(recent, CB_GETLBTEXTLEN, static_cast<WPARAM>(chosen), 0);
        std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
        SendMessageW(recent, CB_GETLBTEXT, static_cast<WPARAM>(chosen), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.find(L'\0'));
        m_model.OnRecentSourceChosen(toUtf8(text));
      }
      return;
    default: return;
  }
}

bool CMainDialogWin32::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != nullptr && header.hwndFrom == m_editor.Handle()) return m_editor.OnNotify(header, result);
  HWND tabStrip = Control(ControlId::OutputTab);
  if (header.hwndFrom == tabStrip && header.code == TCN_SELCHANGE) {
    m_model.OnTabChanged();
    return true;
  }
  return false;
}

LRESULT CMainDialogWin32::OnCtlColor(HDC dc, HWND control, UINT message) {
  try {
    const WindowColours& colours = m_brushes.Colours();
    if (message == WM_CTLCOLORSTATIC && control == Control(ControlId::Status) && m_statusHighlight) {
      SetTextColor(dc, toColorRef(colours.statusSuccessText));
      SetBkColor(dc, toColorRef(colours.statusSuccess));
      return reinterpret_cast<LRESULT>(m_brushes.StatusSuccess());
    }
    if (m_brushes.Background() == nullptr) return 0;
    // Labels and check boxes stand on the dialog's grey, as the Qt window draws them.
    SetBkColor(dc, toColorRef(colours.dialogBackground));
    return reinterpret_cast<LRESULT>(m_brushes.Background());
  } catch (...) {
    reportUnhandledException("OnCtlColor", 0);
    return 0;
  }
}

bool CMainDialogWin32::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HWND tabStrip = Control(ControlId::OutputTab);
  if (m_tabList.Draw(item)) return true;
  if (item.hwndItem != tabStrip || item.CtlType != ODT_TAB) return false;
  try {
    int selected = static_cast<int>(SendMessageW(tabStrip, TCM_GETCURSEL, 0, 0));
    drawTabItem(item, static_cast<int>(item.itemID) == selected, m_brushes);
    return true;
  } catch (...) {
    reportUnhandledException("OnDrawItem", 0);
    return false;
  }
}

void CMainDialogWin32::OnGetMinMaxInfo(MINMAXINFO& info) const {
  if (m_minimumClient.cx <= 0 && m_minimumClient.cy <= 0) return;
  RECT outer{0, 0, m_minimumClient.cx, m_minimumClient.cy};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE)));
  info.ptMinTrackSize.x = outer.right - outer.left;
  info.ptMinTrackSize.y = outer.bottom - outer.top;
}

void CMainDialogWin32::OnClose() {
  if (m_busy || m_ended) return;
  if (m_model.CanClose()) EndDialog(kCancelCode);
}

void CMainDialogWin32::EndDialog(int code) {
  if (m_ended) return;
  m_ended = true;
  m_endCode = code;
  // The settings are saved while every control still holds its text.
  m_model.OnDestroy();
  DestroyWindow(m_window);
}

void CMainDialogWin32::OnInitDialogControls() {
  m_dialogFont = reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
  FindTemplateControls();
  ReplaceTemplateEditor();
  m_editor.SetEvents({[this] { m_model.OnEditorChange(); }, [this] { m_model.OnEditorCaretMoved(); },
                      [this](int position) { return m_model.OnEditorDoubleClick(position); }});
  HWND tabStrip = Control(ControlId::OutputTab);
  SetWindowLongPtrW(tabStrip, GWL_STYLE, GetWindowLongPtrW(tabStrip, GWL_STYLE) | TCS_OWNERDRAWFIXED);
  SetWindowSubclass(tabStrip, EraseTabStripBackground, 0, reinterpret_cast<DWORD_PTR>(this));
  m_tabToolTips.Attach(ToolTip(), tabStrip);
  SendMessageW(tabStrip, TCM_SETITEMSIZE, 0, MAKELPARAM(0, kTabItemHeight));
  // The caret's place and the progress bar lie over the status line, which
  // must not draw over them.
  HWND status = Control(ControlId::Status);
  SetWindowLongPtrW(status, GWL_STYLE, GetWindowLongPtrW(status, GWL_STYLE) | WS_CLIPSIBLINGS);
  m_caretPlace = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_RIGHT | SS_NOPREFIX, 0, 0, 0, 0, m_window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(QV_CARET_PLACE)), nullptr, nullptr);
  SendMessageW(m_caretPlace, WM_SETFONT, reinterpret_cast<WPARAM>(m_dialogFont), FALSE);
  m_tabList.Create(m_window, QV_TAB_LIST);
}

void CMainDialogWin32::FindTemplateControls() {
  for (const TemplateControl& entry : MainDialogTemplate()) {
    int id = static_cast<int>(entry.id);
    if (id > 0) {
      if (HWND control = GetDlgItem(m_window, id)) m_controls[entry.id] = control;
      continue;
    }
    // The labels without an id of their own are known by their words.
    std::wstring words = toUtf16(entry.text);
    for (HWND child = GetWindow(m_window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (static_cast<WORD>(GetDlgCtrlID(child)) == 0xFFFF && windowText(child) == words) {
        m_controls[entry.id] = child;
        break;
      }
    }
  }
}

void CMainDialogWin32::ReplaceTemplateEditor() {
  HWND placeholder = Control(ControlId::OutputText);
  m_controls.erase(ControlId::OutputText);
  if (placeholder == nullptr) return;
  RECT where{};
  ::GetWindowRect(placeholder, &where);
  MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&where), 2);
  HWND before = GetWindow(placeholder, GW_HWNDPREV);
  DestroyWindow(placeholder);
  if (!m_editor.Create(m_window, static_cast<int>(ControlId::OutputText),
                       {where.left, where.top, where.right - where.left, where.bottom - where.top})) {
    return;
  }
  // In the tab order where the template had it.
  SetWindowPos(m_editor.Handle(), before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  m_controls[ControlId::OutputText] = m_editor.Handle();
}

}  // namespace qv
