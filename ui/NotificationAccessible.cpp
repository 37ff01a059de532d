#include "ui/NotificationAccessible.h"

#include <QLabel>

namespace ui {

namespace {

constexpr const char *kNotificationProperty = "notificationAccessible";

} // namespace

NotificationAccessible::NotificationAccessible(QLabel *label)
    : QAccessibleWidget(label, QAccessible::Notification)
{
}

QString NotificationAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<const QLabel *>(widget())->text();
    return QAccessibleWidget::text(t);
}

void NotificationAccessible::makeNotification(QLabel *label)
{
    label->setProperty(kNotificationProperty, true);
}

void NotificationAccessible::showAnew(QLabel *label)
{
    if (!label->isVisible()) {
        label->show();
        return;
    }
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QAccessibleInterface *NotificationAccessible::create(const QString &className, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (className == u"QLabel" && label != nullptr
        && label->property(kNotificationProperty).toBool())
        return new NotificationAccessible(label);
    return nullptr;
}

} // namespace ui
