#pragma once
// Drives a modal window from inside its own event loop: the action runs as
// soon as a modal widget is up (polled every few milliseconds).
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace veltra::test {

inline void QuandoModale(std::function<void(QWidget*)> azione, int tentativi = 400) {
    QTimer::singleShot(5, [azione = std::move(azione), tentativi]() mutable {
        if (QWidget* m = QApplication::activeModalWidget())
            azione(m);
        else if (tentativi > 0)
            QuandoModale(std::move(azione), tentativi - 1);
    });
}

} // namespace veltra::test
