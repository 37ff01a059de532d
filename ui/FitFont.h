#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;

namespace ui {

// The largest point size, at most pointSize and in steps of a quarter point,
// at which text in font is at most width pixels wide (never below one point).
qreal FittingPointSize(QFont font, const QString &text, qreal width, qreal pointSize);

// Sets the label's font to pointSize, or smaller where its text would not fit.
void FitLabelFont(QLabel *label, qreal pointSize);

// The width that a line edit has for its text.
int EntryTextWidth(const QLineEdit *edit);

// Sets the line edit's font to pointSize, or smaller where its text would not
// fit in view.
void FitEntryFont(QLineEdit *edit, qreal pointSize);

} // namespace ui
