#pragma once

#include <QObject>

class QWidget;

namespace ui {

// Plain Backspaces, without modifiers, for whichever widget has the keyboard
// focus when each is delivered; each goes through that widget's ordinary key
// handling. When no window of the program is active (an X session without a
// window manager, say), the keys that the user types still reach the window's
// own focus widget, and so does a Backspace. Nothing is sent when neither has
// a focus widget.
class BackspaceQueue : public QObject {
    Q_OBJECT

public:
    explicit BackspaceQueue(QWidget *window);

    // Queues one Backspace press and release and returns at once. It is
    // delivered at the event loop's next turn, or before the next key or
    // mouse button that the user presses, whichever comes first: keys typed
    // quickly after one that is taken back find it taken back, as when typed
    // slowly, although the window system hands the program several at once.
    void queue();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliver();

    QWidget *m_window;
    int m_pending = 0;
};

} // namespace ui
