#include "platform/Suggerimenti.h"

#include <QApplication>
#include <QProxyStyle>

namespace veltra {

namespace {

class StileRitardoSuggerimenti : public QProxyStyle {
public:
    explicit StileRitardoSuggerimenti(int ms) : ms_(ms) {}
    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* risposta) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) return ms_;
        return QProxyStyle::styleHint(hint, opzione, widget, risposta);
    }

private:
    int ms_;
};

} // namespace

void ImpostaRitardoSuggerimenti(QApplication&, int millisecondi) {
    // QApplication takes ownership of the style; the proxy wraps the platform's default.
    QApplication::setStyle(new StileRitardoSuggerimenti(millisecondi));
}

} // namespace veltra
