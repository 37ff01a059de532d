#include "form/Refusals.h"

#include "form/Advice.h"
#include "form/Difference.h"
#include "form/Layout.h"

#include <algorithm>

namespace form {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(char16_t c)
{
    return c == u'-' || c == u'+';
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
}

// A separator that the region does not use, typed as one.
bool isForeignSeparator(char16_t c, core::Separators separators)
{
    return (c == u'.' || c == u',') && c != separators.decimal && c != separators.group;
}

// What the user gave, quoted, with control characters shown as blanks so
// that the notice keeps its lines.
std::u16string quote(std::u16string_view text)
{
    std::u16string shown(text);
    std::replace_if(shown.begin(), shown.end(), [](char16_t c) { return c < u' '; }, u' ');
    return core::Quoted(shown);
}

std::u16string quote(char16_t c)
{
    return quote(std::u16string_view(&c, 1));
}

std::u16string notice(std::u16string_view what, std::u16string_view advice)
{
    return std::u16string(what) + u'\n' + std::u16string(advice);
}

std::u16string signAdvice(char16_t sign)
{
    return sign == u'+' ? u"Type the number first, then Home and the plus sign."
                        : u"Type the number first, then Home and the minus sign.";
}

std::u16string leadingZeroAdvice(char16_t decimal)
{
    return u"Type 0" + std::u16string(1, decimal) + u"250, with its leading zero.";
}

std::u16string fractionAdvice(char16_t decimal)
{
    const std::u16string point(1, decimal);
    return u"Type 1/2 as 0" + point + u"5, and 3/8 as 0" + point + u"375.";
}

std::u16string foreignSeparator(char16_t c, char16_t decimal)
{
    return u"Here the decimal separator is " + quote(decimal) + u", not " + quote(c) + u".";
}

// One character typed, or put over a selection, at position at of edited.
std::u16string refusedCharacter(char16_t c, std::size_t at, std::u16string_view edited,
                                core::Separators separators)
{
    const char16_t decimal = separators.decimal;
    const std::u16string_view before = edited.substr(0, at);
    if (isForeignSeparator(c, separators))
        return notice(foreignSeparator(c, decimal), FailureAdvice(decimal));
    if (isSign(c))
        return notice(edited.size() == 1 ? std::u16string(u"A sign alone is not a number.")
                                         : quote(c) + u" stands only in front of the number.",
                      signAdvice(c));
    if (c == decimal && std::count(edited.begin(), edited.end(), decimal) > 1)
        return notice(u"A number has one " + quote(decimal) + u" only.", FailureAdvice(decimal));
    if (c == decimal || (separators.group != u'\0' && c == separators.group)) {
        if (std::none_of(before.begin(), before.end(), isDigit))
            return notice(quote(c) + u" cannot start a number.", leadingZeroAdvice(decimal));
        return notice(quote(c) + u" cannot stand there.", FailureAdvice(decimal));
    }
    if (c == u'/')
        return notice(u"\u201C/\u201D was taken back: type fractions as decimals.",
                      fractionAdvice(decimal));
    if (isBlank(c))
        return notice(std::all_of(edited.begin(), edited.end(), isBlank)
                          ? u"Blanks alone are not a number."
                          : u"A blank cannot stand inside a number.",
                      FailureAdvice(decimal));
    if (isDigit(c) && std::any_of(before.begin(), before.end(), isBlank))
        return notice(quote(c) + u" cannot follow a blank.", FailureAdvice(decimal));
    return notice(quote(c) + u" is not part of a number.", FailureAdvice(decimal));
}

} // namespace

std::u16string RefusalNotice(std::u16string_view before, std::u16string_view edited,
                             core::Separators separators)
{
    const char16_t decimal = separators.decimal;
    const Difference edit = DifferenceOf(before, edited);
    const std::u16string_view given = edit.inserted;
    if (given.size() == 1)
        return refusedCharacter(given.front(), edit.at, edited, separators);
    if (given.empty()) // a deletion left what is no number
        return edited.size() == 1 && isSign(edited.front())
            ? notice(u"A sign alone is not a number.", signAdvice(edited.front()))
            : notice(quote(edited) + u" is not a number, so it was cut back.",
                     FailureAdvice(decimal));
    // A paste or a drop.
    const auto foreign = std::find_if(given.begin(), given.end(), [&](char16_t c) {
        return isForeignSeparator(c, separators);
    });
    if (foreign != given.end())
        return notice(foreignSeparator(*foreign, decimal), FailureAdvice(decimal));
    if (given.find(u'/') != std::u16string_view::npos)
        return notice(quote(given) + u" was taken back: type fractions as decimals.",
                      fractionAdvice(decimal));
    return notice(quote(given) + u" is not a number, so it was cut back.", FailureAdvice(decimal));
}

std::u16string LimitNotice(core::Separators separators)
{
    static_assert(kEntryMaxLength == 6, "the notice names the entry's limit");
    const std::u16string point(1, separators.decimal);
    return notice(u"The entry takes 6 characters at most: the rest was left out.",
                  u"Type a dimension such as 12" + point + u"345 or 0" + point + u"0625.");
}

} // namespace form
