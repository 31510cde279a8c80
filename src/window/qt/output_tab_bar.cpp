#include "window/qt/output_tab_bar.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/error_report.h"
#include "window/qt/qt_text.h"
#include "window/model/tabs/tab_label.h"
#include "window/model/layout/window_layout.h"

namespace qv {

namespace {

// Room around the label text, as a native tab leaves it.
constexpr int kLabelPadding = 28;

QColor toColour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QRect toQRect(const PixelRect& rect) { return QRect(rect.x, rect.y, rect.width, rect.height); }

}  // namespace

COutputTabBar::COutputTabBar(QWidget* parent) : QTabBar(parent) {
  setExpanding(false);
  setDrawBase(false);
  setElideMode(Qt::ElideNone);
  setUsesScrollButtons(true);
}

void COutputTabBar::SetColours(const WindowColours& colours) {
  m_colours = colours;
  update();
}

QSize COutputTabBar::tabSizeHint(int index) const {
  return QSize(fontMetrics().horizontalAdvance(tabText(index)) + kLabelPadding, kTabItemHeight);
}

QSize COutputTabBar::minimumTabSizeHint(int index) const { return tabSizeHint(index); }

void COutputTabBar::paintEvent(QPaintEvent* event) {
  try {
    QPainter painter(this);
    for (int index = 0; index < count(); ++index) DrawItem(painter, index);
  } catch (...) {
    reportUnhandledException("OnDrawItem", 0);
    QTabBar::paintEvent(event);
  }
}

void COutputTabBar::DrawItem(QPainter& painter, int index) {
  bool selected = index == currentIndex();
  QRect item = tabRect(index);
  // A one-pixel gap stands in for the border a native tab draws.
  painter.fillRect(item.adjusted(0, 0, -1, 0), toColour(selected ? m_colours.tabSelected : m_colours.tabUnselected));
  painter.setPen(toColour(selected ? m_colours.tabSelectedText : m_colours.tabUnselectedText));

  QFontMetrics metrics = fontMetrics();
  TabLabelLayout label = LayoutTabLabel({item.x(), item.y(), item.width(), item.height()}, fromQt(tabText(index)),
                                        metrics.horizontalAdvance(QLatin1Char('W')), metrics.height());
  QRect textRect = toQRect(label.textRect);
  QString first = metrics.elidedText(toQt(label.firstLine), Qt::ElideRight, textRect.width());
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, first);
  if (label.secondLine) {
    painter.drawText(toQRect(label.secondLineRect), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                     toQt(*label.secondLine));
  }
}

}  // namespace qv
