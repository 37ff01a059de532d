#pragma once

#include "form/NoticeDesign.h"

#include <QLabel>
#include <QTimer>

namespace ui {

// A short message, plain text, in a box inside the window over the hints
// above the entry, with a tail that points at the entry. It never takes the
// focus. It goes after a few seconds, when dismissed, at any click made in the
// window (and any key pressed or edit made there, unless it is about the
// entry), and when the window is deactivated, minimized, hidden or closed.
class Notice : public QLabel {
    Q_OBJECT

public:
    explicit Notice(QWidget *window);

    void showText(const QString &text, form::NoticeAbout about);
    void dismiss();
    // The user edited the entry.
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitFont();

    QWidget *m_window;
    QPolygonF m_shape; // the box and its tail, in the notice's own pixels
    form::NoticeAbout m_about = form::NoticeAbout::Convert;
    QTimer m_timer;
};

} // namespace ui
