#include "window/model/tabs/tab_editor.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "compile/output_paths.h"
#include "platform/paths.h"
#include "platform/trace_log.h"
#include "window/model/results/status_words.h"
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
  if (was && !dirty && onUnsavedChange) onUnsavedChange(tab, false);
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
  int previous = m_view.GetCurrentTab();
  m_view.SetTabItems(TabLabels());
  for (int tab = 0; tab < m_tabs.Count(); ++tab) {
    std::string path = TabFilePath(tab);
    m_view.SetTabToolTip(tab, path.empty() ? path : canonicalPath(path));
  }
  m_view.SetCurrentTab(m_tabs.IsValid(previous) ? previous : kLogTab);
  m_view.RepaintWindow();
}

std::vector<std::string> TabEditor::TabLabels() const {
  std::vector<std::string> labels;
  for (int tab = 0; tab < m_tabs.Count(); ++tab) labels.push_back(TabLabel(tab));
  return labels;
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
  const std::string& shown = m_view.GetEditorText();
  // Untouched, the editor gives the text back in its own form only.
  if (!m_tabs.IsEditable(tab) || !m_view.IsEditorModified()) {
    if (record->text != shown) record->text = shown;
    return;
  }
  // Typing leaves the caret after what it put in, deleting where it took out.
  std::size_t caret = static_cast<std::size_t>(std::max(m_view.GetEditorSelection().end, 0));
  std::size_t grown = shown.size() > record->text.size() ? shown.size() - record->text.size() : 0;
  TextEdit edit = DifferenceOf(record->text, shown, caret >= grown ? caret - grown : 0);
  if (edit.removed.empty() && edit.inserted.empty()) return;
  // In place: a copy of a long text would cost every keystroke as much again.
  ApplyEdit(record->text, edit);
  record->history.RecordTyping(edit);
  ShowUnsavedState(tab);
}

void TabEditor::ShowUnsavedState(int tab) {
  if (!m_tabs.at(tab).history.AtSavedPoint()) {
    MarkTabDirty(tab, true);
    return;
  }
  if (!m_tabs.IsDirty(tab)) return;
  SetTabDirtyFlag(tab, false);
  m_status.Show(StatusWordsFor(m_last.compiled, m_last.result, !m_tabs.SourcePath().empty()));
}

void TabEditor::TakeFileText(int tab, std::string text) {
  TabRecord& record = m_tabs.at(tab);
  // No text held, as after a failed read: nothing to go back to.
  if (record.text.empty()) {
    record.history.Clear();
  } else {
    record.history.RecordStep(DifferenceOf(record.text, text));
    record.history.MarkSaved();
  }
  record.text = std::move(text);
}

void TabEditor::StepHistory(bool back) {
  int tab = SelectedTab();
  if (tab != m_tabs.current || !m_tabs.AcceptsTyping(tab)) return;
  CaptureTabText(tab);
  TabRecord& record = m_tabs.at(tab);
  std::optional<TextEdit> edit = back ? record.history.Undo() : record.history.Redo();
  if (!edit) return;
  // Steps that no longer fit the text, whatever changed it, are dropped
  // rather than carried out over the wrong characters.
  if (!FitsText(record.text, *edit)) {
    record.history.Clear();
    if (record.dirty) record.history.ForgetSavedPoint();
    return;
  }
  int position = static_cast<int>(edit->position);
  {
    // The editor's change is the window's own, taken into the record below.
    FlagScope setting(settingText);
    m_view.SetEditorSelection(position, position + static_cast<int>(edit->removed.size()));
    m_view.ReplaceEditorSelection(edit->inserted, false);
  }
  ApplyEdit(record.text, *edit);
  m_view.ScrollCaretIntoView();
  ShowUnsavedState(tab);
}

void TabEditor::MarkTabDirty(int tab, bool dirty) {
  SetTabDirtyFlag(tab, dirty);
  if (!dirty || !m_tabs.AcceptsTyping(tab)) return;
  m_status.Show("Unsaved changes");
  if (onUnsavedChange) onUnsavedChange(tab, true);
}

void TabEditor::MarkTabSaved(int tab) {
  SetTabDirtyFlag(tab, false);
  if (TabRecord* record = m_tabs.Find(tab)) record->history.MarkSaved();
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
  if (m_tabs.IsEditable(tab)) {
    CaptureTabText(tab);
  } else {
    MarkTabDirty(tab, true);
  }
}

void TabEditor::TypeIntoEditor(const std::string& text, bool undoable) {
  std::uint64_t changesBefore = m_editorChanges;
  m_view.ReplaceEditorSelection(text, undoable);
  m_view.ScrollCaretIntoView();
  // A screen that reports the change has had it taken already; a second copy
  // of a long text would cost every keystroke as much again.
  if (m_editorChanges != changesBefore) return;
  CaptureTabText(SelectedTab());
}

}  // namespace qv
