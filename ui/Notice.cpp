#include "ui/Notice.h"

#include "form/NoticeDesign.h"
#include "ui/Look.h"
#include "ui/NotificationAccessible.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWindowStateChangeEvent>

namespace ui {

namespace {

int pixels(int twips)
{
    return form::Pixels(twips, kPixelsPerInch);
}

// The box and its tail as an outline through pixel centres, so that its one
// pixel border lies on whole pixels.
QPolygonF shapeOf(const form::NoticePlace &place, QPoint origin)
{
    const QRectF box = QRectF(FromTwips(place.box).translated(-origin)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal tailLeft = pixels(place.tailLeft) - origin.x() + 0.5;
    const qreal tailRight = pixels(place.tailRight) - origin.x() + 0.5;
    const QPointF tip(pixels(place.tipX) - origin.x() + 0.5, pixels(place.tipY) - origin.y() - 0.5);
    return QPolygonF({box.topLeft(), box.topRight(), box.bottomRight(),
                      {tailRight, box.bottom()}, tip, {tailLeft, box.bottom()}, box.bottomLeft(),
                      box.topLeft()});
}

bool isInput(const QEvent *event, form::NoticeAbout about)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return event->spontaneous() && form::GoesWithKeys(about);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        return event->spontaneous();
    default:
        return false;
    }
}

bool endsTheNotice(const QEvent *event, const QWidget *window)
{
    switch (event->type()) {
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
    case QEvent::Close:
        return true;
    case QEvent::WindowStateChange:
        return window->isMinimized();
    default:
        return false;
    }
}

} // namespace

Notice::Notice(QWidget *window) : QLabel(window), m_window(window)
{
    setObjectName(QStringLiteral("notice"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    const form::NoticePlace place = form::NoticePlacement();
    setGeometry(FromTwips(form::NoticeBounds(place)));
    m_shape = shapeOf(place, pos());
    const int padding = pixels(form::kNoticePadding);
    setContentsMargins(padding, padding, padding,
                       height() - FromTwips(place.box).height() + padding);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, LayoutColour(form::kNoticeText));
    setPalette(colours);
    NotificationAccessible::makeNotification(this);
    hide();
    m_timer.setSingleShot(true);
    m_timer.setInterval(form::kNoticeShownFor);
    connect(&m_timer, &QTimer::timeout, this, &Notice::dismiss);
}

void Notice::showText(const QString &text, form::NoticeAbout about)
{
    m_about = about;
    setText(text);
    fitFont();
    raise();
    NotificationAccessible::showAnew(this);
    m_timer.start();
    qApp->installEventFilter(this);
}

void Notice::dismiss()
{
    qApp->removeEventFilter(this);
    m_timer.stop();
    hide();
}

void Notice::edited()
{
    if (form::GoesWithKeys(m_about))
        dismiss();
}

// The largest size, up to the notice's own, at which the text fits the box.
void Notice::fitFont()
{
    const QRectF room = contentsRect();
    const auto measure = [&](double pointSize) {
        const QFontMetricsF metrics(LayoutFont(pointSize));
        const QRectF used = metrics.boundingRect(QRectF(0, 0, room.width(), 1e6),
                                                 Qt::TextWordWrap | Qt::AlignHCenter, text());
        return form::TextSize{used.width(), used.height()};
    };
    setFont(LayoutFont(form::NoticePointSize(measure, room.width(), room.height())));
}

// Input anywhere in the window, and the window going away, dismiss it.
bool Notice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && endsTheNotice(event, m_window)) {
        dismiss();
    } else if (isInput(event, m_about)) {
        const auto *widget = qobject_cast<const QWidget *>(watched);
        if (widget != nullptr && widget->window() == m_window)
            dismiss();
    }
    return false;
}

void Notice::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(LayoutColour(form::kNoticeBorder), 1));
        painter.setBrush(LayoutColour(form::kNoticeBackground));
        painter.drawPolygon(m_shape);
    }
    QLabel::paintEvent(event);
}

} // namespace ui
