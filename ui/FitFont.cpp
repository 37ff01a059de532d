#include "ui/FitFont.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr qreal kStep = 0.25;

qreal textWidth(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

} // namespace

qreal FittingPointSize(QFont font, const QString &text, qreal width, qreal pointSize)
{
    font.setPointSizeF(pointSize);
    const qreal full = textWidth(font, text);
    if (full <= width || text.isEmpty())
        return pointSize;
    // Text widths grow nearly in proportion to the size: start from the
    // proportional guess and step down until it fits.
    qreal size = std::max(1.0, std::floor(pointSize * width / full / kStep) * kStep);
    for (;;) {
        font.setPointSizeF(size);
        if (size <= 1.0 || textWidth(font, text) <= width)
            return size;
        size -= kStep;
    }
}

void FitLabelFont(QLabel *label, qreal pointSize)
{
    const qreal width = label->contentsRect().width() - 2 * label->margin();
    QFont font = label->font();
    font.setPointSizeF(FittingPointSize(font, label->text(), width, pointSize));
    label->setFont(font);
}

int EntryTextWidth(const QLineEdit *edit)
{
    // QLineEdit keeps two pixels of its own on each side of the text, and one
    // for the cursor.
    constexpr int kInnerMargin = 2;
    constexpr int kCursor = 1;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
        ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
        : 0;
    option.features = QStyleOptionFrame::None;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    return contents.width() - 2 * kInnerMargin - kCursor;
}

void FitEntryFont(QLineEdit *edit, qreal pointSize)
{
    QFont font = edit->font();
    font.setPointSizeF(FittingPointSize(font, edit->text(), EntryTextWidth(edit), pointSize));
    edit->setFont(font);
}

} // namespace ui
