#pragma once

class QWidget;

namespace ui {

// Queues one plain Backspace press and release, without modifiers, for the
// widget that has the keyboard focus when the event loop gets to it; it goes
// through that widget's ordinary key handling. Returns at once. When no window
// of the program is active (an X session without a window manager, say), the
// keys that the user types still reach the window's own focus widget, and so
// does the Backspace. Nothing is sent when the window is gone by then or
// neither has a focus widget.
void QueueBackspace(QWidget *window);

} // namespace ui
