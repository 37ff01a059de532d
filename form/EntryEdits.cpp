#include "form/EntryEdits.h"

#include "form/Difference.h"
#include "form/Refusals.h"

#include <utility>

namespace form {

EntryEdits::EntryEdits(std::u16string_view text) : m_text(text) {}

std::optional<std::u16string> EntryEdits::changed(std::u16string_view text, Cause cause,
                                                  core::Separators separators)
{
    if (text == m_text)
        return std::nullopt;
    std::u16string before = std::exchange(m_text, std::u16string(text));
    if (cause == Cause::TakeBack) {
        if (m_editHasStep)
            takeBack(before, text);
        if (m_told)
            return std::nullopt;
        m_told = true;
        return RefusalNotice(m_editBefore, m_edited, separators);
    }
    m_told = cause != Cause::User;
    m_editHasStep = cause == Cause::User;
    if (m_editHasStep)
        record(before, text);
    m_editBefore = std::move(before);
    m_edited = text;
    return std::nullopt;
}

std::u16string EntryEdits::limited(core::Separators separators)
{
    m_told = true;
    return LimitNotice(separators);
}

// A character typed behind the last one typed joins its step, as editors
// undo a typed word at once.
void EntryEdits::record(std::u16string_view before, std::u16string_view after)
{
    m_steps.resize(m_done);
    const Difference change = DifferenceOf(before, after);
    const bool typing = change.inserted.size() == 1;
    if (typing && change.removed.empty() && !m_steps.empty() && m_steps.back().typing
        && m_steps.back().caret == change.at) {
        m_steps.back().after = after;
        ++m_steps.back().caret;
        return;
    }
    m_steps.push_back({std::u16string(before), std::u16string(after),
                       change.at + change.inserted.size(), typing});
    if (m_steps.size() > kUndoSteps)
        m_steps.erase(m_steps.begin());
    m_done = m_steps.size();
}

void EntryEdits::takeBack(std::u16string_view before, std::u16string_view after)
{
    if (m_steps.empty() || m_done != m_steps.size())
        return;
    Step &step = m_steps.back();
    step.after = after;
    step.caret = DifferenceOf(before, after).at;
    if (step.after == step.before) {
        m_steps.pop_back();
        m_done = m_steps.size();
        m_editHasStep = false;
    }
}

std::optional<EntryState> EntryEdits::undo(core::Separators separators)
{
    if (!canUndo())
        return std::nullopt;
    const Step &step = m_steps[--m_done];
    const Difference back = DifferenceOf(step.after, step.before);
    EntryState state = {step.before, back.at, back.at + back.inserted.size()};
    if (!core::IsNumericText(state.text, separators))
        state.selectionStart = state.selectionEnd = 0;
    return state;
}

std::optional<EntryState> EntryEdits::redo(core::Separators separators)
{
    if (!canRedo())
        return std::nullopt;
    const Step &step = m_steps[m_done++];
    const Difference again = DifferenceOf(step.before, step.after);
    const std::size_t caret = again.at + again.inserted.size();
    EntryState state = {step.after, caret, caret};
    if (!core::IsNumericText(state.text, separators))
        state.selectionStart = state.selectionEnd = 0;
    return state;
}

} // namespace form
