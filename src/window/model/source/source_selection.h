#pragma once
// The selected source: choosing it (Browse, the recent list, the settings),
// the paths that follow from it, and the settings that remember it with the
// rest of the window between runs.

#include <string>
#include <string_view>
#include <utility>

#include "window/main_dialog_view.h"
#include "window/model/results/last_compile.h"
#include "window/model/files/tab_files.h"
#include "window/model/settings/window_settings.h"
#include "window/model/display/tab_display.h"
#include "window/model/tabs/tab_editor.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

class SourceSelection {
 public:
  SourceSelection(MainDialogView& view, TabSet& tabs, TabEditor& editor, TabFiles& files, TabDisplay& display,
                  WindowSettings& settings, LastCompile& last)
      : m_view(view),
        m_tabs(tabs),
        m_editor(editor),
        m_files(files),
        m_display(display),
        m_settings(settings),
        m_last(last) {}

  // Trimmed; empty for the no-source marker. Resolving finds the file
  // itself, else its drive-mapped candidate, else nothing.
  std::string NormalizeSourcePath(std::string_view text, bool resolve) const;
  // The source's path without its extension, plus the suffix.
  std::string OutputBasePath() const;
  // The one way a source becomes current, or none is.
  void SelectSource(std::string_view path, bool showSource);
  void OnBrowse();
  void OnRecentSourceChosen(const std::string& text);

  // Before the window opens: this source replaces the stored one, as if
  // chosen in the source box (a file opened with the program).
  void SetStartupSource(std::string path) { m_startupSource = std::move(path); }

  void LoadSettingsFromRegistry();
  void SaveSettingsToRegistry();

 private:
  void ClearSourceSelection(bool showSource);

  MainDialogView& m_view;
  TabSet& m_tabs;
  TabEditor& m_editor;
  TabFiles& m_files;
  TabDisplay& m_display;
  WindowSettings& m_settings;
  LastCompile& m_last;
  std::string m_startupSource;
};

}  // namespace qv
