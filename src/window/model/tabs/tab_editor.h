#pragma once
// The one editor that every tab's text is shown in: putting a tab's text in
// and taking the user's edits out, the unsaved marks and labels, each tab's
// own selection and scroll place, and colouring.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "window/main_dialog_view.h"
#include "window/model/results/last_compile.h"
#include "window/model/tabs/status_line.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

class TabEditor {
 public:
  TabEditor(MainDialogView& view, TabSet& tabs, const LastCompile& last);

  StatusLine& Status() { return m_status; }

  // The tab strip's selection, the Log tab when out of range.
  int SelectedTab() const;
  // The file a tab's text is saved to: the source, an include, or the output
  // file named by the compile that made the text; empty when there is none.
  std::string TabFilePath(int tab) const;
  // The tab shows a text that is none of its file's: an output before any
  // compile, or why a file could not be read.
  bool ShowsPlaceholder(int tab) const;

  void SetOutputText(const std::string& text, int tab, bool resetModified);
  // The editor's text into the selected tab's record; an editable tab the
  // user changed is marked unsaved.
  void CaptureTabText(int tab);
  void MarkTabDirty(int tab, bool dirty);
  // The file of an editable tab as read now: a text that differs from the
  // one held is one more undo step, so that reading the file over edits
  // loses none of them; the file's text is the saved point.
  void TakeFileText(int tab, std::string text);
  // Ctrl+Z (back) and Ctrl+Y, Ctrl+Shift+Z in the editable tab shown.
  void StepHistory(bool back);
  // Saved: no unsaved mark, in the record or in the editor.
  void MarkTabSaved(int tab);
  void SaveTabSelection(int tab);
  void RestoreTabSelection(int tab);
  void UpdateTabTitles();
  // Every tab's label, in the strip's order, with its unsaved mark.
  std::vector<std::string> TabLabels() const;
  void OnEditorChange();
  // Types over the selection in an editable tab, as the user's own keys do.
  void TypeIntoEditor(const std::string& text, bool undoable);

  // Set while the window replaces the editor's text: its change
  // notifications are no typing.
  bool settingText = false;
  // Told of every edit of a tab that takes typing (true), and of every tab
  // whose unsaved mark goes (false).
  std::function<void(int tab, bool unsaved)> onUnsavedChange;

 private:
  void SetTabDirtyFlag(int tab, bool dirty);
  // Unsaved unless the tab's text is back where it was saved.
  void ShowUnsavedState(int tab);
  bool HasUnsavedEdits(int tab) const;
  std::string TabLabel(int tab) const;
  void RecolourEditorText();
  // Greys what the last compile switched off while the tab holds the text
  // as compiled.
  EditorColouring SourceColouringFor(int tab, const std::string& text) const;

  MainDialogView& m_view;
  TabSet& m_tabs;
  const LastCompile& m_last;
  StatusLine m_status;
  // Changes the editor has reported by its change notification.
  std::uint64_t m_editorChanges = 0;
};

}  // namespace qv
