#include "window/main_dialog.h"

#include <iterator>
#include <utility>

#include "platform/trace_log.h"
#include "window/handler_guard.h"
#include "window/window_texts.h"

namespace qv {

namespace {

constexpr int kProgressRange = 1000;

}  // namespace

CMainDialog::CMainDialog(MainDialogView& view, SettingsStore& store, const void* parent)
    : m_view(view),
      m_settings(view, store),
      m_editor(view, m_tabs, m_last),
      m_files(view, m_tabs, m_editor),
      m_display(view, m_tabs, m_editor, m_files, m_last, m_settings),
      m_source(view, m_tabs, m_editor, m_files, m_display, m_settings, m_last),
      m_find(view),
      m_places(view, m_tabs, m_editor, m_display, m_find, m_last, m_settings),
      m_compile(view, {m_tabs, m_editor, m_files, m_display, m_source, m_settings, m_find, m_places}, m_last),
      m_appearance(view),
      m_recovery(view, m_tabs, m_editor, m_files, m_display, m_source) {
  traceLog("MainDialog ctor: parent=%p", parent);
}

bool CMainDialog::OnInitDialog() {
  traceLog("MainDialog OnInitDialog enter.");
  traceLog("MainDialog OnInitDialog after CDialog::OnInitDialog. outputText=%p outputTab=%p",
           m_view.ControlHandle(ControlId::OutputText), m_view.ControlHandle(ControlId::OutputTab));
  m_view.MakeResizable();
  m_appearance.SetMinimumWindowSize();
  traceLog("MainDialog OnInitDialog after ModifyStyle.");
  m_appearance.UpdateOutputBrushes();
  traceLog("MainDialog OnInitDialog after UpdateOutputBrushes.");

  m_view.SetControlText(ControlId::Suffix, m_settings.suffix);
  m_editor.Status().Show(kReadyStatus);
  for (ControlId box : {ControlId::NoWrite, ControlId::ShowInactive, ControlId::MatchCase, ControlId::WholeWord}) {
    m_view.SetChecked(box, false);
  }
  m_view.SetControlText(ControlId::FindText, "");

  m_view.CreateProgressBar(kProgressRange);
  m_view.SetTabItems({std::begin(kInitialTabLabels), std::end(kInitialTabLabels)});
  m_view.SetCurrentTab(kLogTab);
  m_view.EnableEditorChangeNotifications();

  std::string& log = m_tabs.at(kLogTab).text;
  log = kNoSourceLogText;
  m_editor.SetOutputText(log, kLogTab, true);
  traceLog("MainDialog OnInitDialog applying log text.");
  m_appearance.SetEditorFontFromTemplate();

  if (!m_files.EnsureBackupsFolderFor(m_source.OutputBasePath() + ".asm")) log = kBackupsFolderWarning;

  m_source.LoadSettingsFromRegistry();
  traceLog("MainDialog OnInitDialog after LoadSettingsFromRegistry.");
  m_appearance.SetupToolTips();
  traceLog("MainDialog OnInitDialog after SetupToolTips.");
  m_appearance.UpdateWindowTitle();
  traceLog("MainDialog OnInitDialog after UpdateWindowTitle.");
  m_editor.UpdateTabTitles();
  traceLog("MainDialog OnInitDialog after UpdateTabTitles.");
  m_display.RefreshOutput();
  traceLog("MainDialog OnInitDialog after RefreshOutput.");

  bool maximize = false;
  bool placed = m_settings.LoadWindowPlacementFromRegistry(maximize);
  traceLog("MainDialog OnInitDialog LoadWindowPlacementFromRegistry=%d maximize=%d", placed ? 1 : 0,
           maximize ? 1 : 0);
  if (!placed) {
    PixelRect fallback = m_settings.FallbackWindowRect();
    traceLog("MainDialog OnInitDialog using fallback rect l=%d t=%d r=%d b=%d", fallback.x, fallback.y,
             fallback.right(), fallback.bottom());
    m_view.MoveWindow(fallback);
  }

  m_view.ShowWindow(maximize);
  m_view.RepaintWindow();
  m_view.BringToForeground();
  // Over the window, which shows what a Yes brings back.
  m_recovery.OnStart();
  traceLog("MainDialog OnInitDialog complete visible=%d", m_view.IsWindowVisible() ? 1 : 0);
  return true;
}

void CMainDialog::OnDestroy() {
  RunHandler("OnDestroy", [&] {
    m_source.SaveSettingsToRegistry();
    m_recovery.OnEnd();
  });
}

void CMainDialog::OnSize(int clientWidth, int clientHeight) {
  RunHandler("OnSize", [&] { m_appearance.OnSize(clientWidth, clientHeight); });
}

void CMainDialog::OnSuffixChanged() {
  RunHandler("OnChangeSuffix", [&] { m_settings.OnSuffixChanged(); });
}

void CMainDialog::OnActivateApp(bool active) {
  RunHandler("OnActivateApp", [&] {
    // No question while a compile runs; it reads the source afresh anyway.
    if (m_files.NoteActivation(active) && !m_compile.Running() && m_editor.SelectedTab() == kSourceTab) {
      m_files.CheckExternalChange();
    }
  });
}

void CMainDialog::UpdateTabTitles() { m_editor.UpdateTabTitles(); }

void CMainDialog::SetOutputText(const std::string& text, int tab, bool resetModified) {
  m_editor.SetOutputText(text, tab, resetModified);
}

void CMainDialog::RefreshOutput() { m_display.RefreshOutput(); }

void CMainDialog::CaptureTabText(int tab) { m_editor.CaptureTabText(tab); }

void CMainDialog::MarkTabDirty(int tab, bool dirty) { m_editor.MarkTabDirty(tab, dirty); }

void CMainDialog::SaveTabSelection(int tab) { m_editor.SaveTabSelection(tab); }

void CMainDialog::RestoreTabSelection(int tab) { m_editor.RestoreTabSelection(tab); }

void CMainDialog::OnTabChanged() {
  RunHandler("OnTabChanged", [&] { m_display.OnTabChanged(); });
}

void CMainDialog::OnTabListChosen(int tab) {
  RunHandler("OnTabListChosen", [&] {
    if (!m_tabs.IsValid(tab)) return;
    m_view.SetCurrentTab(tab);
    m_display.OnTabChanged();
  });
}

void CMainDialog::OnEditorChange() {
  RunHandler("OnChangeOutputText", [&] { m_editor.OnEditorChange(); });
}

void CMainDialog::OnEditorCaretMoved() {
  RunHandler("OnEditorCaretMoved", [&] {
    if (!m_editor.settingText) m_editor.Status().OnCaretMoved();
  });
}

std::string CMainDialog::NormalizeSourcePath(std::string_view text, bool resolve) const {
  return m_source.NormalizeSourcePath(text, resolve);
}

std::string CMainDialog::OutputBasePath() const { return m_source.OutputBasePath(); }

std::string CMainDialog::TabFilePath(int tab) const { return m_editor.TabFilePath(tab); }

void CMainDialog::SelectSource(std::string_view path, bool showSource) {
  m_source.SelectSource(path, showSource);
  // The include tabs of the old source went, edits and all.
  m_recovery.DropCopiesOfSavedTabs();
}

void CMainDialog::SetStartupSource(std::string path) { m_source.SetStartupSource(std::move(path)); }

void CMainDialog::SaveSettingsToRegistry() { m_source.SaveSettingsToRegistry(); }

bool CMainDialog::LoadWindowPlacementFromRegistry(bool& maximize) {
  return m_settings.LoadWindowPlacementFromRegistry(maximize);
}

PixelRect CMainDialog::FallbackWindowRect() const { return m_settings.FallbackWindowRect(); }

void CMainDialog::OnRecentSourceChosen(const std::string& text) {
  RunHandler("OnSelChangeRecent", [&] {
    m_source.OnRecentSourceChosen(text);
    m_recovery.DropCopiesOfSavedTabs();
  });
}

bool CMainDialog::SaveTabText(const std::string& path, const std::string& text, const std::string& lineEnd) {
  return m_files.SaveTabText(path, text, lineEnd);
}

void CMainDialog::OnSaveFiles() {
  RunHandler("OnSaveFiles", [&] { m_files.OnSaveFiles(); });
}

void CMainDialog::OnBrowse() {
  RunHandler("OnBrowse", [&] {
    m_source.OnBrowse();
    m_recovery.DropCopiesOfSavedTabs();
  });
}

void CMainDialog::OnCompile() {
  RunHandler(
      "OnCompile", true,
      [&] {
        // Should the compile take the process down, the edits it saves first are kept.
        if (!m_compile.Running()) m_recovery.KeepCopies();
        m_compile.OnCompile();
        return true;
      },
      [&] { m_compile.EndCompileWithException(); });
}

void CMainDialog::OnCompileProgress(std::uint32_t done, std::uint32_t total) {
  m_compile.OnCompileProgress(done, total);
}

std::string CMainDialog::BuildCompileLog() const { return m_display.BuildCompileLog(); }

void CMainDialog::OnFindNext() {
  RunHandler("OnFindNext", [&] { m_find.OnFindNext(); });
}

void CMainDialog::OnFindPrev() {
  RunHandler("OnFindPrev", [&] { m_find.OnFindPrev(); });
}

bool CMainDialog::OnEditorDoubleClick(int position) {
  return RunHandler("OnLButtonDblClk", false, [&] { return m_places.OnEditorDoubleClick(position); });
}

bool CMainDialog::NavigateToName(const std::string& name) { return m_places.NavigateToName(name); }

bool CMainDialog::CanClose() {
  return RunHandler("OnCancel", true, [&] {
    return m_files.OfferToSaveEdits("Save changes to the source and include files before closing?");
  });
}

void CMainDialog::OnTimer() {
  RunHandler("OnTimer", [&] {
    // The compile's thread reads files through the tabs' records meanwhile;
    // the copies wait for its end.
    if (m_compile.Running()) {
      m_view.SetSingleShotTimer(kRecoveryPauseMs);
      return;
    }
    m_recovery.KeepCopies();
  });
}

}  // namespace qv
