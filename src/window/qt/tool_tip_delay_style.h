#pragma once
// The application style with the window's own tool-tip delay.

#include <QProxyStyle>

namespace qv {

class CToolTipDelayStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit CToolTipDelayStyle(int delayMs);

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;

  // Installs the style on the application once, or updates its delay.
  static void Apply(int delayMs);

 private:
  int m_delayMs;
};

}  // namespace qv
