#include "ui/BackspaceQueue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

namespace {

bool isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace

BackspaceQueue::BackspaceQueue(QWidget *window) : QObject(window), m_window(window) {}

void BackspaceQueue::queue()
{
    if (m_pending++ == 0)
        qApp->installEventFilter(this);
    QMetaObject::invokeMethod(this, &BackspaceQueue::deliver, Qt::QueuedConnection);
}

// Input that the user gave after the Backspaces were queued waits for them,
// and for those that they queue in turn.
bool BackspaceQueue::eventFilter(QObject * /*watched*/, QEvent *event)
{
    if (isUserInput(event)) {
        while (m_pending > 0)
            deliver();
    }
    return false;
}

// Delivers one queued Backspace, unless input has already taken it.
void BackspaceQueue::deliver()
{
    if (m_pending == 0)
        return;
    if (--m_pending == 0)
        qApp->removeEventFilter(this);
    QWidget *target = QApplication::focusWidget();
    if (target == nullptr)
        target = m_window->focusWidget();
    if (target == nullptr)
        return;
    const QString text(QChar(u'\b'));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

} // namespace ui
