#include "ui/Keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

void QueueBackspace(QWidget *window)
{
    QMetaObject::invokeMethod(
        window,
        [window] {
            QWidget *target = QApplication::focusWidget();
            if (target == nullptr)
                target = window->focusWidget();
            if (target == nullptr)
                return;
            const QString text(QChar(u'\b'));
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, text);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier, text);
            QApplication::sendEvent(target, &release);
        },
        Qt::QueuedConnection);
}

} // namespace ui
