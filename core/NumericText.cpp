#include "core/NumericText.h"

#include "core/TooLarge.h"

#include <algorithm>
#include <charconv>
#include <string_view>
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

// A group separator that doubles as the decimal separator, or as a character
// the syntax already gives a meaning, is no group separator.
char16_t effectiveGroup(Separators separators)
{
    const char16_t group = separators.group;
    return group == separators.decimal || isAsciiDigit(group) || group == u'+' || group == u'-'
        ? u'\0'
        : group;
}

// The significant digits of the least number that rounds beyond the largest
// double: 2^1024 - 2^970, halfway between the largest double and 2^1024, to
// which it rounds as the even one. A number rounds beyond the doubles exactly
// when its integer part reaches this one.
constexpr std::string_view kFirstBeyondDoubles =
    "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977"
    "587207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845"
    "817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559"
    "699508093042880177904174497792";

// Text read in the number syntax, without copying it: whether it is a number,
// and where its digits and separators lie.
struct Scan {
    Outcome outcome;
    bool negative;
    std::size_t begin; // the first digit or separator after the sign
    std::size_t end;   // past the last digit
};

Scan scan(std::u16string_view text, Separators separators) noexcept
{
    const char16_t decimal = separators.decimal;
    const char16_t group = effectiveGroup(separators);

    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    const std::size_t begin = i;
    bool anyDigit = false;
    // The integer part's significant digits, counted and compared one by one
    // with those of the first number beyond the doubles: -1 below, 1 above, 0
    // the same so far.
    std::size_t significant = 0;
    int order = 0;
    while (i < n) {
        const char16_t c = text[i];
        if (isAsciiDigit(c)) {
            anyDigit = true;
            if (significant > 0 || c != u'0') {
                if (order == 0 && significant < kFirstBeyondDoubles.size()) {
                    const char16_t limit = static_cast<char16_t>(kFirstBeyondDoubles[significant]);
                    order = c < limit ? -1 : c > limit ? 1 : 0;
                }
                ++significant;
            }
        } else if (!(anyDigit && group != u'\0' && c == group)) {
            break;
        }
        ++i;
    }
    if (i < n && decimal != u'\0' && text[i] == decimal) {
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            anyDigit = true;
            ++i;
        }
    }
    const std::size_t end = i;
    while (i < n && text[i] == u' ')
        ++i;
    if (!anyDigit || i != n)
        return {Outcome::NotANumber, negative, begin, end};
    const bool tooLarge = significant > kFirstBeyondDoubles.size()
        || (significant == kFirstBeyondDoubles.size() && order >= 0);
    return {tooLarge ? Outcome::TooLarge : Outcome::Number, negative, begin, end};
}

// Reads text in the number syntax. The digits are collected as plain ASCII
// ("123.45") and rounded to a double by std::from_chars, which rounds
// correctly and knows nothing of the locale.
Parsed parse(std::u16string_view text, Separators separators)
{
    const Scan scanned = scan(text, separators);
    if (scanned.outcome != Outcome::Number)
        return {scanned.outcome, 0.0};

    std::string digits;
    digits.reserve(scanned.end - scanned.begin);
    for (const char16_t c : text.substr(scanned.begin, scanned.end - scanned.begin)) {
        if (isAsciiDigit(c))
            digits.push_back(static_cast<char>(c));
        else if (c == separators.decimal)
            digits.push_back('.');
        // else a group separator, which says nothing of the value
    }

    double value = 0.0;
    const char *first = digits.data();
    const char *last = first + digits.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    // Below the first number beyond the doubles, from_chars can only fall
    // short of the doubles: it then says the result is out of range and leaves
    // the value at zero.
    const bool read = end == last && (ec == std::errc() || ec == std::errc::result_out_of_range);
    return {read ? Outcome::Number : Outcome::NotANumber, scanned.negative ? -value : value};
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
    return scan(text, separators).outcome == Outcome::Number;
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
