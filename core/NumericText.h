#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace core {

// The two characters of a region's number format; group is u'\0' where the
// region has no group separator.
struct Separators {
    char16_t decimal;
    char16_t group;
};

// The decimal and digit-group separators of the user's region, read from the
// platform's regional settings on every call (nothing is cached). A region
// without a decimal separator gives '.'.
Separators UserSeparators();

// The one failure of the conversion core: a text that is no number, or a
// number too large for a double. description() is a short English sentence
// that can be shown to the user as it stands; what() is the same in UTF-8.
class ConversionError : public std::exception {
public:
    enum class Kind { TypeMismatch, Overflow };
    ConversionError(Kind kind, std::u16string description);
    Kind kind() const noexcept;
    const std::u16string &description() const noexcept;
    const char *what() const noexcept override;

private:
    Kind m_kind;
    std::u16string m_description;
    std::string m_what;
};

// The text in typographic quotes, as the program's messages quote what the
// user typed; a text of over 24 UTF-16 units is cut there with an ellipsis,
// never between the two halves of a surrogate pair.
std::u16string Quoted(std::u16string_view text);

// True exactly when ParseDimension(text, separators) would return a value.
// Never throws. The syntax: optional U+0020 spaces, an optional '+' or '-',
// digits among which the group separator may stand anywhere after the first
// digit, optionally the decimal separator and more digits, at least one digit
// in all, optional spaces, end. No exponent, no other forms. A group separator
// equal to the decimal separator, a digit or a sign is ignored.
bool IsNumericText(std::u16string_view text, Separators separators) noexcept;
// The same, with the user's separators.
bool IsNumericText(std::u16string_view text);

// The double nearest to the number that text spells (IEEE round half to
// even, any number of digits); "-0" gives negative zero, a number too small
// for a double gives zero or a subnormal. Throws ConversionError: TypeMismatch
// for a text outside the syntax, Overflow for a number beyond the largest
// finite double.
double ParseDimension(std::u16string_view text, Separators separators);
// The same, with the user's separators.
double ParseDimension(std::u16string_view text);

} // namespace core
