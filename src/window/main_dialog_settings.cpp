// Settings kept between runs, the recent-sources list and the window's
// placement. No settings store is attached here: every value starts at its
// default and nothing is written.
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
  m_sourcePath.clear();
  m_view.SetControlText(ControlId::SourcePath, std::string(kNoSourceSelectedText));
  m_sourceText = kNoSourceSelectedText;
  m_suffix = settings::kDefaultSuffix;
  m_view.SetControlText(ControlId::Suffix, m_suffix);
  m_noWrite = false;
  m_showInactive = false;
  m_view.SetChecked(ControlId::NoWrite, m_noWrite);
  m_view.SetChecked(ControlId::ShowInactive, m_showInactive);
  m_recentSources.clear();
  m_currentTab = kLogTab;
  m_view.SetCurrentTab(m_currentTab);
  m_compiled = false;
  m_logText = kNoSourceLogText;
  m_tabDirty.fill(false);
  m_tabSelStart.fill(0);
  m_tabSelEnd.fill(0);
  RefreshRecentCombo();
  UpdateTabTitles();
}

void CMainDialog::SaveSettingsToRegistry() {}

void CMainDialog::AddRecentSource(std::string_view path) { qv::AddRecentSource(m_recentSources, path); }

void CMainDialog::RefreshRecentCombo() {
  std::vector<std::string> items = RecentComboItems(m_recentSources);
  m_view.SetRecentItems(items);
  m_view.SelectRecentItem(RecentComboSelection(items, m_sourcePath));
}

bool CMainDialog::LoadWindowPlacementFromRegistry(bool& maximize) {
  maximize = false;
  return false;
}

PixelRect CMainDialog::FallbackWindowRect() const {
  return toPixelRect(qv::FallbackWindowRect(toRect(m_view.WorkArea())));
}

void CMainDialog::OnRecentSourceChosen(const std::string& text) {
  if (!text.empty()) SelectSource(text, true);
}

}  // namespace qv
