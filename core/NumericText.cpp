#include "core/NumericText.h"

#include "core/TooLarge.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <utility>

namespace core {

namespace {

enum class Outcome { Number, NotANumber, TooLarge };

struct Parsed {
    Outcome outcome;
    double value;
};

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The blanks of Unicode (separators of space, line and paragraph) and the
// ASCII and Latin-1 control blanks.
bool isBlank(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u0085' || c == u'\u00A0'
        || c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028'
        || c == u'\u2029' || c == u'\u202F' || c == u'\u205F' || c == u'\u3000';
}

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

// Reads text in the number syntax. The digits are collected as plain ASCII
// ("123.45") and rounded to a double by std::from_chars, which rounds
// correctly and knows nothing of the locale.
Parsed parse(std::u16string_view text, Separators separators)
{
    const char16_t decimal = separators.decimal;
    // A group separator that doubles as the decimal separator, or as a
    // character the syntax already gives a meaning, is no group separator.
    const char16_t group = (separators.group == decimal || isAsciiDigit(separators.group)
                            || separators.group == u'+' || separators.group == u'-')
        ? u'\0'
        : separators.group;

    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    std::string digits;
    digits.reserve(n - i + 1);
    bool anyDigit = false;
    bool nonZeroInteger = false;
    while (i < n) {
        const char16_t c = text[i];
        if (isAsciiDigit(c)) {
            digits.push_back(static_cast<char>(c));
            anyDigit = true;
            nonZeroInteger = nonZeroInteger || c != u'0';
        } else if (!(anyDigit && group != u'\0' && c == group)) {
            break;
        }
        ++i;
    }
    if (i < n && decimal != u'\0' && text[i] == decimal) {
        digits.push_back('.');
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            digits.push_back(static_cast<char>(text[i]));
            anyDigit = true;
            ++i;
        }
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (!anyDigit || i != n)
        return {Outcome::NotANumber, 0.0};

    double value = 0.0;
    const char *first = digits.data();
    const char *last = first + digits.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    // from_chars says the same for overflow and for underflow, and leaves the
    // value at zero: a number with a non-zero integer digit cannot underflow.
    const bool outOfRange = ec == std::errc::result_out_of_range;
    if (outOfRange && nonZeroInteger)
        return {Outcome::TooLarge, 0.0};
    const bool read = end == last && (ec == std::errc() || outOfRange);
    return {read ? Outcome::Number : Outcome::NotANumber, negative ? -value : value};
}

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            const bool pair = c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00
                && text[i + 1] <= 0xDFFF;
            c = pair ? 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00) : 0xFFFD;
        }
        if (c < 0x80) {
            utf8.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            utf8.push_back(static_cast<char>(0xC0 | (c >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            utf8.push_back(static_cast<char>(0xE0 | (c >> 12)));
            utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            utf8.push_back(static_cast<char>(0xF0 | (c >> 18)));
            utf8.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return utf8;
}

} // namespace

std::u16string Quoted(std::u16string_view text)
{
    constexpr std::size_t kShown = 24;
    std::size_t shown = std::min(text.size(), kShown);
    if (shown < text.size() && isHighSurrogate(text[shown - 1]))
        --shown;
    std::u16string quoted;
    quoted.reserve(shown + 3);
    quoted += u'\u201C';
    quoted.append(text.substr(0, shown));
    if (shown < text.size())
        quoted += u'\u2026';
    quoted += u'\u201D';
    return quoted;
}

ConversionError::ConversionError(Kind kind, std::u16string description)
    : m_kind(kind), m_description(std::move(description)), m_what(toUtf8(m_description))
{
}

ConversionError::Kind ConversionError::kind() const noexcept
{
    return m_kind;
}

const std::u16string &ConversionError::description() const noexcept
{
    return m_description;
}

const char *ConversionError::what() const noexcept
{
    return m_what.c_str();
}

ConversionError TooLargeError()
{
    return {ConversionError::Kind::Overflow, u"The number is too large."};
}

bool IsNumericText(std::u16string_view text, Separators separators) noexcept
{
    return parse(text, separators).outcome == Outcome::Number;
}

bool IsNumericText(std::u16string_view text)
{
    return IsNumericText(text, UserSeparators());
}

double ParseDimension(std::u16string_view text, Separators separators)
{
    const Parsed parsed = parse(text, separators);
    switch (parsed.outcome) {
    case Outcome::Number:
        break;
    case Outcome::NotANumber:
        if (text.empty())
            throw ConversionError(ConversionError::Kind::TypeMismatch,
                                  u"The entry is empty: it is not a number.");
        if (std::all_of(text.begin(), text.end(), isBlank))
            throw ConversionError(ConversionError::Kind::TypeMismatch,
                                  u"Blanks alone are not a number.");
        throw ConversionError(ConversionError::Kind::TypeMismatch,
                              Quoted(text) + u" is not a number.");
    case Outcome::TooLarge:
        throw TooLargeError();
    }
    return parsed.value;
}

double ParseDimension(std::u16string_view text)
{
    return ParseDimension(text, UserSeparators());
}

} // namespace core
