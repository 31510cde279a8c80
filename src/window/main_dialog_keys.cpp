// The window's own keys, seen before the focused control gets them.
#include <algorithm>

#include "window/main_dialog.h"

namespace qv {

namespace {

// Printable characters and tab only: Delete (127), Backspace and every other
// key with a control text are the editor's own editing.
bool isTypedText(char typed) {
  unsigned char code = static_cast<unsigned char>(typed);
  return (code >= 32 && code <= 126) || typed == '\t';
}

}  // namespace

bool CMainDialog::PreTranslateKeyDown(const KeyDown& key) {
  bool typingInEditableTab = m_view.ControlHasFocus(ControlId::OutputText) && AcceptsTyping(SelectedTab());
  switch (key.key) {
    case WindowKey::Insert:
      if (!typingInEditableTab) return false;
      m_overwrite = !m_overwrite;
      UpdateStatusLine();
      return true;
    case WindowKey::F:
      if (!key.ctrl) return false;
      OnFindShortcut();
      return true;
    case WindowKey::G:
      if (!key.ctrl) return false;
      OnGoToLine();
      return true;
    case WindowKey::S:
      if (!key.ctrl) return false;
      OnSaveFiles();
      return true;
    case WindowKey::F3:
      OnFindNext();
      return true;
    case WindowKey::F4:
      OnNextMessage(!key.shift);
      return true;
    case WindowKey::F5:
      OnCompile();
      return true;
    case WindowKey::Enter:
      if (m_view.ControlHasFocus(ControlId::FindText)) {
        FindFromBox(!key.shift);
        // So that Enter again finds on, instead of breaking the line of the match.
        m_view.FocusControl(ControlId::FindText);
        return true;
      }
      if (!typingInEditableTab) return false;
      TypeIntoEditor("\n", false);
      return true;
    default:
      return false;
  }
}

bool CMainDialog::PreTranslateChar(char typed, bool ctrl, bool alt) {
  if (ctrl || alt || !isTypedText(typed)) return false;
  int tab = SelectedTab();
  if (!m_view.ControlHasFocus(ControlId::OutputText) || !AcceptsTyping(tab)) return false;

  EditorSelection selection = m_view.GetEditorSelection();
  if (m_overwrite && typed != '\t' && selection.start == selection.end) {
    // Overwriting stops at the end of a line: a line break is never typed over.
    std::string text = m_view.GetEditorText();
    std::size_t caret = static_cast<std::size_t>(std::max(selection.end, 0));
    if (caret < text.size() && text[caret] != '\r' && text[caret] != '\n') {
      m_view.SetEditorSelection(selection.end, selection.end + 1);
    }
  }
  TypeIntoEditor(std::string(1, typed), true);
  return true;
}

void CMainDialog::TypeIntoEditor(const std::string& text, bool undoable) {
  std::uint64_t changesBefore = m_editorChanges;
  m_view.ReplaceEditorSelection(text, undoable);
  m_view.ScrollCaretIntoView();
  // A screen that reports the change has had it taken already; a second copy
  // of a long text would cost every keystroke as much again.
  if (m_editorChanges != changesBefore) return;
  CaptureTabText(SelectedTab());
  MarkTabDirty(SelectedTab(), true);
}

}  // namespace qv
