#pragma once

#include <QLabel>

namespace ui {

// Has a screen reader say a text without moving the focus: a notification
// that takes no room in the window and shows nothing on screen.
class Announcer : public QLabel {
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);
};

} // namespace ui
