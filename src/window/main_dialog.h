#pragma once
// The workbench window's state and operations, free of any widget set. The
// screen is reached only through MainDialogView. The operations are spread
// over files by concern: main_dialog.cpp (start and appearance),
// main_dialog_tabs.cpp, main_dialog_source.cpp, main_dialog_settings.cpp,
// main_dialog_files.cpp, main_dialog_compile.cpp, main_dialog_find.cpp,
// main_dialog_keys.cpp, main_dialog_navigate.cpp, main_dialog_places.cpp,
// main_dialog_close.cpp, main_dialog_colouring.cpp and main_dialog_layout.cpp.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compile/compile_result.h"
#include "window/compile_log.h"
#include "window/main_dialog_view.h"
#include "window/search_text.h"
#include "window/settings_store.h"
#include "window/tab_set.h"
#include "window/window_clock.h"
#include "window/window_layout.h"

namespace qv {

struct SourceFileTime {
  std::int64_t time = 0;
  bool valid = false;
};

enum class WindowKey { Other, Insert, F, G, S, F3, F4, F5, Enter };

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
  void UpdateOutputBrushes();
  void UpdateWindowTitle();
  void UpdateStatusLine();
  void SetupToolTips();
  void OnSize(int clientWidth, int clientHeight);
  // Small enough for small screens, large enough to show every control.
  void SetMinimumWindowSize();
  void OnSuffixChanged();
  void OnActivateApp(bool active);

  // The tab set and the shared editor.
  int TabCount() const;
  bool IsValidTab(int tab) const;
  bool IsEditableTab(int tab) const;
  // A Source or include tab whose file could not be read: it shows why, takes
  // no typing and has no file to save to.
  bool IsReadOnlyTab(int tab) const;
  bool IsTabDirty(int tab) const;
  // The tab strip's selection, 0 when out of range.
  int SelectedTab() const;
  void UpdateTabTitles();
  void SetOutputText(const std::string& text, int tab, bool resetModified);
  void RefreshOutput();
  void ReloadTabFromDisk(int tab);
  void CaptureTabText(int tab);
  void MarkTabDirty(int tab, bool dirty);
  void SaveTabSelection(int tab);
  void RestoreTabSelection(int tab);
  void ResetIncludeTabs(std::size_t count);
  void UpdateStatusFromResult();
  void OnTabChanged();
  void OnEditorChange();

  // The selected source and the paths derived from it.
  std::string NormalizeSourcePath(std::string_view text, bool resolve) const;
  std::string OutputBasePath() const;
  std::string TabFilePath(int tab) const;
  void SelectSource(std::string_view path, bool showSource);
  void RecordSourceFileTime();

  // Settings and window placement.
  void LoadSettingsFromRegistry();
  void SaveSettingsToRegistry();
  void AddRecentSource(std::string_view path);
  void RefreshRecentCombo();
  bool LoadWindowPlacementFromRegistry(bool& maximize);
  PixelRect FallbackWindowRect() const;
  void OnRecentSourceChosen(const std::string& text);

  // Text files and saving. Reading notes in the Log tab any characters that
  // the editor's 7-bit text cannot hold, and a file it cannot read, whose
  // "Unable to read FILE: REASON." goes to readError too (emptied on success).
  bool ReadTabFile(const std::string& path, std::string& text, std::string& lineEnd, std::string& readError);
  bool EnsureBackupsFolderFor(const std::string& path);
  // Every save the window makes: a numbered backup of the old file first.
  bool SaveTabText(const std::string& path, const std::string& text, const std::string& lineEnd);
  void OnSaveFiles();

  // Compiling.
  void OnBrowse();
  void OnCompile();
  // The compiler's progress report while OnCompile runs.
  void OnCompileProgress(std::uint32_t done, std::uint32_t total);
  std::string BuildCompileLog() const;
  std::string FormatSymbolTable() const;

  // Find, keys, navigation and reload.
  void OnFindNext();
  void OnFindPrev();
  void OnFindShortcut();
  // True when the key was handled and must not reach the focused control.
  bool PreTranslateKeyDown(const KeyDown& key);
  bool PreTranslateChar(char typed, bool ctrl, bool alt);
  // True when it moved to a definition or a match; else the editor keeps
  // its own double-click behaviour.
  bool OnEditorDoubleClick(int position);
  bool NavigateToName(const std::string& name);
  void CheckExternalChange();

  // Places in files: the messages' (F4 and Shift+F4), typed line numbers
  // (Ctrl+G) and the caret's own.
  bool GoToMessage(std::size_t index);
  void OnNextMessage(bool forward);
  void OnGoToLine();
  void OnEditorCaretMoved();

  // Closing: offers to save unsaved Source and include edits. False keeps
  // the window open.
  bool CanClose();
  // The same offer before another source replaces the tabs, worded for
  // that. False keeps the current source and its edits.
  bool OfferToSaveEdits(const char* question);

  // Window state, open to every concern of the window.
  std::string m_sourcePath;
  std::string m_suffix;
  bool m_noWrite = false;
  bool m_showInactive = false;
  bool m_compiled = false;
  CompileResult m_lastResult;
  std::string m_logText;
  std::string m_sourceText;
  std::string m_mapText;
  std::string m_symbolsText;
  std::string m_lstText;
  std::string m_hexText;
  std::string m_sourceEol;
  std::vector<std::string> m_includePaths;
  std::vector<std::string> m_includeTexts;
  std::vector<std::string> m_includeEols;
  std::vector<bool> m_includeDirty;
  // Why the Source tab's file, or an include tab's, could not be read; empty
  // when it was read.
  std::string m_sourceReadError;
  std::vector<std::string> m_includeReadErrors;
  std::array<bool, kFixedTabCount> m_tabDirty{};
  std::array<int, kFixedTabCount> m_tabSelStart{};
  std::array<int, kFixedTabCount> m_tabSelEnd{};
  std::array<int, kFixedTabCount> m_tabFirstLine{};
  std::vector<int> m_includeSelStart;
  std::vector<int> m_includeSelEnd;
  std::vector<int> m_includeFirstLine;
  int m_currentTab = kLogTab;
  bool m_settingText = false;
  std::array<std::string, kTitledTabCount> m_tabTitles;
  std::string m_statusText;
  SourceFileTime m_sourceFileTime;
  bool m_appActive = true;
  bool m_overwrite = false;
  bool m_statusHighlight = false;
  std::vector<std::string> m_recentSources;
  std::string m_findText;
  // The message F4 and Shift+F4 go on from; -1 before the first.
  int m_currentMessage = -1;
  bool m_toolTipCreated = false;
  std::uint32_t m_compileMillis = 0;
  int m_progressPos = 0;
  std::uint32_t m_progressTick = 0;
  // The compiler is running away from the window's thread.
  bool m_compileRunning = false;
  // Changes the editor has reported by its change notification.
  std::uint64_t m_editorChanges = 0;
  WindowClock m_clock = SystemClock();
  // Log lines about the files read for the current log: folded characters,
  // files that cannot be read.
  std::vector<std::string> m_fileNotes;

 private:
  std::string* TabBuffer(int tab);
  std::string TextToShow(int tab);
  void SetTabDirtyFlag(int tab, bool dirty);
  bool ShowsPlaceholder(int tab) const;
  // The read error of a Source or include tab; null for any other tab.
  const std::string* ReadErrorOf(int tab) const;
  std::string* ReadErrorOf(int tab);
  bool AcceptsTyping(int tab) const;
  bool HasUnsavedEdits(int tab) const;
  std::string TabLabel(int tab) const;
  void MarkTabSaved(int tab);
  std::string LineEndOfTab(int tab) const;
  void AddFileNote(const std::string& note);
  void AppendFileNotes();
  void RecolourEditorText();
  // Source colouring of an editable tab's text, greying what the last
  // compile switched off while the tab holds the text as compiled.
  EditorColouring SourceColouringFor(int tab, const std::string& text) const;
  void SetEditorFontFromTemplate();
  // Types over the selection in an editable tab, as the user's own keys do.
  void TypeIntoEditor(const std::string& text, bool undoable);
  int LayoutTopFromControls() const;
  BottomRowNeeds MeasureBottomRow() const;
  void ClearSourceSelection(bool showSource);
  void EmptyOutputBuffers();
  bool SaveIncludesBeforeCompile();
  void CompileSelectedSource(int rememberedTab, CompileResult previous);
  void EndAbortedCompile(int rememberedTab);
  void EndCompileWithException();
  void ShowProgressBar();
  void RebuildIncludeTabs();
  std::optional<std::size_t> FindInEditor(const std::string& what, const SearchOptions& options);
  void FindFromBox(bool forward);
  CompileLog CompileLogOfResult() const;
  std::optional<std::size_t> MessageAtLogPosition(const std::string& text, std::size_t position) const;
  std::optional<int> TabOfFile(const std::string& file) const;
  void ShowTabForNavigation(int tab);
  void PutCaretAtLine(int line);
  void ShowFileLine(const std::string& file, int line, const std::string& status);
  void UpdateCaretPlace();

  MainDialogView& m_view;
  SettingsStore& m_settings;
};

}  // namespace qv
