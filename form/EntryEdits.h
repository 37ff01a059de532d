#pragma once

// What the dimension entry keeps of its edits and tells the user of them:
// its Undo history, in which what the filter takes back leaves no step, and
// the notice when the filter or the length limit refuses what the user typed,
// pasted or dropped. Toolkit-free: each window tells it every change of the
// entry's text with its cause, and applies what it answers.

#include "core/NumericText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace form {

// What changed the entry's text.
enum class Cause {
    User,     // a key, a paste, a cut, a drop
    TakeBack, // the Backspace that the filter queued
    Program,  // the program's own write (Convert's "0.000"): no step of its own
    History,  // Undo or Redo
};

// A text for the entry and the selection to give it, in UTF-16 units.
struct EntryState {
    std::u16string text;
    std::size_t selectionStart;
    std::size_t selectionEnd;
};

inline constexpr std::size_t kUndoSteps = 100;

class EntryEdits {
public:
    explicit EntryEdits(std::u16string_view text);

    // The text as last told.
    const std::u16string &text() const { return m_text; }

    // The entry's text has changed to text. The filter's Backspaces after an
    // edit make one step of it in the history, with what they left; an edit
    // that they take back whole leaves none. Returns the notice to show when
    // the filter takes back part of an edit of the user's: once for the edit,
    // at the first Backspace that changes the text.
    std::optional<std::u16string> changed(std::u16string_view text, Cause cause,
                                          core::Separators separators);
    // The length limit refused a key or cut what the user inserted: the
    // notice to show, which stands for the last edit's too.
    std::u16string limited(core::Separators separators);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The text before the last step, with what comes back selected; after a
    // redo the caret stands behind what it put back. A text that is no number
    // gets the caret at the start, where the filter's Backspace deletes
    // nothing. Nothing when there is no step to undo or redo.
    std::optional<EntryState> undo(core::Separators separators);
    std::optional<EntryState> redo(core::Separators separators);

private:
    struct Step {
        std::u16string before;
        std::u16string after;
        std::size_t caret; // behind the step's last change
        bool typing;       // its last change typed one character
    };

    void record(std::u16string_view before, std::u16string_view after);
    void takeBack(std::u16string_view before, std::u16string_view after);

    std::vector<Step> m_steps;
    std::size_t m_done = 0; // the steps before this one are done
    std::u16string m_text;
    // The last change that was no take-back, which the filter answers: its
    // step, the text before it and the text it made.
    bool m_editHasStep = false;
    std::u16string m_editBefore;
    std::u16string m_edited;
    bool m_told = true;
};

} // namespace form
