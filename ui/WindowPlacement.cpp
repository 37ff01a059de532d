#include "ui/WindowPlacement.h"

#include "form/Placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace ui {

WindowPlacement::WindowPlacement(QWidget *window) : QObject(window), m_window(window)
{
    place();
    window->installEventFilter(this);
}

// Installed on the window alone.
bool WindowPlacement::eventFilter(QObject * /*watched*/, QEvent *event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Move)
        return false;
    if (m_window->frameGeometry().size() != m_window->size()) {
        m_window->removeEventFilter(this);
        place();
    }
    return false;
}

void WindowPlacement::place()
{
    const QScreen *screen = m_window->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = m_window->frameGeometry().size();
    const form::ScreenRect placed =
        form::CentredFrame(frame.width(), frame.height(),
                           {available.x(), available.y(), available.width(), available.height()});
    m_window->move(placed.left, placed.top);
}

} // namespace ui
