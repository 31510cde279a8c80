#pragma once
// The fixed tabs of the main window; include tabs follow them.

namespace qv {

inline constexpr int kLogTab = 0;
inline constexpr int kSourceTab = 1;
inline constexpr int kMapTab = 2;
inline constexpr int kSymbolsTab = 3;
inline constexpr int kLstTab = 4;
inline constexpr int kHexTab = 5;
inline constexpr int kFixedTabCount = 6;
// Tabs 1 to 5 take their labels from the source's name.
inline constexpr int kTitledTabCount = 5;

inline constexpr const char* kInitialTabLabels[kFixedTabCount] = {"Log", "Source", "Map", "Symbols", "LST", "Hex"};

}  // namespace qv
