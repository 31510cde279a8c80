#include "window/model/display/tab_display.h"

#include "window/model/display/compile_report.h"
#include "window/model/settings/recent_sources.h"
#include "window/model/results/status_words.h"
#include "window/model/tabs/editor_text.h"

namespace qv {

std::string TabDisplay::BuildCompileLog() const { return CompileLogOf(m_last, m_tabs.SourcePath(), m_settings).text; }

std::string TabDisplay::TextToShow(int tab) {
  TabRecord& record = m_tabs.at(tab);
  const CompileResult& result = m_last.result;
  switch (tab) {
    case kLogTab:
      if (!m_last.compiled && record.text.empty()) record.text = kNoCompileYetText;
      if (record.text.empty()) record.text = BuildCompileLog();
      return record.text;
    case kSourceTab:
      if (record.path.empty()) return std::string(kNoSourceSelectedText);
      return m_tabs.IsReadOnly(tab) ? record.readError : record.text;
    case kMapTab:
      if (!m_last.compiled) return "Map not evaluated. Press Compile (F5).";
      if (record.text.empty()) record.text = ExpandTabs(result.mapText);
      return record.text;
    case kSymbolsTab:
      if (!m_last.compiled) return "Symbols not evaluated. Press Compile (F5).";
      if (record.text.empty()) record.text = SymbolsTabText(m_last);
      return record.text;
    case kLstTab:
      if (!m_last.compiled) return "LST not evaluated. Press Compile (F5).";
      if (record.text.empty()) record.text = ExpandTabs(result.listingText);
      return record.text;
    case kHexTab:
      if (!m_last.compiled) return "HEX not evaluated. Press Compile (F5).";
      if (record.text.empty()) record.text = result.hexText;
      return record.text;
    default:
      return m_tabs.IsReadOnly(tab) ? record.readError : record.text;
  }
}

void TabDisplay::LeaveCurrentTab(int next) {
  int previous = m_tabs.current;
  if (m_tabs.IsValid(previous) && previous != next) {
    m_editor.CaptureTabText(previous);
    m_editor.SaveTabSelection(previous);
  }
}

void TabDisplay::RefreshOutput() {
  int tab = m_editor.SelectedTab();
  m_files.ReloadTabFromDisk(tab);
  m_tabs.current = tab;
  std::string shown = TextToShow(tab);
  m_editor.SetOutputText(shown, tab, !(m_tabs.IsEditable(tab) && m_tabs.IsDirty(tab)));
  m_editor.RestoreTabSelection(tab);
  UpdateStatusFromResult();
}

void TabDisplay::UpdateStatusFromResult() {
  // A tab that cannot show its file says why instead.
  int tab = m_editor.SelectedTab();
  StatusLine& status = m_editor.Status();
  status.Show(m_tabs.IsReadOnly(tab) ? m_tabs.at(tab).readError
                                     : StatusWordsFor(m_last.compiled, m_last.result, !m_tabs.SourcePath().empty()));
}

void TabDisplay::OnTabChanged() {
  int tab = m_editor.SelectedTab();
  if (tab == kSourceTab) m_files.CheckExternalChange();
  LeaveCurrentTab(tab);
  m_tabs.current = tab;
  RefreshOutput();
  // Else the keys would still go to the control used last, a check box say.
  m_view.FocusControl(ControlId::OutputText);
}

void TabDisplay::ShowTab(int tab) {
  if (tab == m_tabs.current && m_editor.SelectedTab() == tab) {
    UpdateStatusFromResult();
    return;
  }
  LeaveCurrentTab(tab);
  m_view.SetCurrentTab(tab);
  RefreshOutput();
}

}  // namespace qv
