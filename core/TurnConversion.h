#pragma once

#include "core/NumericText.h"

#include <string>

namespace core {

// Thousandths of an inch in one inch.
inline constexpr double kThousandthsPerInch = 1000.0;
// Thousandths of an inch, or dial divisions, in one handle turn of a
// 16-threads-per-inch lead screw (1000 / 16).
inline constexpr double kDivisionsPerTurn = 62.5;

// A handle reading: the whole turns (an integral value, the floor, so it may be
// negative) and the dial divisions to add after them (0 to 62.5 inclusive).
struct TurnReading {
    double wholeTurns;
    double divisions;
};

// Converts a dimension in inches into a handle reading, step by step on
// doubles: thousandths = inches * 1000, sixteenths = thousandths / 62.5,
// whole turns = floor(sixteenths), divisions = (sixteenths - whole turns) *
// 62.5. Throws ConversionError: Overflow when the thousandths exceed the
// largest finite double, TypeMismatch for NaN.
TurnReading ConvertToTurns(double inches);

// The whole turns as text. Below 1e15 in magnitude: the integer's digits with
// a leading '-' when negative, no grouping, negative zero as "0" (a value with
// a fraction is rounded half away from zero first). From 1e15 up: rounded to
// 15 significant digits on the exact binary value, half away from zero, and
// written as a mantissa with the decimal separator only when decimals remain,
// 'E', a sign and the exponent: 1E+15, 1.5E+15, 1.6E+301.
std::u16string FormatTurns(double wholeTurns, Separators separators);
// The same, with the user's separators.
std::u16string FormatTurns(double wholeTurns);

// The divisions as the pattern ".###": rounded to three decimals on the exact
// binary value, half away from zero; the integer part without grouping and
// left out when zero; the decimal separator always; the decimals without
// trailing zeros. 0.0625 gives ".063", 50 gives "50.", any value that rounds
// to zero gives the separator alone.
std::u16string FormatDivisions(double divisions, Separators separators);
// The same, with the user's separators.
std::u16string FormatDivisions(double divisions);

} // namespace core
