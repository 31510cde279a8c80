#pragma once
// The strip left of the shared editor that shows the numbers of the lines
// in sight. It reads the rich edit control's scroll position each time it
// paints, so the editor only has to ask for a repaint when that may have
// changed.

#include <windows.h>

namespace qv {

class CLineNumberGutter {
 public:
  CLineNumberGutter() = default;
  ~CLineNumberGutter();
  CLineNumberGutter(const CLineNumberGutter&) = delete;
  CLineNumberGutter& operator=(const CLineNumberGutter&) = delete;

  // A hidden child of parent, numbering the lines of editor.
  bool Create(HWND parent, HWND editor);
  HWND Handle() const { return m_window; }
  // Not owned; the numbers are drawn in it.
  void SetFont(HFONT font);
  // Room for the digits of lineCount, never for fewer than three.
  int WidthFor(int lineCount) const;
  void Repaint();

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC target, const RECT& area);

  HWND m_window = nullptr;
  HWND m_editor = nullptr;
  HFONT m_font = nullptr;
};

}  // namespace qv
