#include "window/model/tabs/tab_editor.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "compile/output_paths.h"
#include "platform/paths.h"
#include "platform/trace_log.h"
#include "window/model/tabs/editor_text.h"
#include "window/model/tabs/flag_scope.h"
#include "window/model/tabs/switched_off_lines.h"
#include "window/model/tabs/tab_label.h"

namespace qv {

namespace {

constexpr std::string_view kOutputExtensions[] = {".MAP", ".SYM", ".LST", ".HEX"};

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

TabEditor::TabEditor(MainDialogView& view, TabSet& tabs, const LastCompile& last)
    : m_view(view), m_tabs(tabs), m_last(last), m_status(view, tabs) {}

int TabEditor::SelectedTab() const {
  int tab = m_view.GetCurrentTab();
  return m_tabs.IsValid(tab) ? tab : kLogTab;
}

// An output tab's text belongs to the file the compile that made it named,
// whatever the Suffix box says since; a compile that failed before writing
// named none.
std::string TabEditor::TabFilePath(int tab) const {
  if (tab == kLogTab || !m_tabs.IsValid(tab)) return {};
  if (m_tabs.IsEditable(tab)) return m_tabs.at(tab).path;
  if (!m_last.compiled) return {};
  std::string_view extension = kOutputExtensions[tab - kMapTab];
  for (const std::string& file : m_last.result.outputFiles) {
    if (std::string_view(file).ends_with(extension)) return file;
  }
  return {};
}

bool TabEditor::ShowsPlaceholder(int tab) const {
  return (tab >= kMapTab && tab <= kHexTab && !m_last.compiled) || m_tabs.IsReadOnly(tab);
}

void TabEditor::SetTabDirtyFlag(int tab, bool dirty) {
  TabRecord* record = m_tabs.Find(tab);
  // Nothing of a file that could not be read is ever written back.
  if (record == nullptr || (dirty && m_tabs.IsReadOnly(tab))) return;
  bool was = record->dirty;
  record->dirty = dirty;
  if (was != dirty && m_tabs.IsEditable(tab) && m_view.ControlExists(ControlId::OutputTab)) {
    m_view.SetTabLabel(tab, TabLabel(tab));
  }
}

bool TabEditor::HasUnsavedEdits(int tab) const {
  return m_tabs.IsEditable(tab) && m_tabs.IsDirty(tab) && !TabFilePath(tab).empty();
}

std::string TabEditor::TabLabel(int tab) const {
  std::string label;
  if (tab == kLogTab || !m_tabs.IsValid(tab)) {
    label = kInitialTabLabels[kLogTab];
  } else if (tab < kFixedTabCount) {
    label = m_tabs.titles[static_cast<std::size_t>(tab - kSourceTab)];
  } else {
    std::size_t include = static_cast<std::size_t>(tab - kFixedTabCount);
    label = includeLabel(m_tabs.at(tab).path, include);
  }
  return HasUnsavedEdits(tab) ? WithUnsavedMark(label) : label;
}

void TabEditor::UpdateTabTitles() {
  if (!m_view.ControlExists(ControlId::OutputTab)) return;
  const std::string& sourcePath = m_tabs.SourcePath();
  if (sourcePath.empty()) {
    m_tabs.titles = {std::string(kNoSourceSelectedText), "Map", "Symbols", "LST", "Hex"};
  } else {
    std::string stem = sourceStem(sourcePath);
    m_tabs.titles = {stem + ".asm", stem + ".MAP", stem + ".SYM", stem + ".LST", stem + ".HEX"};
  }
  std::vector<std::string> labels;
  for (int tab = 0; tab < m_tabs.Count(); ++tab) labels.push_back(TabLabel(tab));

  int previous = m_view.GetCurrentTab();
  m_view.SetTabItems(labels);
  for (int tab = 0; tab < m_tabs.Count(); ++tab) {
    std::string path = TabFilePath(tab);
    m_view.SetTabToolTip(tab, path.empty() ? path : canonicalPath(path));
  }
  m_view.SetCurrentTab(m_tabs.IsValid(previous) ? previous : kLogTab);
  m_view.RepaintWindow();
}

void TabEditor::SetOutputText(const std::string& text, int tab, bool resetModified) {
  if (!m_tabs.IsValid(tab)) {
    traceLog("SetOutputText rejected: invalid tab=%d", tab);
    return;
  }
  if (!m_view.ControlExists(ControlId::OutputText)) {
    traceLog("SetOutputText skipped: m_outputText handle not ready for tab=%d", tab);
    if (resetModified) SetTabDirtyFlag(tab, false);
    return;
  }
  {
    FlagScope setting(settingText);
    bool editable = m_tabs.AcceptsTyping(tab);
    m_view.SetEditorReadOnly(m_tabs.IsReadOnly(tab));
    m_view.SetEditorColouring(editable ? SourceColouringFor(tab, text) : EditorColouring{});
    m_view.SetEditorText(editable ? ToEditorLineEnds(text) : text);
    if (editable) RecolourEditorText();
    m_view.ShowLineNumbers(editable || tab == kLstTab);
  }
  if (resetModified) SetTabDirtyFlag(tab, false);
  m_view.SetEditorModified(false);
  m_view.RepaintEditor();
}

void TabEditor::RecolourEditorText() {
  int length = m_view.EditorTextLength();
  int firstLine = std::clamp(m_view.GetFirstVisibleLine(), 0, length);
  EditorSelection selection = m_view.GetEditorSelection();
  m_view.SetEditorRedraw(false);
  m_view.SetEditorTextColour(kWindowColours.editableText);
  m_view.SetFirstVisibleLine(firstLine);
  m_view.SetEditorSelection(std::clamp(selection.start, 0, length), std::clamp(selection.end, 0, length));
  m_view.SetEditorRedraw(true);
}

EditorColouring TabEditor::SourceColouringFor(int tab, const std::string& text) const {
  EditorColouring colouring;
  colouring.source = true;
  // Edited text no longer has the compiled lines where they were.
  if (!m_last.compiled || m_tabs.IsDirty(tab)) return colouring;
  std::string file = m_tabs.at(tab).path;
  if (tab == kSourceTab && !m_last.result.sourcePath.empty()) file = m_last.result.sourcePath;
  colouring.switchedOffLines = SwitchedOffLines(m_last.origins, file, text);
  return colouring;
}

void TabEditor::CaptureTabText(int tab) {
  TabRecord* record = m_tabs.Find(tab);
  if (record == nullptr || ShowsPlaceholder(tab) || !m_view.ControlExists(ControlId::OutputText)) return;
  record->text = m_view.GetEditorText();
  if (!settingText && m_view.IsEditorModified() && m_tabs.IsEditable(tab)) MarkTabDirty(tab, true);
}

void TabEditor::MarkTabDirty(int tab, bool dirty) {
  SetTabDirtyFlag(tab, dirty);
  if (dirty && m_tabs.AcceptsTyping(tab)) m_status.Show("Unsaved changes");
}

void TabEditor::MarkTabSaved(int tab) {
  SetTabDirtyFlag(tab, false);
  // Else the editor's own mark would make the tab unsaved again when it is left.
  if (tab == m_tabs.current) m_view.SetEditorModified(false);
}

void TabEditor::SaveTabSelection(int tab) {
  TabRecord* record = m_tabs.Find(tab);
  if (record == nullptr) return;
  int length = m_view.EditorTextLength();
  EditorSelection selection = m_view.GetEditorSelection();
  record->selection = ordered(std::clamp(selection.start, 0, length), std::clamp(selection.end, 0, length));
  record->firstLine = m_view.GetFirstVisibleLine();
}

void TabEditor::RestoreTabSelection(int tab) {
  const TabRecord* record = m_tabs.Find(tab);
  if (record == nullptr) return;
  int length = m_view.EditorTextLength();
  EditorSelection restored =
      ordered(std::clamp(record->selection.start, 0, length), std::clamp(record->selection.end, 0, length));
  m_view.SetEditorSelection(restored.start, restored.end);
  // After the selection, which may scroll the editor to show the caret.
  m_view.SetFirstVisibleLine(std::max(record->firstLine, 0));
}

void TabEditor::OnEditorChange() {
  if (settingText) return;
  ++m_editorChanges;
  int tab = m_view.GetCurrentTab();
  if (!m_tabs.IsValid(tab)) {
    MarkTabDirty(kLogTab, true);
    return;
  }
  if (m_tabs.IsEditable(tab)) CaptureTabText(tab);
  MarkTabDirty(tab, true);
}

void TabEditor::TypeIntoEditor(const std::string& text, bool undoable) {
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
