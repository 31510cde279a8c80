#pragma once
// The window's four solid brushes and the colours they were made from.
// A brush that cannot be made is replaced by a system colour's brush,
// which is never deleted.

#include <windows.h>

#include "window/model/layout/window_colours.h"

namespace qv {

inline COLORREF toColorRef(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

class WindowBrushes {
 public:
  WindowBrushes() = default;
  ~WindowBrushes();
  WindowBrushes(const WindowBrushes&) = delete;
  WindowBrushes& operator=(const WindowBrushes&) = delete;

  // Drops the brushes made before and makes them again.
  void Make(const WindowColours& colours);
  void Destroy();

  const WindowColours& Colours() const { return m_colours; }
  HBRUSH Background() const { return m_background.handle; }
  HBRUSH TabUnselected() const { return m_tabUnselected.handle; }
  HBRUSH TabSelected() const { return m_tabSelected.handle; }
  HBRUSH StatusSuccess() const { return m_statusSuccess.handle; }

 private:
  struct Brush {
    HBRUSH handle = nullptr;
    bool made = false;
  };
  static void MakeOne(Brush& brush, const Rgb& colour, int fallbackColour);
  static void DestroyOne(Brush& brush);

  WindowColours m_colours;
  Brush m_background;
  Brush m_tabUnselected;
  Brush m_tabSelected;
  Brush m_statusSuccess;
};

}  // namespace qv
