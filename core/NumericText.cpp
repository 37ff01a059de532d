#include "core/NumericText.h"

#include "core/TooLarge.h"

#include <QLocale>

#include <charconv>
#include <string>
#include <system_error>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace core {

namespace {

enum class Outcome { Number, NotANumber, TooLarge };

struct Parsed {
    Outcome outcome;
    double value;
};

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

QString quoted(QStringView text)
{
    constexpr qsizetype kShown = 24;
    if (text.size() <= kShown)
        return u"\u201C"_s + text.toString() + u"\u201D"_s;
    return u"\u201C"_s + text.first(kShown).toString() + u"\u2026\u201D"_s;
}

// Reads text in the number syntax. The digits are collected as plain ASCII
// ("123.45") and rounded to a double by std::from_chars, which rounds
// correctly and knows nothing of the locale.
Parsed parse(QStringView text, Separators separators)
{
    const QChar decimal = separators.decimal;
    // A group separator that doubles as the decimal separator, or as a
    // character the syntax already gives a meaning, is no group separator.
    const QChar group = (separators.group == decimal || isAsciiDigit(separators.group)
                         || separators.group == u'+' || separators.group == u'-')
        ? QChar()
        : separators.group;

    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    std::string digits;
    digits.reserve(static_cast<std::size_t>(n - i) + 1);
    bool anyDigit = false;
    bool nonZeroInteger = false;
    while (i < n) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            digits.push_back(static_cast<char>(c.unicode()));
            anyDigit = true;
            nonZeroInteger = nonZeroInteger || c != u'0';
        } else if (!(anyDigit && !group.isNull() && c == group)) {
            break;
        }
        ++i;
    }
    if (i < n && !decimal.isNull() && text[i] == decimal) {
        digits.push_back('.');
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            digits.push_back(static_cast<char>(text[i].unicode()));
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

} // namespace

Separators UserSeparators()
{
    const QLocale locale = QLocale::system();
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    return {decimal.isEmpty() ? QChar(u'.') : decimal.front(),
            group.isEmpty() ? QChar() : group.front()};
}

ConversionError::ConversionError(Kind kind, QString description)
    : m_kind(kind), m_description(std::move(description)), m_what(m_description.toUtf8())
{
}

ConversionError::Kind ConversionError::kind() const
{
    return m_kind;
}

QString ConversionError::description() const
{
    return m_description;
}

const char *ConversionError::what() const noexcept
{
    return m_what.constData();
}

ConversionError TooLargeError()
{
    return {ConversionError::Kind::Overflow, u"The number is too large."_s};
}

bool IsNumericText(QStringView text, Separators separators)
{
    return parse(text, separators).outcome == Outcome::Number;
}

bool IsNumericText(QStringView text)
{
    return IsNumericText(text, UserSeparators());
}

double ParseDimension(QStringView text, Separators separators)
{
    const Parsed parsed = parse(text, separators);
    switch (parsed.outcome) {
    case Outcome::Number:
        break;
    case Outcome::NotANumber:
        if (text.trimmed().isEmpty())
            throw ConversionError(ConversionError::Kind::TypeMismatch,
                                  text.isEmpty() ? u"The entry is empty: it is not a number."_s
                                                 : u"Blanks alone are not a number."_s);
        throw ConversionError(ConversionError::Kind::TypeMismatch,
                              quoted(text) + u" is not a number."_s);
    case Outcome::TooLarge:
        throw TooLargeError();
    }
    return parsed.value;
}

double ParseDimension(QStringView text)
{
    return ParseDimension(text, UserSeparators());
}

} // namespace core
