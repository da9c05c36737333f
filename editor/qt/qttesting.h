#ifndef QUADRIVO_EDITOR_QT_QTTESTING_H
#define QUADRIVO_EDITOR_QT_QTTESTING_H

// Helpers for the widget tests (editor_qt_test): finding a dialog's
// controls by their objectNames and acting on a modal window from inside
// its own loop.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quadrivo::editor {

// The child of parent called name; a failure when there is none.
template <class T>
T* Child(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Clicks the button of parent called name, as the user would.
inline void Click(QWidget* parent, const char* name)
{
    if (auto* button = Child<QAbstractButton>(parent, name)) button->click();
}

// Runs handle on the next modal window other than previous that comes up
// (polled from the event loop), so that a test can fill and close a dialog
// that a command, or the dialog previous, opens with exec(). After about
// five seconds without one it fails the test and closes the modal window
// that is up, so that the test does not hang in its loop.
inline void OnNextModal(QWidget* previous, std::function<void(QWidget*)> handle)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, handle, previous] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool cameUp = modal && modal != previous;
        if (!cameUp && ++*tries <= 250) return;
        timer->stop();
        timer->deleteLater();
        if (cameUp) {
            handle(modal);
            return;
        }
        ADD_FAILURE() << "no modal window came up";
        if (modal) modal->close();
    });
    timer->start();
}

inline void OnNextModal(std::function<void(QWidget*)> handle)
{
    OnNextModal(nullptr, std::move(handle));
}

}  // namespace quadrivo::editor

#endif
