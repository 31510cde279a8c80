#pragma once
// The shared editor of the Win32 window: a rich edit control with a gutter
// of line numbers on its left. It carries out the editor part of
// MainDialogView for the window, which forwards those calls here one to
// one; positions count every line break as one character, as there.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "window/main_dialog_view.h"

namespace qv {

// What the editor tells the window about the user's doing.
struct EditorEvents {
  // The user's typing, pasting or deleting changed the text (only once
  // EnableChangeNotifications was called, never for SetText).
  std::function<void()> changed;
  std::function<void()> caretMoved;
  // A double-click at a text position; true when the window handled it,
  // else the control selects the word as usual.
  std::function<bool(int position)> doubleClicked;
};

class CRichEditEditor {
 public:
  CRichEditEditor();
  ~CRichEditEditor();
  CRichEditEditor(const CRichEditEditor&) = delete;
  CRichEditEditor& operator=(const CRichEditEditor&) = delete;

  // Makes the control as a child of parent with the given control id
  // ("RICHEDIT50W" from Msftedit.dll, else riched20); false when neither loads.
  bool Create(HWND parent, int controlId, const PixelRect& rect);
  // The rich edit control itself; null before Create.
  HWND Handle() const;
  void SetEvents(EditorEvents events);
  // The parent hands over its WM_COMMAND and WM_NOTIFY messages; true when
  // they were the editor's (result then holds the answer for WM_NOTIFY).
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  bool OnNotify(const NMHDR& header, LRESULT& result);
  // Gutter and text together fill rect.
  void Move(const PixelRect& rect);
  void Show(bool visible);

  // The editor part of MainDialogView.
  const std::string& Text() const;
  void SetText(const std::string& text);
  void SetColouring(const EditorColouring& colouring);
  int TextLength() const;
  EditorSelection Selection() const;
  void SetSelection(int start, int end);
  void ReplaceSelection(const std::string& text, bool undoable);
  void ScrollCaretIntoView();
  int FirstVisibleLine() const;
  int VisibleLineCount() const;
  void SetFirstVisibleLine(int line);
  void SetRedraw(bool on);
  void SetTextColour(const Rgb& colour);
  void SetReadOnly(bool readOnly);
  bool IsModified() const;
  void SetModified(bool modified);
  void Repaint();
  void EnableChangeNotifications();
  bool SetFont(const EditorFont& font);
  TextPlace CaretPlace() const;
  void ShowLineNumbers(bool shown);

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

}  // namespace qv
