#pragma once
// Rectangles of the main window: dialog units of the template and the
// pixels they become.

namespace qv {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool isEmpty() const { return width <= 0 || height <= 0; }
  bool operator==(const PixelRect&) const = default;
};

struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Average character width and the height of the dialog font, in pixels.
struct DialogBaseUnits {
  int charWidth = 0;
  int charHeight = 0;
};

// The average width is the advance of "A".."Z" plus "a".."z" over 52,
// rounded to the nearest pixel.
DialogBaseUnits BaseUnitsFromFont(int alphabetAdvance, int lineHeight);

// x and width scale by a quarter character width, y and height by an
// eighth of the character height, each rounded to the nearest pixel.
PixelRect DialogToPixels(const DialogRect& rect, DialogBaseUnits units);

}  // namespace qv
