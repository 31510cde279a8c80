// From a place in a file (a message's, a symbol's, a typed line number) to
// that line in the file's tab, and the caret's own place.
#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"
#include "common/text.h"
#include "window/main_dialog.h"

namespace qv {

namespace {

// Messages the Log leaves out have no place to go to either.
bool hasPlace(const CompileResult& result, std::size_t index) {
  return index < result.messages.size() && index < result.messagePlaces.size() &&
         result.messagePlaces[index].line >= 1 && !IsDefineNote(result.messages[index]);
}

std::string placeText(const std::string& file, int line) {
  return fileNameOf(file) + " line " + std::to_string(line);
}

int lineCountOf(const std::string& text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

CompileLog CMainDialog::CompileLogOfResult() const {
  CompileLogHeader header{m_sourcePath, m_suffix, m_noWrite, m_showInactive};
  return FormatCompileLog(header, m_lastResult, m_compileMillis, m_clock.timeOfDay());
}

std::optional<std::size_t> CMainDialog::MessageAtLogPosition(const std::string& text, std::size_t position) const {
  if (!m_compiled) return std::nullopt;
  int line = static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
  return MessageOnLogLine(CompileLogOfResult(), line);
}

std::optional<int> CMainDialog::TabOfFile(const std::string& file) const {
  // Names the compile gave no file belong to the source itself.
  if (file.empty() || sameFile(file, m_sourcePath)) return kSourceTab;
  for (std::size_t i = 0; i < m_includePaths.size(); ++i) {
    if (sameFile(file, m_includePaths[i])) return kFixedTabCount + static_cast<int>(i);
  }
  return std::nullopt;
}

void CMainDialog::ShowTabForNavigation(int tab) {
  // A tab already shown keeps its text as it is, and with it the undo steps.
  if (tab == m_currentTab && SelectedTab() == tab) {
    UpdateStatusFromResult();
    return;
  }
  if (IsValidTab(m_currentTab) && m_currentTab != tab) {
    CaptureTabText(m_currentTab);
    SaveTabSelection(m_currentTab);
  }
  m_view.SetCurrentTab(tab);
  RefreshOutput();
}

void CMainDialog::PutCaretAtLine(int line) {
  int caret = static_cast<int>(LineStart(m_view.GetEditorText(), line));
  m_view.SetEditorSelection(caret, caret);
  m_view.FocusControl(ControlId::OutputText);
  m_view.ScrollCaretIntoView();
}

void CMainDialog::ShowFileLine(const std::string& file, int line, const std::string& status) {
  // A carried include has no tab to show: the status line says where.
  if (std::optional<int> tab = TabOfFile(file)) {
    ShowTabForNavigation(*tab);
    PutCaretAtLine(line);
  }
  m_view.SetStatusLine(status, false);
}

bool CMainDialog::GoToMessage(std::size_t index) {
  if (!m_compiled || !hasPlace(m_lastResult, index)) return false;
  m_currentMessage = static_cast<int>(index);
  const MessagePlace& place = m_lastResult.messagePlaces[index];
  ShowFileLine(place.file, place.line, placeText(place.file, place.line));
  return true;
}

void CMainDialog::OnNextMessage(bool forward) {
  if (!m_compiled) return;
  long count = static_cast<long>(m_lastResult.messages.size());
  long from = m_currentMessage >= 0 ? m_currentMessage : (forward ? -1 : count);
  for (long step = 1; step <= count; ++step) {
    long index = ((from + (forward ? step : -step)) % count + count) % count;
    if (GoToMessage(static_cast<std::size_t>(index))) return;
  }
}

void CMainDialog::OnGoToLine() {
  int lastLine = lineCountOf(m_view.GetEditorText());
  std::optional<int> line = m_view.AskLineNumber(m_view.GetCaretPlace().line, lastLine);
  if (line) PutCaretAtLine(std::clamp(*line, 1, lastLine));
}

void CMainDialog::OnEditorCaretMoved() {
  if (!m_settingText) UpdateCaretPlace();
}

void CMainDialog::UpdateCaretPlace() {
  if (m_statusHighlight || !AcceptsTyping(SelectedTab())) {
    m_view.SetCaretPlace("");
    return;
  }
  TextPlace place = m_view.GetCaretPlace();
  m_view.SetCaretPlace("Ln " + std::to_string(place.line) + ", Col " + std::to_string(place.column));
}

}  // namespace qv
