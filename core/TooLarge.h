#pragma once

#include "core/NumericText.h"

namespace core {

// The one Overflow error of the core, with its text for the user; used by the
// parser and by the conversion alike.
ConversionError TooLargeError();

} // namespace core
