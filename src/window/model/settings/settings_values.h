#pragma once
// Everything the window remembers between runs, with the stored names,
// types and defaults.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "window/model/settings/settings_store.h"
#include "window/model/settings/window_placement.h"

namespace qv {

namespace settings {

inline constexpr std::string_view kLastSource = "LastSource";
inline constexpr std::string_view kLastSuffix = "LastSuffix";
inline constexpr std::string_view kRecentSources = "RecentSources";
inline constexpr std::string_view kNoWrite = "NoWrite";
inline constexpr std::string_view kShowInactive = "ShowInactive";
inline constexpr std::string_view kOutputTab = "OutputTab";
inline constexpr std::string_view kWindowX = "WindowX";
inline constexpr std::string_view kWindowY = "WindowY";
inline constexpr std::string_view kWindowWidth = "WindowWidth";
inline constexpr std::string_view kWindowHeight = "WindowHeight";
inline constexpr std::string_view kWindowMaximized = "WindowMaximized";

inline constexpr std::string_view kDefaultSuffix = "_Y";
// Log, Source, Map, Symbols, LST and Hex: the tabs whose selection is kept.
inline constexpr int kFixedTabCount = 6;

enum class SelectionEnd { Start, End };

// "TabSelStart_3", "TabSelEnd_0", ...
std::string TabSelectionValueName(SelectionEnd end, int tab);

}  // namespace settings

struct WorkbenchSettings {
  // Trimmed; empty when none was stored or it was the no-source marker.
  // Whether the file still exists is for the window to check.
  std::string lastSource;
  // Trimmed, never empty.
  std::string suffix{settings::kDefaultSuffix};
  std::vector<std::string> recentSources;
  bool noWrite = false;
  bool showInactive = false;
  // Loaded values outside 0..5 read as 0; saved as the window has it.
  int outputTab = 0;
  std::array<int, settings::kFixedTabCount> tabSelStart{};
  std::array<int, settings::kFixedTabCount> tabSelEnd{};

  bool operator==(const WorkbenchSettings&) const = default;
};

WorkbenchSettings LoadWorkbenchSettings(const SettingsStore& store);

// Tab selections are written only when the window has its editor.
void SaveWorkbenchSettings(SettingsStore& store, const WorkbenchSettings& values, bool withTabSelections);

StoredWindowPlacement LoadWindowPlacement(const SettingsStore& store);

// The outer window rectangle as on screen, also while maximized.
void SaveWindowPlacement(SettingsStore& store, const Rect& outerRect, bool maximized);

}  // namespace qv
