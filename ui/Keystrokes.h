#pragma once

class QObject;

namespace ui {

// Queues one plain Backspace press and release, without modifiers, for the
// widget that has the keyboard focus when the event loop gets to it; it goes
// through that widget's ordinary key handling. Returns at once. Nothing is
// sent when context is gone by then or no widget has the focus.
void QueueBackspace(QObject *context);

} // namespace ui
