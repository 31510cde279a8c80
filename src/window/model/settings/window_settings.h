#pragma once
// What the window takes from and gives to the settings store: the recent
// sources with their drop-down, the output suffix and the two switches as
// last loaded or used, and the window's placement on the screen.

#include <string>
#include <string_view>
#include <vector>

#include "window/main_dialog_view.h"
#include "window/model/settings/settings_store.h"
#include "window/model/settings/settings_values.h"

namespace qv {

class WindowSettings {
 public:
  // The store must outlive the window.
  WindowSettings(MainDialogView& view, SettingsStore& store);

  // Reads the stored values and takes the suffix, the switches and the
  // recent list from them, showing each in its control.
  WorkbenchSettings Load();
  // The values, and the placement of the window as it is now.
  void Save(const WorkbenchSettings& values, bool withTabSelections);
  // The values as the controls show them, for the next save or compile.
  void TakeControls();

  void AddRecentSource(std::string_view path);
  // The drop-down shows the recent list with the source selected.
  void RefreshRecentCombo(const std::string& sourcePath);
  void OnSuffixChanged();

  bool LoadWindowPlacementFromRegistry(bool& maximize);
  PixelRect FallbackWindowRect() const;

  std::string suffix{settings::kDefaultSuffix};
  bool noWrite = false;
  bool showInactive = false;
  std::vector<std::string> recentSources;

 private:
  MainDialogView& m_view;
  SettingsStore& m_store;
};

}  // namespace qv
