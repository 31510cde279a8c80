#include "window/win32/window_brushes.h"

#include <initializer_list>

namespace qv {

WindowBrushes::~WindowBrushes() { Destroy(); }

void WindowBrushes::MakeOne(Brush& brush, const Rgb& colour, int fallbackColour) {
  DestroyOne(brush);
  brush.handle = CreateSolidBrush(toColorRef(colour));
  brush.made = brush.handle != nullptr;
  if (!brush.made) brush.handle = GetSysColorBrush(fallbackColour);
}

void WindowBrushes::DestroyOne(Brush& brush) {
  if (brush.made) DeleteObject(brush.handle);
  brush = {};
}

void WindowBrushes::Make(const WindowColours& colours) {
  m_colours = colours;
  MakeOne(m_background, colours.dialogBackground, COLOR_BTNFACE);
  MakeOne(m_tabUnselected, colours.tabUnselected, COLOR_BTNFACE);
  MakeOne(m_tabSelected, colours.tabSelected, COLOR_ACTIVECAPTION);
  MakeOne(m_statusSuccess, colours.statusSuccess, COLOR_HIGHLIGHT);
}

void WindowBrushes::Destroy() {
  for (Brush* brush : {&m_background, &m_tabUnselected, &m_tabSelected, &m_statusSuccess}) DestroyOne(*brush);
}

}  // namespace qv
