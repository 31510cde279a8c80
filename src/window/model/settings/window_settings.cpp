#include "window/model/settings/window_settings.h"

#include "compile/output_paths.h"
#include "platform/trace_log.h"
#include "window/model/settings/recent_sources.h"
#include "window/model/settings/window_placement.h"

namespace qv {

namespace {

Rect toRect(const PixelRect& rect) { return {rect.x, rect.y, rect.right(), rect.bottom()}; }

PixelRect toPixelRect(const Rect& rect) { return {rect.left, rect.top, rect.width(), rect.height()}; }

}  // namespace

WindowSettings::WindowSettings(MainDialogView& view, SettingsStore& store) : m_view(view), m_store(store) {}

WorkbenchSettings WindowSettings::Load() {
  WorkbenchSettings stored = LoadWorkbenchSettings(m_store);
  suffix = stored.suffix;
  m_view.SetControlText(ControlId::Suffix, suffix);
  noWrite = stored.noWrite;
  showInactive = stored.showInactive;
  m_view.SetChecked(ControlId::NoWrite, noWrite);
  m_view.SetChecked(ControlId::ShowInactive, showInactive);
  recentSources = stored.recentSources;
  return stored;
}

void WindowSettings::TakeControls() {
  suffix = effectiveSuffix(m_view.GetControlText(ControlId::Suffix));
  noWrite = m_view.IsChecked(ControlId::NoWrite);
  showInactive = m_view.IsChecked(ControlId::ShowInactive);
}

void WindowSettings::Save(const WorkbenchSettings& values, bool withTabSelections) {
  SaveWorkbenchSettings(m_store, values, withTabSelections);
  SaveWindowPlacement(m_store, toRect(m_view.GetWindowRect()), m_view.IsWindowMaximized());
}

void WindowSettings::AddRecentSource(std::string_view path) { qv::AddRecentSource(recentSources, path); }

void WindowSettings::RefreshRecentCombo(const std::string& sourcePath) {
  std::vector<std::string> items = RecentComboItems(recentSources);
  m_view.SetRecentItems(items);
  m_view.SelectRecentItem(RecentComboSelection(items, sourcePath));
}

void WindowSettings::OnSuffixChanged() {
  if (!m_view.ControlExists(ControlId::Suffix)) return;
  suffix = effectiveSuffix(m_view.GetControlText(ControlId::Suffix));
}

bool WindowSettings::LoadWindowPlacementFromRegistry(bool& maximize) {
  maximize = false;
  if (!m_view.WindowExists()) {
    traceLog("LoadWindowPlacementFromRegistry skipped: m_hWnd invalid.");
    return false;
  }
  WindowPlacementDecision decision =
      DecideWindowPlacement(LoadWindowPlacement(m_store), toRect(m_view.WorkArea()), m_view.TemplateWindowWidth());
  m_view.MoveWindow(toPixelRect(decision.rect));
  maximize = decision.maximize;
  return decision.success;
}

PixelRect WindowSettings::FallbackWindowRect() const {
  // Never narrower than the template where the screen has room, so that a
  // first start shows every control of the top rows.
  return toPixelRect(qv::FallbackWindowRect(toRect(m_view.WorkArea()), m_view.TemplateWindowWidth()));
}

}  // namespace qv
