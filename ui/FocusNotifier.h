#pragma once

#include <QObject>

class QLineEdit;

namespace ui {

// Tells when a line edit gains the keyboard focus by the mouse, Tab or
// Backtab, and keeps the selection made then through the mouse click that gave
// the focus (a plain click would otherwise put the caret where it landed). A
// drag that selects text itself still wins. The focus that comes back with the
// window's activation or when a popup menu closes is not told: the user goes
// on where they left off.
class FocusNotifier : public QObject {
    Q_OBJECT

public:
    explicit FocusNotifier(QLineEdit *edit);

Q_SIGNALS:
    void focusGained();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    bool m_clickGaveFocus = false;
};

} // namespace ui
