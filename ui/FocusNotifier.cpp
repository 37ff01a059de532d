#include "ui/FocusNotifier.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace ui {

FocusNotifier::FocusNotifier(QLineEdit *edit) : QObject(edit), m_edit(edit)
{
    edit->installEventFilter(this);
}

// Installed on the line edit alone.
bool FocusNotifier::eventFilter(QObject * /*watched*/, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        m_clickGaveFocus = reason == Qt::MouseFocusReason;
        if (m_clickGaveFocus || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            Q_EMIT focusGained();
        break;
    }
    case QEvent::FocusOut:
        m_clickGaveFocus = false;
        break;
    case QEvent::MouseButtonRelease:
        if (m_clickGaveFocus && !m_edit->hasSelectedText())
            m_edit->selectAll();
        m_clickGaveFocus = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace ui
