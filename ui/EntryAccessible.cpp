#include "ui/EntryAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace ui {

EntryAccessible::EntryAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

QLineEdit *EntryAccessible::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

bool EntryAccessible::shown() const
{
    return edit()->echoMode() == QLineEdit::Normal;
}

QString EntryAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value && shown())
        return edit()->text();
    return QAccessibleWidget::text(t);
}

void EntryAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        edit()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State EntryAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.passwordEdit = !shown();
    state.selectableText = true;
    return state;
}

void *EntryAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void EntryAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int EntryAccessible::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void EntryAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EntryAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void EntryAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int EntryAccessible::cursorPosition() const
{
    return edit()->cursorPosition();
}

void EntryAccessible::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString EntryAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset || !shown())
        return {};
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

// A masked text gives nothing; -2 stands for the cursor's offset.
QString EntryAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int *startOffset, int *endOffset) const
{
    return shown() ? QAccessibleTextInterface::textBeforeOffset(at(offset), boundaryType,
                                                                 startOffset, endOffset)
                   : masked(startOffset, endOffset);
}

QString EntryAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return shown() ? QAccessibleTextInterface::textAfterOffset(at(offset), boundaryType,
                                                                startOffset, endOffset)
                   : masked(startOffset, endOffset);
}

QString EntryAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                      int *startOffset, int *endOffset) const
{
    return shown() ? QAccessibleTextInterface::textAtOffset(at(offset), boundaryType, startOffset,
                                                             endOffset)
                   : masked(startOffset, endOffset);
}

int EntryAccessible::at(int offset) const
{
    return offset == -2 ? cursorPosition() : offset;
}

QString EntryAccessible::masked(int *startOffset, int *endOffset)
{
    *startOffset = *endOffset = -1;
    return {};
}

int EntryAccessible::characterCount() const
{
    return static_cast<int>(edit()->text().size());
}

// Measured from the cursor, whose rectangle the line edit gives: the text
// runs on from there in the edit's font.
QRect EntryAccessible::characterRect(int offset) const
{
    const QString text = edit()->text();
    if (offset < 0 || offset >= text.size())
        return {};
    const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(edit()->font());
    const int x = cursor.center().x() + metrics.horizontalAdvance(text.left(offset))
        - metrics.horizontalAdvance(text.left(edit()->cursorPosition()));
    const QRect character(x, cursor.top(), metrics.horizontalAdvance(text.at(offset)),
                          cursor.height());
    return character.translated(edit()->mapToGlobal(QPoint()));
}

int EntryAccessible::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void EntryAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

// The text has no attributes of its own: one run, with none, over all of it.
QString EntryAccessible::attributes(int /*offset*/, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void EntryAccessible::deleteText(int startOffset, int endOffset)
{
    edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
}

void EntryAccessible::insertText(int offset, const QString &text)
{
    edit()->setText(edit()->text().insert(offset, text));
}

void EntryAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}

QAccessibleInterface *EntryAccessible::create(const QString &className, QObject *object)
{
    auto *edit = qobject_cast<QLineEdit *>(object);
    if (className == u"QLineEdit" && edit != nullptr)
        return new EntryAccessible(edit);
    return nullptr;
}

} // namespace ui
