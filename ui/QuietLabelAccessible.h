#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace ui {

// The accessible face of a label whose text changes too often to announce,
// such as a clock: assistive technology reads the current text on demand,
// while the label, carrying an accessible name of its own (its description
// here), sends no change events.
class QuietLabelAccessible : public QAccessibleWidget {
public:
    explicit QuietLabelAccessible(QLabel *label);

    QString text(QAccessible::Text t) const override;

    // Marks a label as quiet: its accessible name stays fixed and becomes the
    // description, the name follows the text.
    static void makeQuiet(QLabel *label, const QString &description);

    // The factory to install with QAccessible::installFactory.
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

} // namespace ui
