#pragma once

#include "ui/Application.h"
#include "ui/Form1.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QLineEdit>
#include <QtTest>

// Delivers posted events until none remain: a chain of queued Backspaces
// takes a pass for each link.
inline void drainEvents()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int idle = 0, pass = 0; idle < 2 && pass < 100000; ++pass) {
        QCoreApplication::sendPostedEvents();
        idle = dispatcher->processEvents(QEventLoop::AllEvents) ? 0 : idle + 1;
    }
}

template <typename Control = QWidget>
Control *control(const QWidget &form, const char *name)
{
    auto *found = form.findChild<Control *>(QLatin1StringView(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

// A key press and release for whichever widget has the focus, as a keyboard
// would send it.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key, modifiers);
}

// Accessibility events as assistive technology would get them, recorded
// while an instance lives.
class AccessibleEvents {
public:
    AccessibleEvents();
    ~AccessibleEvents();
    AccessibleEvents(const AccessibleEvents &) = delete;
    AccessibleEvents &operator=(const AccessibleEvents &) = delete;

    // The names of the objects that had an event of this type, in order.
    QStringList objectsWith(QAccessible::Event type) const;
};

// Runs a test class inside the program's own application object, so that the
// tests see the style, palette and fonts that users see.
#define BRANTILE_WINDOW_TEST_MAIN(TestClass)                                                     \
    int main(int argc, char *argv[])                                                             \
    {                                                                                            \
        Application app(argc, argv);                                                             \
        TestClass test;                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                               \
        return QTest::qExec(&test, argc, argv);                                                  \
    }
