#include "ui/Entry.h"

#include "form/Layout.h"
#include "form/Regional.h"
#include "ui/CoreText.h"
#include "ui/FitFont.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>

namespace ui {

namespace {

// What an event does to the entry's text: the user's input, or the
// Backspace that the filter queued, which is sent to the entry from within
// the program, never from the keyboard.
form::Cause causeOf(const QEvent *event, form::Cause otherwise)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        return !event->spontaneous() && key->key() == Qt::Key_Backspace ? form::Cause::TakeBack
                                                                          : form::Cause::User;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return form::Cause::User;
    default:
        return otherwise;
    }
}

bool isKeypadDecimal(const QKeyEvent *event)
{
    return event->modifiers().testFlag(Qt::KeypadModifier)
        && (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
}

// The length of the text that a key inserts, as a line edit takes it.
qsizetype typedLength(const QKeyEvent *event)
{
    const QString text = event->text();
    const bool command = (event->modifiers()
                          & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        != Qt::NoModifier;
    return !command && !text.isEmpty() && text.front().isPrint() ? text.size() : 0;
}

} // namespace

Entry::Entry(QWidget *parent) : QLineEdit(parent), m_edits(u"")
{
    connect(this, &QLineEdit::textChanged, this, &Entry::onTextChanged);
    connect(this, &QLineEdit::textChanged, this,
            [this] { FitEntryFont(this, form::kEntryPointSize); });
}

bool Entry::event(QEvent *event)
{
    const QScopedValueRollback<form::Cause> cause(m_cause, causeOf(event, m_cause));
    return QLineEdit::event(event);
}

void Entry::onTextChanged(const QString &text)
{
    if (m_cause == form::Cause::User)
        Q_EMIT edited();
    if (const auto notice = m_edits.changed(CoreText(text), m_cause, core::UserSeparators()))
        Q_EMIT refused(FromCore(*notice));
}

void Entry::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo))
        return undoEdit();
    if (event->matches(QKeySequence::Redo))
        return redoEdit();
    if (!isKeypadDecimal(event))
        return insertKey(event);
    const QChar decimal(form::KeypadDecimal(core::UserSeparators()));
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), QString(decimal),
                    event->isAutoRepeat(), static_cast<quint16>(event->count()));
    insertKey(&typed);
    event->setAccepted(typed.isAccepted());
}

void Entry::insertKey(QKeyEvent *event)
{
    const qsizetype offered = event->matches(QKeySequence::Paste)
        ? QGuiApplication::clipboard()->text().size()
        : typedLength(event);
    const bool cut = cuts(offered, true);
    QLineEdit::keyPressEvent(event);
    if (cut)
        tellLimit();
}

void Entry::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    m_clickGaveFocus = reason == Qt::MouseFocusReason;
    if (m_clickGaveFocus || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        Q_EMIT focusGained();
}

void Entry::focusOutEvent(QFocusEvent *event)
{
    m_clickGaveFocus = false;
    QLineEdit::focusOutEvent(event);
}

// A click that gave the focus keeps the selection made then, unless it
// dragged one of its own; the middle button pastes the selection.
void Entry::mouseReleaseEvent(QMouseEvent *event)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const bool cut = event->button() == Qt::MiddleButton && clipboard->supportsSelection()
        && cuts(clipboard->text(QClipboard::Selection).size(), false);
    if (m_clickGaveFocus && !hasSelectedText())
        selectAll();
    m_clickGaveFocus = false;
    QLineEdit::mouseReleaseEvent(event);
    if (cut)
        tellLimit();
}

void Entry::dropEvent(QDropEvent *event)
{
    const bool cut = event->mimeData()->hasText() && cuts(event->mimeData()->text().size(), false);
    QLineEdit::dropEvent(event);
    if (cut)
        tellLimit();
}

// The line edit's own menu would undo through its own history: this one
// undoes through the entry's.
void Entry::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [&](const QString &text, QKeySequence::StandardKey key, bool enabled,
                         auto slot) {
        QAction *action = menu->addAction(
            text + u'\t' + QKeySequence(key).toString(QKeySequence::NativeText));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, slot] {
            const QScopedValueRollback<form::Cause> cause(m_cause, form::Cause::User);
            (this->*slot)();
        });
    };
    const bool selected = hasSelectedText();
    add(tr("&Undo"), QKeySequence::Undo, m_edits.canUndo(), &Entry::undoEdit);
    add(tr("&Redo"), QKeySequence::Redo, m_edits.canRedo(), &Entry::redoEdit);
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, selected, &QLineEdit::cut);
    add(tr("&Copy"), QKeySequence::Copy, selected, &QLineEdit::copy);
    add(tr("&Paste"), QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
        &Entry::pasteClipboard);
    add(tr("Delete"), QKeySequence::Delete, selected, &QLineEdit::del);
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll,
        !text().isEmpty() && selectedText().size() != text().size(), &QLineEdit::selectAll);
    menu->popup(event->globalPos());
}

void Entry::undoEdit()
{
    apply(m_edits.undo(core::UserSeparators()));
}

void Entry::redoEdit()
{
    apply(m_edits.redo(core::UserSeparators()));
}

void Entry::apply(const std::optional<form::EntryState> &state)
{
    if (!state)
        return;
    {
        const QScopedValueRollback<form::Cause> cause(m_cause, form::Cause::History);
        setText(FromCore(state->text));
    }
    setSelection(static_cast<int>(state->selectionStart),
                 static_cast<int>(state->selectionEnd - state->selectionStart));
}

void Entry::pasteClipboard()
{
    const bool cut = cuts(QGuiApplication::clipboard()->text().size(), true);
    paste();
    if (cut)
        tellLimit();
}

// Whether the length limit leaves out some of offered characters inserted at
// the caret, over the selection or beside it.
bool Entry::cuts(qsizetype offered, bool overSelection) const
{
    const qsizetype kept = text().size() - (overSelection ? selectedText().size() : 0);
    return offered > 0 && offered > maxLength() - kept;
}

void Entry::tellLimit()
{
    Q_EMIT refused(FromCore(m_edits.limited(core::UserSeparators())));
}

} // namespace ui
