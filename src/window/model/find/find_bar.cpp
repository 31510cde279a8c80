#include "window/model/find/find_bar.h"

#include <algorithm>

namespace qv {

void FindBar::FindFromBox(bool forward) {
  std::string text = CleanSearchText(m_view.GetControlText(ControlId::FindText));
  m_view.SetControlText(ControlId::FindText, text);
  if (text.empty()) {
    m_view.FocusControl(ControlId::FindText);
    return;
  }
  findText = text;
  SearchOptions options{forward, m_view.IsChecked(ControlId::MatchCase), m_view.IsChecked(ControlId::WholeWord)};
  if (!FindInEditor(text, options)) {
    m_view.ShowMessageBox("Text not found: " + text, MessageBoxButtons::Ok, MessageBoxIcon::None);
  }
}

std::optional<std::size_t> FindBar::FindInEditor(const std::string& what, const SearchOptions& options) {
  std::string text = m_view.GetEditorText();
  EditorSelection selection = m_view.GetEditorSelection();
  // The search goes on from where the caret is now, which after a match is
  // the match itself and after a click is wherever the user put it.
  int start = options.forward ? std::max(selection.start, selection.end) : std::min(selection.start, selection.end);
  std::size_t from = static_cast<std::size_t>(std::max(start, 0));
  std::optional<std::size_t> found = FindInText(text, what, from, options);
  if (!found) return std::nullopt;
  int matchEnd = static_cast<int>(*found + what.size());
  m_view.SetEditorSelection(static_cast<int>(*found), matchEnd);
  m_view.FocusControl(ControlId::OutputText);
  m_view.ScrollCaretIntoView();
  return found;
}

void FindBar::OnFindShortcut() {
  findText = CleanSearchText(findText);
  std::string shown = findText;
  if (m_view.ControlHasFocus(ControlId::OutputText)) {
    EditorSelection selection = m_view.GetEditorSelection();
    int selectionStart = std::min(selection.start, selection.end);
    int selectionEnd = std::max(selection.start, selection.end);
    if (selectionStart != selectionEnd) {
      std::string text = m_view.GetEditorText();
      std::size_t from = std::min(static_cast<std::size_t>(std::max(selectionStart, 0)), text.size());
      std::size_t to = std::min(static_cast<std::size_t>(selectionEnd), text.size());
      shown = CleanSearchText(std::string_view(text).substr(from, to - from));
    }
  }
  m_view.SetControlText(ControlId::FindText, shown);
  m_view.FocusControl(ControlId::FindText);
  m_view.SelectAllControlText(ControlId::FindText);
}

}  // namespace qv
