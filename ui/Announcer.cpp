#include "ui/Announcer.h"

#include "ui/NotificationAccessible.h"

namespace ui {

Announcer::Announcer(QWidget *window) : QLabel(window)
{
    setObjectName(QStringLiteral("announcer"));
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    NotificationAccessible::makeNotification(this);
    hide();
}

void Announcer::announce(const QString &text)
{
    setText(text);
    NotificationAccessible::showAnew(this);
}

} // namespace ui
