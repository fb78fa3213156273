#pragma once
// Tool tips show 100 ms after the mouse comes to rest on a control.

#include <QProxyStyle>

namespace taalspoor {

class ToolTipStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 100;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace taalspoor
