#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace ui {

// The accessible face of a label that notifies: a notification whose name is
// the label's text. A screen reader says a notification as it shows.
class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QLabel *label);

    QString text(QAccessible::Text t) const override;

    // Marks a label as one that notifies; call before it first shows.
    static void makeNotification(QLabel *label);

    // Shows the label. One that shows already tells that it shows anew, so
    // that its new text is said too.
    static void showAnew(QLabel *label);

    // The factory to install with QAccessible::installFactory.
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

} // namespace ui
