#include "window/qt/output_tab_bar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "platform/error_report.h"
#include "window/model/tabs/flag_scope.h"
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

void COutputTabBar::SetLabels(const std::vector<std::string>& labels) {
  int count = static_cast<int>(labels.size());
  int kept = std::min(count, this->count());
  bool same = count == this->count();
  for (int index = 0; same && index < kept; ++index) same = tabText(index) == toQt(labels[index]);
  if (same) return;
  // The strip lays all its tabs out again at every tab added, removed or
  // renamed: until the last change, each tab is taken as of one size, and
  // the last change lays them out as they are.
  {
    FlagScope placeholders(m_placeholderSizes);
    while (this->count() > count) removeTab(this->count() - 1);
    for (int index = 0; index < kept; ++index) {
      QString label = toQt(labels[index]);
      if (tabText(index) != label) setTabText(index, label);
    }
    for (int index = kept; index + 1 < count; ++index) addTab(toQt(labels[index]));
  }
  if (count > kept) {
    addTab(toQt(labels.back()));
  } else if (count > 0) {
    setTabText(count - 1, tabText(count - 1));
  }
}

QSize COutputTabBar::tabSizeHint(int index) const {
  if (m_placeholderSizes) return QSize(kLabelPadding, kTabItemHeight);
  QString label = tabText(index);
  auto known = m_labelWidths.constFind(label);
  if (known == m_labelWidths.constEnd()) known = m_labelWidths.insert(label, fontMetrics().horizontalAdvance(label));
  return QSize(*known + kLabelPadding, kTabItemHeight);
}

void COutputTabBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) m_labelWidths.clear();
  QTabBar::changeEvent(event);
}

QSize COutputTabBar::minimumTabSizeHint(int index) const { return tabSizeHint(index); }

void COutputTabBar::paintEvent(QPaintEvent* event) {
  try {
    QPainter painter(this);
    // Only the tabs in sight: a project may have thousands.
    for (int index = 0; index < count(); ++index) {
      if (tabRect(index).intersects(event->rect())) DrawItem(painter, index);
    }
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
