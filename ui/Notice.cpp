#include "ui/Notice.h"

#include "ui/Look.h"

namespace ui {

namespace {

constexpr int kShownFor = 8000;

constexpr Qt::WindowFlags kFlags =
    Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput;

} // namespace

Notice::Notice(QWidget *anchor) : QLabel(anchor, kFlags), m_anchor(anchor)
{
    setObjectName(QStringLiteral("notice"));
    setTextFormat(Qt::PlainText);
    setFont(LayoutFont(9.75));
    setFrameShape(QFrame::Box);
    setMargin(3);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    colours.setColor(QPalette::WindowText, kWindowText);
    setPalette(colours);
    setAutoFillBackground(true);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShownFor);
    connect(&m_timer, &QTimer::timeout, this, &Notice::dismiss);
}

void Notice::showText(const QString &text)
{
    setText(text);
    adjustSize();
    move(m_anchor->mapToGlobal(QPoint(0, m_anchor->height())));
    show();
    m_timer.start();
}

void Notice::dismiss()
{
    m_timer.stop();
    hide();
}

} // namespace ui
