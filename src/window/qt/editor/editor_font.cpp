#include "window/qt/editor/editor_font.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace qv {

bool HasFixedAdvance(const QFont& font) {
  QFontMetrics metrics(font);
  int width = metrics.horizontalAdvance(QLatin1Char(' '));
  for (char c = '!'; c <= '~'; ++c) {
    if (metrics.horizontalAdvance(QLatin1Char(c)) != width) return false;
  }
  return true;
}

QFont FixedPitchFont(const char* face, int points, bool bold) {
  QFont named(QString::fromLatin1(face));
  named.setStyleHint(QFont::Monospace);
  named.setFixedPitch(true);
  QFont font = HasFixedAdvance(named) ? named : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace qv
