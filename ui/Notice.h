#pragma once

#include <QLabel>
#include <QTimer>

namespace ui {

// A short message, plain text, in a small window of its own at the foot of a
// control, like a tool tip but one that a mouse movement does not take away
// and that lets clicks through to what lies below. It goes after a few
// seconds, or when dismissed.
class Notice : public QLabel {
    Q_OBJECT

public:
    explicit Notice(QWidget *anchor);

    void showText(const QString &text);
    void dismiss();

private:
    QWidget *m_anchor;
    QTimer m_timer;
};

} // namespace ui
