// Settings kept between runs, the recent-sources list and the window's
// placement. No settings store is attached here: every value starts at its
// default and nothing is written.
#include <algorithm>

#include "window/main_dialog.h"
#include "window/window_texts.h"

namespace qv {

void CMainDialog::LoadSettingsFromRegistry() {
  m_sourcePath.clear();
  m_view.SetControlText(ControlId::SourcePath, kNoSourceSelected);
  m_sourceText = kNoSourceSelected;
  m_suffix = kDefaultSuffix;
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

void CMainDialog::AddRecentSource(std::string_view) {}

void CMainDialog::RefreshRecentCombo() {
  m_view.ClearRecentItems();
  m_view.AddRecentItem(kNoSourceSelected);
  for (const std::string& source : m_recentSources) {
    if (!source.empty()) m_view.AddRecentItem(source);
  }
  if (m_sourcePath.empty() || !m_view.SelectRecentItemByPrefix(m_sourcePath)) m_view.SelectRecentItem(0);
}

bool CMainDialog::LoadWindowPlacementFromRegistry(bool& maximize) {
  maximize = false;
  return false;
}

PixelRect CMainDialog::FallbackWindowRect() const {
  PixelRect work = m_view.WorkArea();
  int width = std::clamp(work.width, 320, 660);
  int height = std::clamp(work.height, 200, 450);
  return {work.x + (work.width - width) / 2, work.y + (work.height - height) / 2, width, height};
}

void CMainDialog::OnRecentSourceChosen(const std::string& text) {
  if (!text.empty()) SelectSource(text, true);
}

}  // namespace qv
