#pragma once
// Which tab the editor shows: switching tabs, and the text each tab shows
// (its file as it is on disk now, an output of the last compile, or a
// placeholder), with the status words that go with it.

#include <string>

#include "window/main_dialog_view.h"
#include "window/model/results/last_compile.h"
#include "window/model/files/tab_files.h"
#include "window/model/settings/window_settings.h"
#include "window/model/tabs/tab_editor.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

class TabDisplay {
 public:
  TabDisplay(MainDialogView& view, TabSet& tabs, TabEditor& editor, TabFiles& files, const LastCompile& last,
             const WindowSettings& settings)
      : m_view(view), m_tabs(tabs), m_editor(editor), m_files(files), m_last(last), m_settings(settings) {}

  // Shows the tab the strip has selected.
  void RefreshOutput();
  void OnTabChanged();
  // Shows the tab; one already shown keeps its text as it is, and with it
  // the undo steps.
  void ShowTab(int tab);
  // What the last compile came to, or why the selected tab shows no file.
  void UpdateStatusFromResult();
  std::string BuildCompileLog() const;

 private:
  std::string TextToShow(int tab);
  // The editor's text and selection stay with the tab shown until now.
  void LeaveCurrentTab(int next);

  MainDialogView& m_view;
  TabSet& m_tabs;
  TabEditor& m_editor;
  TabFiles& m_files;
  const LastCompile& m_last;
  const WindowSettings& m_settings;
};

}  // namespace qv
