#pragma once
// The tab strip over the shared editor. Labels are drawn by the window:
// two lines, name over extension, in the window's tab colours.

#include <QTabBar>

#include "window/model/layout/window_colours.h"

namespace qv {

class COutputTabBar : public QTabBar {
  Q_OBJECT

 public:
  explicit COutputTabBar(QWidget* parent);

  void SetColours(const WindowColours& colours);

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawItem(QPainter& painter, int index);

  WindowColours m_colours;
};

}  // namespace qv
