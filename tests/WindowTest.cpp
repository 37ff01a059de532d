#include "tests/WindowTest.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QList<QPair<QString, QAccessible::Event>> g_events;

void record(QAccessibleEvent *event)
{
    if (event->object() != nullptr)
        g_events.append({event->object()->objectName(), event->type()});
}

void setAccessibilityActive(bool active)
{
    if (QPlatformAccessibility *accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        accessibility->setActive(active);
}

} // namespace

AccessibleEvents::AccessibleEvents()
{
    g_events.clear();
    QAccessible::installUpdateHandler(record);
    setAccessibilityActive(true);
}

AccessibleEvents::~AccessibleEvents()
{
    setAccessibilityActive(false);
    QAccessible::installUpdateHandler(nullptr);
    g_events.clear();
}

QStringList AccessibleEvents::objectsWith(QAccessible::Event type) const
{
    QStringList names;
    for (const auto &[name, eventType] : std::as_const(g_events)) {
        if (eventType == type)
            names.append(name);
    }
    return names;
}
