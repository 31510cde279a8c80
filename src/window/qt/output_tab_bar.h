#pragma once
// The tab strip over the shared editor. Labels are drawn by the window:
// two lines, name over extension, in the window's tab colours.

#include <QHash>
#include <QTabBar>
#include <string>
#include <vector>

#include "window/model/layout/window_colours.h"

namespace qv {

class COutputTabBar : public QTabBar {
  Q_OBJECT

 public:
  explicit COutputTabBar(QWidget* parent);

  void SetColours(const WindowColours& colours);
  // All the tabs at once: the strip is laid out once, not once a tab.
  void SetLabels(const std::vector<std::string>& labels);

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void DrawItem(QPainter& painter, int index);

  WindowColours m_colours;
  // The strip asks every tab's size each time a tab is added, and measuring
  // a label is slow: each label is measured once in a font.
  mutable QHash<QString, int> m_labelWidths;
  bool m_placeholderSizes = false;
};

}  // namespace qv
