#include "window/model/layout/window_geometry.h"

namespace qv {

namespace {

int scaleRounded(int value, int numerator, int denominator) {
  long long product = static_cast<long long>(value) * numerator;
  long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

DialogBaseUnits BaseUnitsFromFont(int alphabetAdvance, int lineHeight) {
  return {scaleRounded(alphabetAdvance, 1, 52), lineHeight};
}

PixelRect DialogToPixels(const DialogRect& rect, DialogBaseUnits units) {
  return {scaleRounded(rect.x, units.charWidth, 4), scaleRounded(rect.y, units.charHeight, 8),
          scaleRounded(rect.width, units.charWidth, 4), scaleRounded(rect.height, units.charHeight, 8)};
}

}  // namespace qv
