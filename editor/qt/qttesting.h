#ifndef QUADRIVO_EDITOR_QT_QTTESTING_H
#define QUADRIVO_EDITOR_QT_QTTESTING_H

// Helpers for the widget tests (editor_qt_test): acting on a modal window
// from inside its own loop.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs handle on the next modal window that comes up (polled from the event
// loop), so that a test can fill and close a dialog that a command opens
// with exec(). Gives up after about five seconds.
inline void OnNextModal(std::function<void(QWidget*)> handle, QWidget* previous = nullptr)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, handle, previous] {
        QWidget* modal = QApplication::activeModalWidget();
        if ((modal && modal != previous) || ++*tries > 250) {
            timer->stop();
            timer->deleteLater();
            if (modal && modal != previous) handle(modal);
        }
    });
    timer->start();
}

#endif
