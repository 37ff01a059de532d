#include "ui/QuietLabelAccessible.h"

#include <QLabel>

namespace ui {

namespace {

constexpr const char *kQuietProperty = "quietAccessible";

} // namespace

QuietLabelAccessible::QuietLabelAccessible(QLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QString QuietLabelAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return static_cast<const QLabel *>(widget())->text();
    case QAccessible::Description:
        return widget()->accessibleName();
    default:
        return QAccessibleWidget::text(t);
    }
}

void QuietLabelAccessible::makeQuiet(QLabel *label, const QString &description)
{
    label->setProperty(kQuietProperty, true);
    label->setAccessibleName(description);
    // Qt may have made the label's ordinary interface already: drop it, so
    // that the next query comes to the factory.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QAccessibleInterface *QuietLabelAccessible::create(const QString &className, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (className == u"QLabel" && label != nullptr && label->property(kQuietProperty).toBool())
        return new QuietLabelAccessible(label);
    return nullptr;
}

} // namespace ui
