#pragma once

// What the notice says when the entry refuses what the user typed, pasted or
// dropped: what was refused and why, on one line, and how to type the
// dimension, on the next, in the user's separators. Both windows show these.

#include "core/NumericText.h"

#include <string>
#include <string_view>

namespace form {

// The filter took back part of an edit of the user's: before is the entry's
// text before the edit, edited the text that the edit made, which is no
// number.
std::u16string RefusalNotice(std::u16string_view before, std::u16string_view edited,
                             core::Separators separators);

// The entry's length limit refused a key, or cut a paste or a drop.
std::u16string LimitNotice(core::Separators separators);

} // namespace form
