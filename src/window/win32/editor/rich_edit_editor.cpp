#include "window/win32/editor/rich_edit_editor.h"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "window/model/tabs/flag_scope.h"
#include "window/win32/editor/line_number_gutter.h"
#include "window/win32/editor/rich_edit_colourer.h"
#include "window/win32/editor/rich_edit_mirror.h"
#include "window/win32/editor/rich_edit_text.h"

namespace qv {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// The window keeps each tab's undo history itself; the control keeps none.
constexpr int kUndoLimit = 0;

COLORREF colourRef(const Rgb& colour) { return RGB(colour.red, colour.green, colour.blue); }

// The newer control when the system has it.
const wchar_t* loadRichEditClass() {
  if (LoadLibraryW(L"Msftedit.dll") != nullptr) return MSFTEDIT_CLASS;
  if (LoadLibraryW(L"Riched20.dll") != nullptr) return RICHEDIT_CLASSW;
  return nullptr;
}

// Each an ASCII byte, as the faces the window asks for are.
std::wstring wideFace(const char* face) {
  std::wstring wide;
  for (const char* c = face; *c != '\0' && wide.size() < LF_FACESIZE - 1; ++c) {
    wide += static_cast<wchar_t>(static_cast<unsigned char>(*c));
  }
  return wide;
}

// What a message the control handles may do to its text.
CRichEditMirror::UserEdit userEditOf(UINT message, WPARAM wParam) {
  using Edit = CRichEditMirror::UserEdit;
  bool control = GetKeyState(VK_CONTROL) < 0;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (message) {
    case WM_CHAR:
      // Backspace, and Ctrl+Backspace.
      return wParam == 0x08 || wParam == 0x7F ? Edit::Delete : Edit::Replace;
    case WM_KEYDOWN:
      if (wParam == VK_DELETE || wParam == VK_BACK || (control && wParam == 'X')) return Edit::Delete;
      if ((control && wParam == 'V') || (shift && wParam == VK_INSERT)) return Edit::Replace;
      return Edit::None;
    case WM_PASTE: return Edit::Replace;
    case WM_CUT:
    case WM_CLEAR: return Edit::Delete;
    default: return Edit::None;
  }
}

bool mayEdit(UINT message) {
  return message == WM_CHAR || message == WM_KEYDOWN || message == WM_PASTE || message == WM_CUT ||
         message == WM_CLEAR;
}

}  // namespace

struct CRichEditEditor::State {
  HWND edit = nullptr;
  CLineNumberGutter gutter;
  CRichEditColourer colourer;
  CRichEditMirror mirror;
  EditorEvents events;
  PixelRect rect;
  bool lineNumbers = false;
  int gutterWidth = 0;
  // What the gutter last showed.
  LONG gutterScroll = -1;
  int gutterLines = -1;
  HFONT font = nullptr;
  int lineHeight = 1;
  COLORREF plainColour = RGB(0, 0, 0);
  // As the window last asked.
  bool redrawing = true;

  bool changeNotifications = false;
  // While the editor changes the text itself, the control's reports are its own.
  bool settingText = false;

  ~State() {
    colourer.Detach();
    if (edit != nullptr) DestroyWindow(edit);
    if (font != nullptr) DeleteObject(font);
  }

  CHARRANGE Range() const {
    CHARRANGE range{};
    SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
  }

  // The text in a colour of its own, without a change to report.
  void SetAllColour(COLORREF colour, WPARAM which) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;
    // Within SetText as well as on its own.
    bool wasSetting = settingText;
    settingText = true;
    LRESULT modified = SendMessageW(edit, EM_GETMODIFY, 0, 0);
    SendMessageW(edit, EM_SETCHARFORMAT, which, reinterpret_cast<LPARAM>(&format));
    SendMessageW(edit, EM_SETMODIFY, modified != 0 ? TRUE : FALSE, 0);
    settingText = wasSetting;
  }

  void Layout() {
    if (edit == nullptr) return;
    gutterWidth = lineNumbers ? std::min(gutter.WidthFor(mirror.LineCount()), std::max(rect.width, 0)) : 0;
    if (gutter.Handle() != nullptr) {
      MoveWindow(gutter.Handle(), rect.x, rect.y, gutterWidth, rect.height, TRUE);
      // The editor's own visibility: the dialog itself is still hidden while
      // it is laid out for the first time.
      bool editShown = (GetWindowLongPtrW(edit, GWL_STYLE) & WS_VISIBLE) != 0;
      ShowWindow(gutter.Handle(), lineNumbers && editShown ? SW_SHOWNA : SW_HIDE);
    }
    MoveWindow(edit, rect.x + gutterWidth, rect.y, std::max(rect.width - gutterWidth, 0), rect.height, TRUE);
  }

  // A new count of digits needs a wider or narrower gutter.
  void FitGutter() {
    if (lineNumbers && gutter.WidthFor(mirror.LineCount()) != gutterWidth) Layout();
    RepaintGutterIfMoved();
  }

  // The numbers change only with the scroll position and the count of
  // lines; both cost nothing to read, unlike the first line in sight.
  void RepaintGutterIfMoved() {
    if (!lineNumbers) return;
    POINT scroll{};
    SendMessageW(edit, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    int lines = mirror.LineCount();
    if (scroll.y == gutterScroll && lines == gutterLines) return;
    gutterScroll = scroll.y;
    gutterLines = lines;
    gutter.Repaint();
  }

  void ColourShownLines() {
    if (!colourer.ColoursSource() || mirror.InUserEdit()) return;
    colourer.ColourShownLines(mirror.Text(), redrawing);
  }

  void Follow(const TextChange& change) {
    if (!colourer.ColoursSource()) return;
    if (!change.placed) {
      colourer.AllEdited(mirror.LineCount());
      return;
    }
    LRESULT line = SendMessageW(edit, EM_EXLINEFROMCHAR, 0, change.position);
    colourer.LinesEdited(static_cast<int>(line), change.removedLines, change.addedLines);
  }

  void OnChange() {
    if (settingText || colourer.Colouring()) return;
    if (std::optional<TextChange> change = mirror.OnControlChange()) Follow(*change);
    FitGutter();
    if (changeNotifications && events.changed) events.changed();
  }

  static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
    auto* state = reinterpret_cast<State*>(data);
    switch (message) {
      case WM_PAINT:
        state->ColourShownLines();
        // Every scroll repaints the control, and the numbers follow it.
        state->RepaintGutterIfMoved();
        break;
      case WM_NCDESTROY:
        state->colourer.Detach();
        RemoveWindowSubclass(window, &State::EditProcedure, kSubclassId);
        state->edit = nullptr;
        break;
      default:
        if (mayEdit(message)) {
          bool outermost = state->mirror.BeginUserEdit(userEditOf(message, wParam));
          LRESULT result = DefSubclassProc(window, message, wParam, lParam);
          if (outermost) {
            state->mirror.EndUserEdit();
            // What the edit showed is coloured now.
            state->ColourShownLines();
          }
          return result;
        }
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
  }
};

CRichEditEditor::CRichEditEditor() : m_state(std::make_unique<State>()) {}

CRichEditEditor::~CRichEditEditor() = default;

bool CRichEditEditor::Create(HWND parent, int controlId, const PixelRect& rect) {
  static const wchar_t* const richEditClass = loadRichEditClass();
  if (richEditClass == nullptr || m_state->edit != nullptr) return false;
  State& state = *m_state;
  state.rect = rect;
  // No word wrap: a line of the text is a line of the control.
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                ES_NOHIDESEL;
  state.edit = CreateWindowExW(WS_EX_CLIENTEDGE, richEditClass, L"", style, rect.x, rect.y, rect.width, rect.height,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                               GetModuleHandleW(nullptr), nullptr);
  if (state.edit == nullptr) return false;
  SetWindowSubclass(state.edit, &State::EditProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(&state));
  SendMessageW(state.edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(state.edit, EM_SETTARGETDEVICE, 0, 1);
  SendMessageW(state.edit, EM_SETUNDOLIMIT, kUndoLimit, 0);
  // Pasted text keeps the editor's font, whatever its language.
  SendMessageW(state.edit, EM_SETLANGOPTIONS, 0, 0);
  SendMessageW(state.edit, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_MOUSEEVENTS);
  state.mirror.Attach(state.edit);
  state.colourer.Attach(state.edit);
  // Every text starts in the plain colour.
  state.SetAllColour(state.plainColour, SCF_ALL);
  state.SetAllColour(state.plainColour, SCF_DEFAULT);
  state.gutter.Create(parent, state.edit);
  state.Layout();
  return true;
}

HWND CRichEditEditor::Handle() const { return m_state->edit; }

void CRichEditEditor::SetEvents(EditorEvents events) { m_state->events = std::move(events); }

bool CRichEditEditor::OnCommand(WPARAM wParam, LPARAM lParam) {
  State& state = *m_state;
  if (state.edit == nullptr || reinterpret_cast<HWND>(lParam) != state.edit) return false;
  if (HIWORD(wParam) == EN_CHANGE) state.OnChange();
  return true;
}

bool CRichEditEditor::OnNotify(const NMHDR& header, LRESULT& result) {
  State& state = *m_state;
  if (state.edit == nullptr || header.hwndFrom != state.edit) return false;
  result = 0;
  if (header.code == EN_SELCHANGE) {
    if (!state.settingText && !state.colourer.Colouring() && state.events.caretMoved) state.events.caretMoved();
  } else if (header.code == EN_MSGFILTER) {
    const auto& filter = reinterpret_cast<const MSGFILTER&>(header);
    if (filter.msg == WM_LBUTTONDBLCLK && state.events.doubleClicked) {
      POINTL point{GET_X_LPARAM(filter.lParam), GET_Y_LPARAM(filter.lParam)};
      int position = static_cast<int>(SendMessageW(state.edit, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&point)));
      // Handled by the window: the control does not select the word.
      if (state.events.doubleClicked(position)) result = 1;
    }
  }
  return true;
}

void CRichEditEditor::Move(const PixelRect& rect) {
  m_state->rect = rect;
  m_state->Layout();
}

void CRichEditEditor::Show(bool visible) {
  State& state = *m_state;
  if (state.edit == nullptr) return;
  ShowWindow(state.edit, visible ? SW_SHOWNA : SW_HIDE);
  if (state.gutter.Handle() != nullptr) ShowWindow(state.gutter.Handle(), visible && state.lineNumbers ? SW_SHOWNA : SW_HIDE);
}

const std::string& CRichEditEditor::Text() const { return m_state->mirror.Text(); }

void CRichEditEditor::SetText(const std::string& text) {
  State& state = *m_state;
  if (state.edit == nullptr) return;
  std::wstring wide = RichEditInput(text);
  {
    FlagScope setting(state.settingText);
    // A new text: the old one's undo steps and modified mark go with it.
    SETTEXTEX how{ST_DEFAULT, 1200};
    // Emptied first, so that the new text takes none of the old one's colours.
    SendMessageW(state.edit, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(L""));
    state.SetAllColour(state.plainColour, SCF_ALL);
    SendMessageW(state.edit, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageW(state.edit, EM_SETMODIFY, FALSE, 0);
    // At its start, as a new text is shown; the control leaves the caret at the end.
    CHARRANGE start{0, 0};
    SendMessageW(state.edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(state.edit, WM_VSCROLL, SB_TOP, 0);
    state.mirror.Reset(wide);
    state.colourer.TextSet(state.mirror.LineCount());
  }
  state.FitGutter();
  // The control drew the text as it took it.
  state.ColourShownLines();
}

void CRichEditEditor::SetColouring(const EditorColouring& colouring) { m_state->colourer.SetColouring(colouring); }

int CRichEditEditor::TextLength() const { return m_state->mirror.Length(); }

EditorSelection CRichEditEditor::Selection() const {
  if (m_state->edit == nullptr) return {};
  CHARRANGE range = m_state->Range();
  return {static_cast<int>(range.cpMin), static_cast<int>(range.cpMax)};
}

void CRichEditEditor::SetSelection(int start, int end) {
  State& state = *m_state;
  if (state.edit == nullptr) return;
  int length = TextLength();
  CHARRANGE range{std::clamp(start, 0, length), std::clamp(end, 0, length)};
  SendMessageW(state.edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void CRichEditEditor::ReplaceSelection(const std::string& text, bool undoable) {
  State& state = *m_state;
  if (state.edit == nullptr) return;
  std::wstring wide = RichEditInput(text);
  CHARRANGE range = state.Range();
  // Mirror and colours take the change first: the control reports it, and
  // may repaint, before it returns.
  state.Follow(state.mirror.Replace(range.cpMin, range.cpMax, wide));
  SendMessageW(state.edit, EM_REPLACESEL, undoable ? TRUE : FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
  state.mirror.CheckLength();
  state.ColourShownLines();
}

void CRichEditEditor::ScrollCaretIntoView() {
  HWND edit = m_state->edit;
  if (edit == nullptr) return;
  // Scrolling costs as much as a long text is long in some versions of the
  // control, even when there is nothing to scroll: a caret in sight stays.
  POINT caret{};
  RECT client;
  if (GetFocus() == edit && GetCaretPos(&caret) && GetClientRect(edit, &client) && PtInRect(&client, caret)) return;
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

int CRichEditEditor::FirstVisibleLine() const {
  if (m_state->edit == nullptr) return 0;
  return static_cast<int>(SendMessageW(m_state->edit, EM_GETFIRSTVISIBLELINE, 0, 0));
}

int CRichEditEditor::VisibleLineCount() const {
  if (m_state->edit == nullptr) return 0;
  RECT text{};
  SendMessageW(m_state->edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  return std::max<int>(text.bottom - text.top, 0) / m_state->lineHeight;
}

void CRichEditEditor::SetFirstVisibleLine(int line) {
  if (m_state->edit == nullptr) return;
  int lines = std::max(line, 0) - FirstVisibleLine();
  if (lines != 0) SendMessageW(m_state->edit, EM_LINESCROLL, 0, lines);
}

void CRichEditEditor::SetRedraw(bool on) {
  State& state = *m_state;
  if (state.edit == nullptr) return;
  state.redrawing = on;
  SendMessageW(state.edit, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) {
    InvalidateRect(state.edit, nullptr, TRUE);
    state.gutter.Repaint();
  }
}

void CRichEditEditor::SetTextColour(const Rgb& colour) {
  State& state = *m_state;
  // Colouring a long text whole takes long: only a new colour is worth it.
  if (state.edit == nullptr || colourRef(colour) == state.plainColour) return;
  state.plainColour = colourRef(colour);
  state.SetAllColour(state.plainColour, SCF_DEFAULT);
  state.SetAllColour(state.plainColour, SCF_ALL);
  state.colourer.SetPlainColour(state.plainColour);
  state.ColourShownLines();
}

void CRichEditEditor::SetReadOnly(bool readOnly) {
  if (m_state->edit != nullptr) SendMessageW(m_state->edit, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

bool CRichEditEditor::IsModified() const {
  return m_state->edit != nullptr && SendMessageW(m_state->edit, EM_GETMODIFY, 0, 0) != 0;
}

void CRichEditEditor::SetModified(bool modified) {
  if (m_state->edit != nullptr) SendMessageW(m_state->edit, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

void CRichEditEditor::Repaint() {
  if (m_state->edit == nullptr) return;
  InvalidateRect(m_state->edit, nullptr, FALSE);
  m_state->gutter.Repaint();
}

void CRichEditEditor::EnableChangeNotifications() { m_state->changeNotifications = true; }

bool CRichEditEditor::SetFont(const EditorFont& request) {
  State& state = *m_state;
  if (state.edit == nullptr) return false;
  HDC screen = GetDC(state.edit);
  LOGFONTW description{};
  description.lfHeight = -MulDiv(request.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  description.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::wstring face = wideFace(request.face);
  face.copy(description.lfFaceName, face.size());
  HFONT font = CreateFontIndirectW(&description);
  TEXTMETRICW metrics{};
  auto realise = [&](HFONT candidate) {
    HGDIOBJ was = SelectObject(screen, candidate);
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, was);
  };
  if (font != nullptr) {
    realise(font);
    // The flag is set for a font whose characters differ in width: then any
    // fixed-pitch face of the size rather than the one named.
    if ((metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0) {
      DeleteObject(font);
      description.lfFaceName[0] = L'\0';
      font = CreateFontIndirectW(&description);
      if (font != nullptr) realise(font);
    }
  }
  ReleaseDC(state.edit, screen);
  if (font == nullptr) return false;
  if (request.bold && metrics.tmWeight < FW_SEMIBOLD) {
    DeleteObject(font);
    return false;
  }
  {
    FlagScope setting(state.settingText);
    BOOL modified = static_cast<BOOL>(SendMessageW(state.edit, EM_GETMODIFY, 0, 0));
    SendMessageW(state.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(state.edit, EM_SETMODIFY, modified, 0);
  }
  if (state.font != nullptr) DeleteObject(state.font);
  state.font = font;
  state.gutter.SetFont(font);
  state.colourer.SetLineHeight(metrics.tmHeight);
  state.lineHeight = std::max<int>(metrics.tmHeight, 1);
  state.Layout();
  return true;
}

TextPlace CRichEditEditor::CaretPlace() const {
  if (m_state->edit == nullptr) return {};
  CHARRANGE range = m_state->Range();
  LRESULT line = SendMessageW(m_state->edit, EM_EXLINEFROMCHAR, 0, range.cpMax);
  LRESULT start = SendMessageW(m_state->edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  return {static_cast<int>(line) + 1, static_cast<int>(range.cpMax - std::max<LRESULT>(start, 0)) + 1};
}

void CRichEditEditor::ShowLineNumbers(bool shown) {
  State& state = *m_state;
  if (shown == state.lineNumbers) return;
  state.lineNumbers = shown;
  state.Layout();
}

}  // namespace qv
