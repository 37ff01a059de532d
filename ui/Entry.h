#pragma once

#include "form/EntryEdits.h"

#include <QLineEdit>

#include <optional>

namespace ui {

// The dimension entry. It selects its whole text when it gains the focus by
// Tab, Backtab or a click, and keeps that selection through the click; its
// keypad's decimal key types the user's decimal separator; its font shrinks
// to fit its text. Its Undo history is its own, so that what the filter takes
// back leaves no step in it, and it tells when the filter's Backspace or its
// length limit refuses what the user typed, pasted or dropped.
class Entry : public QLineEdit {
    Q_OBJECT

public:
    explicit Entry(QWidget *parent = nullptr);

Q_SIGNALS:
    void focusGained();
    void edited(); // by the user
    void refused(const QString &notice);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void onTextChanged(const QString &text);
    void undoEdit();
    void redoEdit();
    void apply(const std::optional<form::EntryState> &state);
    void insertKey(QKeyEvent *event);
    void pasteClipboard();
    bool cuts(qsizetype offered, bool overSelection) const;
    void tellLimit();

    form::EntryEdits m_edits;
    form::Cause m_cause = form::Cause::Program;
    bool m_clickGaveFocus = false;
};

} // namespace ui
