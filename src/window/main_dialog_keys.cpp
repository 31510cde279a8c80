// The window's own keys, seen before the focused control gets them: each
// goes to the feature that handles it.
#include <algorithm>

#include "window/handler_guard.h"
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
  return RunHandler("PreTranslateMessage", false, [&] {
    bool typingInEditableTab =
        m_view.ControlHasFocus(ControlId::OutputText) && m_tabs.AcceptsTyping(m_editor.SelectedTab());
    switch (key.key) {
      case WindowKey::Insert: {
        if (!typingInEditableTab) return false;
        StatusLine& status = m_editor.Status();
        status.overwrite = !status.overwrite;
        status.Update();
        return true;
      }
      case WindowKey::F:
        if (!key.ctrl) return false;
        m_find.OnFindShortcut();
        return true;
      case WindowKey::G:
        if (!key.ctrl) return false;
        m_places.OnGoToLine();
        return true;
      case WindowKey::S:
        if (!key.ctrl) return false;
        OnSaveFiles();
        return true;
      case WindowKey::Z:
      case WindowKey::Y:
        // The editor keeps no undo of its own: each tab's steps are the window's.
        if (!key.ctrl || key.alt || !typingInEditableTab) return false;
        m_editor.StepHistory(key.key == WindowKey::Z && !key.shift);
        return true;
      case WindowKey::F3:
        OnFindNext();
        return true;
      case WindowKey::F4:
        m_places.OnNextMessage(!key.shift);
        return true;
      case WindowKey::F5:
        OnCompile();
        return true;
      case WindowKey::Enter:
        if (m_view.ControlHasFocus(ControlId::FindText)) {
          m_find.FindFromBox(!key.shift);
          // So that Enter again finds on, instead of breaking the line of the match.
          m_view.FocusControl(ControlId::FindText);
          return true;
        }
        if (!typingInEditableTab) return false;
        m_editor.TypeIntoEditor("\n", false);
        return true;
      default:
        return false;
    }
  });
}

bool CMainDialog::PreTranslateChar(char typed, bool ctrl, bool alt) {
  return RunHandler("PreTranslateMessage", false, [&] {
    if (ctrl || alt || !isTypedText(typed)) return false;
    if (!m_view.ControlHasFocus(ControlId::OutputText) || !m_tabs.AcceptsTyping(m_editor.SelectedTab())) return false;

    EditorSelection selection = m_view.GetEditorSelection();
    if (m_editor.Status().overwrite && typed != '\t' && selection.start == selection.end) {
      // Overwriting stops at the end of a line: a line break is never typed over.
      std::string text = m_view.GetEditorText();
      std::size_t caret = static_cast<std::size_t>(std::max(selection.end, 0));
      if (caret < text.size() && text[caret] != '\r' && text[caret] != '\n') {
        m_view.SetEditorSelection(selection.end, selection.end + 1);
      }
    }
    m_editor.TypeIntoEditor(std::string(1, typed), true);
    return true;
  });
}

}  // namespace qv
