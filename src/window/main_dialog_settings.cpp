// Settings kept between runs, the recent-sources list and the window's
// placement.
#include "compile/output_paths.h"
#include "platform/trace_log.h"
#include "window/main_dialog.h"
#include "window/recent_sources.h"
#include "window/settings_values.h"
#include "window/window_placement.h"
#include "window/window_texts.h"

namespace qv {

namespace {

Rect toRect(const PixelRect& rect) { return {rect.x, rect.y, rect.right(), rect.bottom()}; }

PixelRect toPixelRect(const Rect& rect) { return {rect.left, rect.top, rect.width(), rect.height()}; }

}  // namespace

void CMainDialog::LoadSettingsFromRegistry() {
  WorkbenchSettings stored = LoadWorkbenchSettings(m_settings);

  // A stored source that is gone is dropped without a word.
  m_sourcePath = NormalizeSourcePath(stored.lastSource, true);
  m_sourceFileTime = {};
  if (m_sourcePath.empty()) {
    m_view.SetControlText(ControlId::SourcePath, std::string(kNoSourceSelectedText));
    m_sourceText = kNoSourceSelectedText;
  } else {
    m_view.SetControlText(ControlId::SourcePath, m_sourcePath);
    m_sourceText.clear();
    if (ReadTabFile(m_sourcePath, m_sourceText, m_sourceEol, m_sourceReadError)) RecordSourceFileTime();
  }

  m_suffix = stored.suffix;
  m_view.SetControlText(ControlId::Suffix, m_suffix);
  m_noWrite = stored.noWrite;
  m_showInactive = stored.showInactive;
  m_view.SetChecked(ControlId::NoWrite, m_noWrite);
  m_view.SetChecked(ControlId::ShowInactive, m_showInactive);
  m_recentSources = stored.recentSources;

  m_currentTab = m_sourcePath.empty() ? stored.outputTab : kSourceTab;
  m_view.SetCurrentTab(m_currentTab);
  m_compiled = false;
  // The start-up warning about the backups folder must stay readable.
  if (m_logText != kBackupsFolderWarning) m_logText = m_sourcePath.empty() ? kNoSourceLogText : kNoCompileYetText;
  AppendFileNotes();

  m_tabDirty.fill(false);
  m_tabSelStart = stored.tabSelStart;
  m_tabSelEnd = stored.tabSelEnd;

  if (!m_sourcePath.empty()) AddRecentSource(m_sourcePath);
  RefreshRecentCombo();
  UpdateTabTitles();
}

void CMainDialog::SaveSettingsToRegistry() {
  if (!m_view.WindowExists()) return;
  int tab = SelectedTab();
  bool editorExists = m_view.ControlExists(ControlId::OutputText);
  if (editorExists) {
    CaptureTabText(tab);
    SaveTabSelection(tab);
  }
  std::string typed = NormalizeSourcePath(m_view.GetControlText(ControlId::SourcePath), false);
  if (!typed.empty()) m_sourcePath = typed;
  m_suffix = effectiveSuffix(m_view.GetControlText(ControlId::Suffix));
  m_noWrite = m_view.IsChecked(ControlId::NoWrite);
  m_showInactive = m_view.IsChecked(ControlId::ShowInactive);
  m_currentTab = tab;

  WorkbenchSettings values;
  values.lastSource = m_sourcePath;
  values.suffix = m_suffix;
  values.recentSources = m_recentSources;
  values.noWrite = m_noWrite;
  values.showInactive = m_showInactive;
  values.outputTab = m_currentTab;
  values.tabSelStart = m_tabSelStart;
  values.tabSelEnd = m_tabSelEnd;
  SaveWorkbenchSettings(m_settings, values, editorExists);
  SaveWindowPlacement(m_settings, toRect(m_view.GetWindowRect()), m_view.IsWindowMaximized());
}

void CMainDialog::AddRecentSource(std::string_view path) { qv::AddRecentSource(m_recentSources, path); }

void CMainDialog::RefreshRecentCombo() {
  std::vector<std::string> items = RecentComboItems(m_recentSources);
  m_view.SetRecentItems(items);
  m_view.SelectRecentItem(RecentComboSelection(items, m_sourcePath));
}

bool CMainDialog::LoadWindowPlacementFromRegistry(bool& maximize) {
  maximize = false;
  if (!m_view.WindowExists()) {
    traceLog("LoadWindowPlacementFromRegistry skipped: m_hWnd invalid.");
    return false;
  }
  WindowPlacementDecision decision =
      DecideWindowPlacement(LoadWindowPlacement(m_settings), toRect(m_view.WorkArea()), m_view.TemplateWindowWidth());
  m_view.MoveWindow(toPixelRect(decision.rect));
  maximize = decision.maximize;
  return decision.success;
}

PixelRect CMainDialog::FallbackWindowRect() const {
  // Never narrower than the template where the screen has room, so that a
  // first start shows every control of the top rows.
  return toPixelRect(qv::FallbackWindowRect(toRect(m_view.WorkArea()), m_view.TemplateWindowWidth()));
}

void CMainDialog::OnRecentSourceChosen(const std::string& text) {
  if (!text.empty()) SelectSource(text, true);
}

}  // namespace qv
