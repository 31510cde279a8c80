#pragma once
// The workbench window's own colours.

#include <cstdint>

namespace qv {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct WindowColours {
  Rgb dialogBackground{175, 175, 175};
  Rgb tabUnselected{205, 225, 255};
  Rgb tabSelected{130, 170, 255};
  Rgb statusSuccess{90, 220, 90};
  Rgb tabSelectedText{255, 255, 255};
  Rgb tabUnselectedText{10, 30, 80};
  Rgb statusSuccessText{0, 0, 0};
  Rgb editableText{0, 0, 0};
  bool operator==(const WindowColours&) const = default;
};

inline constexpr WindowColours kWindowColours{};

// SDL source in the Source and include tabs, dark enough to read on the
// editor's white; plain text stays black.
struct SourceColours {
  Rgb command{0, 0, 170};
  Rgb directive{130, 0, 130};
  Rgb number{170, 70, 0};
  Rgb comment{0, 120, 0};
  Rgb label{150, 0, 0};
  Rgb string{0, 110, 130};
  // Lines the last compile switched off.
  Rgb switchedOff{150, 150, 150};
};

inline constexpr SourceColours kSourceColours{};

}  // namespace qv
