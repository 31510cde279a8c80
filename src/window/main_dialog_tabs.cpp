// The tab set: one buffer per tab, all shown in the one shared editor.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "compile/output_paths.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "platform/trace_log.h"
#include "window/editor_text.h"
#include "window/flag_scope.h"
#include "window/main_dialog.h"
#include "window/recent_sources.h"
#include "window/status_words.h"
#include "window/tab_label.h"
#include "window/window_texts.h"

namespace qv {

namespace {

std::size_t includeIndex(int tab) { return static_cast<std::size_t>(tab - kFixedTabCount); }

std::string sourceStem(const std::string& sourcePath) { return cutExtension(fileNameOf(sourcePath), false); }

std::string includeLabel(const std::string& path, std::size_t index) {
  std::string name = fileNameOf(path);
  if (!name.empty()) return name;
  char label[32];
  std::snprintf(label, sizeof label, "Include %zu", index + 1);
  return label;
}

EditorSelection ordered(int start, int end) {
  if (start > end) std::swap(start, end);
  return {start, end};
}

}  // namespace

int CMainDialog::TabCount() const { return kFixedTabCount + static_cast<int>(m_includePaths.size()); }

bool CMainDialog::IsValidTab(int tab) const { return tab >= 0 && tab < TabCount(); }

bool CMainDialog::IsEditableTab(int tab) const { return tab == kSourceTab || (tab >= kFixedTabCount && IsValidTab(tab)); }

bool CMainDialog::IsReadOnlyTab(int tab) const {
  const std::string* readError = ReadErrorOf(tab);
  return readError != nullptr && !readError->empty();
}

std::string* CMainDialog::ReadErrorOf(int tab) {
  return const_cast<std::string*>(std::as_const(*this).ReadErrorOf(tab));
}

const std::string* CMainDialog::ReadErrorOf(int tab) const {
  if (tab == kSourceTab) return m_sourcePath.empty() ? nullptr : &m_sourceReadError;
  if (!IsEditableTab(tab) || includeIndex(tab) >= m_includeReadErrors.size()) return nullptr;
  return &m_includeReadErrors[includeIndex(tab)];
}

bool CMainDialog::AcceptsTyping(int tab) const { return IsEditableTab(tab) && !IsReadOnlyTab(tab); }

bool CMainDialog::IsTabDirty(int tab) const {
  if (tab >= 0 && tab < kFixedTabCount) return m_tabDirty[static_cast<std::size_t>(tab)];
  if (!IsValidTab(tab) || includeIndex(tab) >= m_includeDirty.size()) return false;
  return m_includeDirty[includeIndex(tab)];
}

int CMainDialog::SelectedTab() const {
  int tab = m_view.GetCurrentTab();
  return IsValidTab(tab) ? tab : kLogTab;
}

std::string* CMainDialog::TabBuffer(int tab) {
  switch (tab) {
    case kLogTab: return &m_logText;
    case kSourceTab: return &m_sourceText;
    case kMapTab: return &m_mapText;
    case kSymbolsTab: return &m_symbolsText;
    case kLstTab: return &m_lstText;
    case kHexTab: return &m_hexText;
    default: break;
  }
  if (!IsValidTab(tab) || includeIndex(tab) >= m_includeTexts.size()) return nullptr;
  return &m_includeTexts[includeIndex(tab)];
}

void CMainDialog::SetTabDirtyFlag(int tab, bool dirty) {
  // Nothing of a file that could not be read is ever written back.
  if (dirty && IsReadOnlyTab(tab)) return;
  bool was = IsTabDirty(tab);
  if (tab >= 0 && tab < kFixedTabCount) {
    m_tabDirty[static_cast<std::size_t>(tab)] = dirty;
  } else if (IsValidTab(tab) && includeIndex(tab) < m_includeDirty.size()) {
    m_includeDirty[includeIndex(tab)] = dirty;
  }
  if (was != dirty && IsEditableTab(tab) && m_view.ControlExists(ControlId::OutputTab)) {
    m_view.SetTabLabel(tab, TabLabel(tab));
  }
}

bool CMainDialog::ShowsPlaceholder(int tab) const {
  return (tab >= kMapTab && tab <= kHexTab && !m_compiled) || IsReadOnlyTab(tab);
}

bool CMainDialog::HasUnsavedEdits(int tab) const {
  return IsEditableTab(tab) && IsTabDirty(tab) && !TabFilePath(tab).empty();
}

std::string CMainDialog::TabLabel(int tab) const {
  std::string label;
  if (tab == kLogTab || !IsValidTab(tab)) {
    label = kInitialTabLabels[kLogTab];
  } else if (tab < kFixedTabCount) {
    label = m_tabTitles[static_cast<std::size_t>(tab - kSourceTab)];
  } else {
    label = includeLabel(m_includePaths[includeIndex(tab)], includeIndex(tab));
  }
  return HasUnsavedEdits(tab) ? WithUnsavedMark(label) : label;
}

void CMainDialog::ResetIncludeTabs(std::size_t count) {
  m_includePaths.assign(count, std::string());
  m_includeTexts.assign(count, std::string());
  m_includeEols.assign(count, std::string(kDefaultLineEnd));
  m_includeDirty.assign(count, false);
  m_includeReadErrors.assign(count, std::string());
  m_includeSelStart.assign(count, 0);
  m_includeSelEnd.assign(count, 0);
  m_includeFirstLine.assign(count, 0);
}

void CMainDialog::UpdateTabTitles() {
  if (!m_view.ControlExists(ControlId::OutputTab)) return;
  if (m_sourcePath.empty()) {
    m_tabTitles = {std::string(kNoSourceSelectedText), "Map", "Symbols", "LST", "Hex"};
  } else {
    std::string stem = sourceStem(m_sourcePath);
    m_tabTitles = {stem + ".asm", stem + ".MAP", stem + ".SYM", stem + ".LST", stem + ".HEX"};
  }
  std::vector<std::string> labels;
  for (int tab = 0; tab < TabCount(); ++tab) labels.push_back(TabLabel(tab));

  int previous = m_view.GetCurrentTab();
  m_view.SetTabItems(labels);
  for (int tab = 0; tab < TabCount(); ++tab) {
    std::string path = TabFilePath(tab);
    m_view.SetTabToolTip(tab, path.empty() ? path : canonicalPath(path));
  }
  m_view.SetCurrentTab(IsValidTab(previous) ? previous : kLogTab);
  m_view.RepaintWindow();
}

void CMainDialog::SetOutputText(const std::string& text, int tab, bool resetModified) {
  if (!IsValidTab(tab)) {
    traceLog("SetOutputText rejected: invalid tab=%d", tab);
    return;
  }
  if (!m_view.ControlExists(ControlId::OutputText)) {
    traceLog("SetOutputText skipped: m_outputText handle not ready for tab=%d", tab);
    if (resetModified) SetTabDirtyFlag(tab, false);
    return;
  }
  {
    // The change notifications the window causes itself are no typing.
    FlagScope setting(m_settingText);
    bool editable = AcceptsTyping(tab);
    m_view.SetEditorReadOnly(IsReadOnlyTab(tab));
    m_view.SetEditorColouring(editable ? SourceColouringFor(tab, text) : EditorColouring{});
    m_view.SetEditorText(editable ? ToEditorLineEnds(text) : text);
    if (editable) RecolourEditorText();
    m_view.ShowLineNumbers(editable || tab == kLstTab);
  }
  if (resetModified) SetTabDirtyFlag(tab, false);
  m_view.SetEditorModified(false);
  m_view.RepaintEditor();
}

void CMainDialog::RecolourEditorText() {
  int length = m_view.EditorTextLength();
  int firstLine = std::clamp(m_view.GetFirstVisibleLine(), 0, length);
  EditorSelection selection = m_view.GetEditorSelection();
  m_view.SetEditorRedraw(false);
  m_view.SetEditorTextColour(kWindowColours.editableText);
  m_view.SetFirstVisibleLine(firstLine);
  m_view.SetEditorSelection(std::clamp(selection.start, 0, length), std::clamp(selection.end, 0, length));
  m_view.SetEditorRedraw(true);
}

std::string CMainDialog::TextToShow(int tab) {
  switch (tab) {
    case kLogTab:
      if (!m_compiled && m_logText.empty()) m_logText = kNoCompileYetText;
      if (m_logText.empty()) m_logText = BuildCompileLog();
      return m_logText;
    case kSourceTab:
      if (m_sourcePath.empty()) return std::string(kNoSourceSelectedText);
      return IsReadOnlyTab(tab) ? m_sourceReadError : m_sourceText;
    case kMapTab:
      if (!m_compiled) return "Map not evaluated. Press Compile (F5).";
      if (m_mapText.empty()) m_mapText = ExpandTabs(m_lastResult.mapText);
      return m_mapText;
    case kSymbolsTab:
      if (!m_compiled) return "Symbols not evaluated. Press Compile (F5).";
      if (m_symbolsText.empty()) {
        m_symbolsText = m_lastResult.symbolText.empty() ? ExpandTabs(FormatSymbolTable()) : m_lastResult.symbolText;
      }
      return m_symbolsText;
    case kLstTab:
      if (!m_compiled) return "LST not evaluated. Press Compile (F5).";
      if (m_lstText.empty()) m_lstText = ExpandTabs(m_lastResult.listingText);
      return m_lstText;
    case kHexTab:
      if (!m_compiled) return "HEX not evaluated. Press Compile (F5).";
      if (m_hexText.empty()) m_hexText = m_lastResult.hexText;
      return m_hexText;
    default: {
      if (IsReadOnlyTab(tab)) return *ReadErrorOf(tab);
      std::string* buffer = TabBuffer(tab);
      return buffer == nullptr ? std::string() : *buffer;
    }
  }
}

void CMainDialog::RefreshOutput() {
  int tab = SelectedTab();
  ReloadTabFromDisk(tab);
  m_currentTab = tab;
  std::string shown = TextToShow(tab);
  SetOutputText(shown, tab, !(IsEditableTab(tab) && IsTabDirty(tab)));
  RestoreTabSelection(tab);
  UpdateStatusFromResult();
}

void CMainDialog::UpdateStatusFromResult() {
  // A tab that cannot show its file says why instead.
  int tab = SelectedTab();
  m_statusText =
      IsReadOnlyTab(tab) ? *ReadErrorOf(tab) : StatusWordsFor(m_compiled, m_lastResult, !m_sourcePath.empty());
  UpdateStatusLine();
}

void CMainDialog::ReloadTabFromDisk(int tab) {
  if (!IsEditableTab(tab) || IsTabDirty(tab)) return;
  std::string path = TabFilePath(tab);
  std::string text;
  std::string lineEnd;
  std::string* readError = ReadErrorOf(tab);
  std::string* buffer = TabBuffer(tab);
  if (path.empty() || readError == nullptr || buffer == nullptr) return;
  if (!ReadTabFile(path, text, lineEnd, *readError)) {
    // A file that cannot be read now keeps none of its earlier text either.
    buffer->clear();
    return;
  }
  if (tab == kSourceTab) {
    m_sourceText = std::move(text);
    m_sourceEol = std::move(lineEnd);
    m_sourcePath = std::move(path);
    RecordSourceFileTime();
    return;
  }
  std::size_t index = includeIndex(tab);
  if (index < m_includeTexts.size()) m_includeTexts[index] = std::move(text);
  if (index < m_includeEols.size()) m_includeEols[index] = std::move(lineEnd);
}

void CMainDialog::CaptureTabText(int tab) {
  std::string* buffer = TabBuffer(tab);
  if (buffer == nullptr || ShowsPlaceholder(tab) || !m_view.ControlExists(ControlId::OutputText)) return;
  *buffer = m_view.GetEditorText();
  if (!m_settingText && m_view.IsEditorModified() && IsEditableTab(tab)) MarkTabDirty(tab, true);
}

void CMainDialog::MarkTabDirty(int tab, bool dirty) {
  SetTabDirtyFlag(tab, dirty);
  if (dirty && AcceptsTyping(tab)) {
    m_statusText = "Unsaved changes";
    UpdateStatusLine();
  }
}

void CMainDialog::SaveTabSelection(int tab) {
  if (!IsValidTab(tab)) return;
  int length = m_view.EditorTextLength();
  EditorSelection selection = m_view.GetEditorSelection();
  EditorSelection stored = ordered(std::clamp(selection.start, 0, length), std::clamp(selection.end, 0, length));
  int firstLine = m_view.GetFirstVisibleLine();
  if (tab < kFixedTabCount) {
    m_tabSelStart[static_cast<std::size_t>(tab)] = stored.start;
    m_tabSelEnd[static_cast<std::size_t>(tab)] = stored.end;
    m_tabFirstLine[static_cast<std::size_t>(tab)] = firstLine;
    return;
  }
  std::size_t index = includeIndex(tab);
  if (index < m_includeSelStart.size()) m_includeSelStart[index] = stored.start;
  if (index < m_includeSelEnd.size()) m_includeSelEnd[index] = stored.end;
  if (index < m_includeFirstLine.size()) m_includeFirstLine[index] = firstLine;
}

void CMainDialog::RestoreTabSelection(int tab) {
  if (!IsValidTab(tab)) return;
  int start = 0;
  int end = 0;
  int firstLine = 0;
  if (tab < kFixedTabCount) {
    start = m_tabSelStart[static_cast<std::size_t>(tab)];
    end = m_tabSelEnd[static_cast<std::size_t>(tab)];
    firstLine = m_tabFirstLine[static_cast<std::size_t>(tab)];
  } else {
    std::size_t index = includeIndex(tab);
    if (index < m_includeSelStart.size()) start = m_includeSelStart[index];
    if (index < m_includeSelEnd.size()) end = m_includeSelEnd[index];
    if (index < m_includeFirstLine.size()) firstLine = m_includeFirstLine[index];
  }
  int length = m_view.EditorTextLength();
  EditorSelection restored = ordered(std::clamp(start, 0, length), std::clamp(end, 0, length));
  m_view.SetEditorSelection(restored.start, restored.end);
  // After the selection, which may scroll the editor to show the caret.
  m_view.SetFirstVisibleLine(std::max(firstLine, 0));
}

void CMainDialog::OnTabChanged() {
  try {
    int tab = SelectedTab();
    if (tab == kSourceTab) CheckExternalChange();
    if (IsValidTab(m_currentTab) && m_currentTab != tab) {
      CaptureTabText(m_currentTab);
      SaveTabSelection(m_currentTab);
    }
    m_currentTab = tab;
    RefreshOutput();
    // Else the keys would still go to the control used last, a check box say.
    m_view.FocusControl(ControlId::OutputText);
  } catch (...) {
    reportUnhandledException("OnTabChanged", 0);
  }
}

void CMainDialog::OnEditorChange() {
  if (m_settingText) return;
  ++m_editorChanges;
  int tab = m_view.GetCurrentTab();
  if (!IsValidTab(tab)) {
    MarkTabDirty(kLogTab, true);
    return;
  }
  if (IsEditableTab(tab)) CaptureTabText(tab);
  MarkTabDirty(tab, true);
}

}  // namespace qv
