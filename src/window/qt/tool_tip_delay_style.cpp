#include "window/qt/tool_tip_delay_style.h"

#include <QApplication>

namespace qv {

CToolTipDelayStyle::CToolTipDelayStyle(int delayMs) : m_delayMs(delayMs) {}

int CToolTipDelayStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
  if (hint == SH_ToolTip_WakeUpDelay) return m_delayMs;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void CToolTipDelayStyle::Apply(int delayMs) {
  if (auto* installed = qobject_cast<CToolTipDelayStyle*>(QApplication::style())) {
    installed->m_delayMs = delayMs;
    return;
  }
  QApplication::setStyle(new CToolTipDelayStyle(delayMs));
}

}  // namespace qv
