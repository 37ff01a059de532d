#pragma once

// The layout's texts and the entry's keys as the user's region writes
// numbers. Toolkit-free: both windows create their controls and read their
// keys through these.

#include "core/NumericText.h"
#include "form/Layout.h"

#include <algorithm>
#include <string>

namespace form {

// The hints whose texts hold an example number, written with "." in the
// layout.
constexpr bool HoldsAnExample(Id id)
{
    return id == Id::Label2 || id == Id::Label4;
}

// A control's text as the window creates it: the examples with the user's
// decimal separator, so that typing one as it stands gives the dimension it
// shows; every other text as the layout writes it.
inline std::u16string Caption(const Control &control, char16_t decimal)
{
    std::u16string text(control.text);
    if (HoldsAnExample(control.id))
        std::replace(text.begin(), text.end(), u'.', decimal);
    return text;
}

// What the keypad's decimal key types into the entry: the user's decimal
// separator, whatever character the keyboard layout gives that key. The main
// keyboard's keys type what the layout gives them.
constexpr char16_t KeypadDecimal(core::Separators separators)
{
    return separators.decimal;
}

} // namespace form
