#pragma once
// The shared editor of the window: a plain-text editor with a gutter of line
// numbers on its left that can be shown or hidden.

#include <QPlainTextEdit>

namespace qv {

class CSourceEditor : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CSourceEditor(QWidget* parent);

  void ShowLineNumbers(bool shown);
  int GutterWidth() const;
  void PaintGutter(QPaintEvent* event);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateGutterWidth();
  void UpdateGutter(const QRect& rect, int dy);

  QWidget* m_gutter = nullptr;
  bool m_lineNumbers = false;
  int m_gutterDigits = 0;
};

}  // namespace qv
