#pragma once
// The workbench window, free of any widget set: a thin front that keeps the
// window's handler names and hands each to the feature that owns its state
// (docs/architecture.md has the map). The screen is reached only through
// MainDialogView. An exception is caught here, at the handler it escaped,
// reported under the handler's name, and the window goes on.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "window/main_dialog_view.h"
#include "window/model/compile/compile_run.h"
#include "window/model/results/last_compile.h"
#include "window/model/source/source_selection.h"
#include "window/model/files/tab_files.h"
#include "window/model/find/find_bar.h"
#include "window/model/display/window_appearance.h"
#include "window/model/navigation/message_places.h"
#include "window/model/recovery/recovery_copies.h"
#include "window/model/settings/settings_store.h"
#include "window/model/settings/window_settings.h"
#include "window/model/display/tab_display.h"
#include "window/model/tabs/tab_editor.h"
#include "window/model/tabs/tab_set.h"

namespace qv {

enum class WindowKey { Other, Insert, F, G, S, Y, Z, F3, F4, F5, Enter };

struct KeyDown {
  WindowKey key = WindowKey::Other;
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
};

class CMainDialog {
 public:
  // The settings are read from and written to the store, which must outlive the dialog.
  CMainDialog(MainDialogView& view, SettingsStore& store, const void* parent);
  CMainDialog(const CMainDialog&) = delete;
  CMainDialog& operator=(const CMainDialog&) = delete;

  // Start and appearance.
  bool OnInitDialog();
  void OnDestroy();
  void OnSize(int clientWidth, int clientHeight);
  void OnSuffixChanged();
  void OnActivateApp(bool active);

  // The tab set and the shared editor.
  int TabCount() const { return m_tabs.Count(); }
  bool IsTabDirty(int tab) const { return m_tabs.IsDirty(tab); }
  void UpdateTabTitles();
  void SetOutputText(const std::string& text, int tab, bool resetModified);
  void RefreshOutput();
  void CaptureTabText(int tab);
  void MarkTabDirty(int tab, bool dirty);
  void SaveTabSelection(int tab);
  void RestoreTabSelection(int tab);
  void ResetIncludeTabs(std::size_t count) { m_tabs.ResetIncludes(count); }
  void OnTabChanged();
  // The list of all tabs at the strip's end: its labels, and the choice of one.
  std::vector<std::string> TabListLabels() const { return m_editor.TabLabels(); }
  void OnTabListChosen(int tab);
  void OnEditorChange();
  void OnEditorCaretMoved();

  // The selected source and the paths derived from it.
  std::string NormalizeSourcePath(std::string_view text, bool resolve) const;
  std::string OutputBasePath() const;
  std::string TabFilePath(int tab) const;
  void SelectSource(std::string_view path, bool showSource);
  // Called before OnInitDialog: the window opens with this source selected
  // in place of the stored one (a file opened with the program).
  void SetStartupSource(std::string path);

  // Settings and window placement.
  void SaveSettingsToRegistry();
  bool LoadWindowPlacementFromRegistry(bool& maximize);
  PixelRect FallbackWindowRect() const;
  void OnRecentSourceChosen(const std::string& text);

  // Files, compiling, find and navigation.
  bool SaveTabText(const std::string& path, const std::string& text, const std::string& lineEnd);
  void OnSaveFiles();
  void OnBrowse();
  void OnCompile();
  void OnCompileProgress(std::uint32_t done, std::uint32_t total);
  std::string BuildCompileLog() const;
  void OnFindNext();
  void OnFindPrev();
  // True when the key was handled and must not reach the focused control.
  bool PreTranslateKeyDown(const KeyDown& key);
  bool PreTranslateChar(char typed, bool ctrl, bool alt);
  // True when it moved to a definition or a match; else the editor keeps
  // its own double-click behaviour.
  bool OnEditorDoubleClick(int position);
  bool NavigateToName(const std::string& name);

  // Closing: offers to save unsaved Source and include edits. False keeps
  // the window open.
  bool CanClose();

  // The view's single-shot timer ran out: the user paused.
  void OnTimer();

  // The features, for the views' and the tests' eyes.
  TabSet& Tabs() { return m_tabs; }
  LastCompile& Last() { return m_last; }
  TabEditor& Editor() { return m_editor; }
  TabFiles& Files() { return m_files; }
  WindowSettings& Settings() { return m_settings; }
  FindBar& Find() { return m_find; }
  MessagePlaces& Places() { return m_places; }
  CompileRun& Compile() { return m_compile; }
  RecoveryCopies& Recovery() { return m_recovery; }

 private:
  MainDialogView& m_view;
  WindowSettings m_settings;
  TabSet m_tabs;
  LastCompile m_last;
  TabEditor m_editor;
  TabFiles m_files;
  TabDisplay m_display;
  SourceSelection m_source;
  FindBar m_find;
  MessagePlaces m_places;
  CompileRun m_compile;
  WindowAppearance m_appearance;
  RecoveryCopies m_recovery;
};

}  // namespace qv
