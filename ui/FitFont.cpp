#include "ui/FitFont.h"

#include "form/FittingSize.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace ui {

namespace {

qreal textWidth(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

} // namespace

qreal FittingPointSize(QFont font, const QString &text, qreal width, qreal pointSize)
{
    if (text.isEmpty())
        return pointSize;
    return form::FittingPointSize(
        [&](double size) {
            font.setPointSizeF(size);
            return textWidth(font, text);
        },
        width, pointSize);
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
