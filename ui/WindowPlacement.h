#pragma once

#include <QObject>

class QWidget;

namespace ui {

// Centres a window, frame included, on the available area of its screen and
// keeps its title bar on the screen (form::CentredFrame). A window manager's
// frame is known only once the window is shown: the window is placed at once
// as if it had none, and placed again when its frame turns up.
class WindowPlacement : public QObject {
    Q_OBJECT

public:
    explicit WindowPlacement(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QWidget *m_window;
};

} // namespace ui
