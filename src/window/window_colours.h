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

}  // namespace qv
