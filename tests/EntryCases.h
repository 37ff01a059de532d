#pragma once

// Case tables of the dimension entry and the Convert button that the tests of
// both windows play. Toolkit-free.
//
// A script: characters are typed; {Tab}, {BS}, {Del}, {Home}, {End}, {Left}
// and {Right} press keys, {ShiftEnd} Shift+End, {KPDecimal} the keypad's
// decimal key (which gives "." here), {Undo} and {Redo} their keys;
// {Paste:text} pastes text with Ctrl+V; {Convert} clicks the button. Texts are
// written with '.' as the decimal and ',' as the group separator; Localised()
// swaps them where the region has them the other way round, or writes the
// region's own.

#include <array>
#include <string>
#include <string_view>

namespace cases {

// The regions the tests run in, with the separators of LC_NUMERIC as the C
// library's locale sources write them, spelled out here rather than read.
struct Region {
    std::string_view name;
    char16_t decimal;
    char16_t group; // u'\0': none
    std::u16string_view examples; // the hints' examples, Label2 and Label4
    std::u16string_view warning;
};

// A name with a character set is a locale of its own; the others are taken in
// UTF-8.
inline constexpr std::array<Region, 9> kRegions = {{
    {"en_US", u'.', u',', u"1.250 or 0.250", u" .250 does not work"},
    {"de_DE", u',', u'.', u"1,250 or 0,250", u" ,250 does not work"},
    {"fr_FR", u',', u'\u202F', u"1,250 or 0,250", u" ,250 does not work"},
    // not the Arabic decimal separator U+066B
    {"ar_EG", u'.', u',', u"1.250 or 0.250", u" .250 does not work"},
    // not "," and a no-break space
    {"en_ZA", u'.', u',', u"1.250 or 0.250", u" .250 does not work"},
    {"fr_CH", u'.', u'\u2019', u"1.250 or 0.250", u" .250 does not work"},
    // the byte 0x9A in its own character set
    {"ru_RU.KOI8-R", u',', u'\u00A0', u"1,250 or 0,250", u" ,250 does not work"},
    {"C", u'.', u'\0', u"1.250 or 0.250", u" .250 does not work"},
    {"xx_YY.UTF-8", u'.', u'\0', u"1.250 or 0.250", u" .250 does not work"}, // a locale no machine has
}};

inline const Region *RegionNamed(std::string_view name)
{
    for (const Region &region : kRegions) {
        if (region.name == name)
            return &region;
    }
    return nullptr;
}

// '.' becomes the region's decimal and ',' its group separator.
inline std::u16string Localised(std::u16string_view text, const Region &region)
{
    std::u16string result(text);
    for (char16_t &c : result) {
        if (c == u'.')
            c = region.decimal;
        else if (c == u',' && region.group != u'\0')
            c = region.group;
    }
    return result;
}

inline std::u16string Localised(std::u16string_view text, char16_t decimal)
{
    std::u16string result(text);
    if (decimal != u',')
        return result;
    for (char16_t &c : result) {
        if (c == u'.')
            c = u',';
        else if (c == u',')
            c = u'.';
    }
    return result;
}

// The script, then a click on Convert: the entry, the two results and what a
// screen reader says of them.
struct Convert {
    const char *name;
    std::u16string_view script;
    std::u16string_view entry;
    std::u16string_view whole;
    std::u16string_view divisions;
    std::u16string_view spoken;
};

inline constexpr std::array<Convert, 15> kConvert = {{
    {"empty entry becomes 0.000", u"{Tab}{Del}", u"0.000", u"0", u".",
     u"0 whole turns and 0. divisions"},
    {"0.000 as at start", u"", u"0.000", u"0", u".", u"0 whole turns and 0. divisions"},
    {"1.250", u"{Tab}1.250", u"1.250", u"20", u".", u"20 whole turns and 0. divisions"},
    {"0.1", u"{Tab}0.1", u"0.1", u"1", u"37.5", u"1 whole turn and 37.5 divisions"},
    {"1.3", u"{Tab}1.3", u"1.3", u"20", u"50.", u"20 whole turns and 50. divisions"},
    {"-0.1", u"{Tab}0.1{Home}-", u"-0.1", u"-2", u"25.", u"-2 whole turns and 25. divisions"},
    {"-0.06", u"{Tab}0.06{Home}-", u"-0.06", u"-1", u"2.5", u"-1 whole turn and 2.5 divisions"},
    {"0.001", u"{Tab}0.001", u"0.001", u"0", u"1.", u"0 whole turns and 1. division"},
    {"999999", u"{Tab}999999", u"999999", u"15999984", u".",
     u"15999984 whole turns and 0. divisions"},
    {"-99999", u"{Tab}99999{Home}-", u"-99999", u"-1599984", u".",
     u"-1599984 whole turns and 0. divisions"},
    {".99995 pasted", u"{Tab}{Paste:.99995}", u".99995", u"15", u"62.45",
     u"15 whole turns and 62.45 divisions"},
    {"group separator", u"{Tab}1,250", u"1,250", u"20000", u".",
     u"20000 whole turns and 0. divisions"},
    {"trailing blank", u"{Tab}5 ", u"5 ", u"80", u".", u"80 whole turns and 0. divisions"},
    {"plus sign", u"{Tab}5{Home}+", u"+5", u"80", u".", u"80 whole turns and 0. divisions"},
    {"keypad decimal key types the region's", u"{Tab}1{KPDecimal}3", u"1.3", u"20", u"50.",
     u"20 whole turns and 50. divisions"},
}};

// The script alone: what the filter leaves in the entry.
struct Filter {
    const char *name;
    std::u16string_view script;
    std::u16string_view entry;
};

inline constexpr std::array<Filter, 21> kFilter = {{
    {"separator over the selection is taken back", u"{Tab}.", u""},
    {"leading zero then 0.25", u"{Tab}.0.25", u"0.25"},
    {"letter behind 1.25", u"{Tab}1.25a", u"1.25"},
    {"minus into empty", u"{Tab}{Del}-", u""},
    {"paste 12ab into empty", u"{Tab}{Del}{Paste:12ab}", u"12"},
    {"paste eaten back to a number", u"{Tab}12{Home}{Paste:ab}", u"12"},
    {"paste of blanks eaten away", u"{Tab}{Paste:   }", u""},
    {"paste cut to six", u"{Tab}{Paste:1234567}", u"123456"},
    {"typing stops at six", u"{Tab}1234567", u"123456"},
    {"tab then digit replaces", u"{Tab}7", u"7"},
    {"own backspace takes the sign too", u"{Tab}1{Home}-{End}{BS}", u""},
    {"delete at the start keeps the separator", u"{Tab}1.{Home}{Del}", u"."},
    {"second separator refused", u"{Tab}1.2.", u"1.2"},
    {"blank inside refused", u"{Tab}5 5", u"5 "},
    {"group separator after a digit kept", u"{Tab}1,2", u"1,2"},
    {"letter in the middle refused", u"{Tab}12{Left}x", u"12"},
    {"delete inside keeps a number", u"{Tab}1.25{Left}{Left}{Del}", u"1.5"},
    {"undo after a refused key over a selection", u"{Tab}12.345{Home}{Right}{ShiftEnd}a{Undo}",
     u"12.345"},
    {"redo after that undo", u"{Tab}12.345{Home}{Right}{ShiftEnd}a{Undo}{Redo}", u"1"},
    {"undo after a refused sign", u"{Tab}5{BS}-{Undo}", u"5"},
    {"undo after a paste cut back", u"{Tab}7{Paste:1/2}{Undo}", u"7"},
}};

// The script alone: what the entry keeps and what the notice then says, '_'
// standing for the region's decimal separator in both.
struct Refusal {
    const char *name;
    std::u16string_view script;
    std::u16string_view entry;
    std::u16string_view notice;
};

inline constexpr std::array<Refusal, 8> kRefusal = {{
    {"letter", u"{Tab}1_25a", u"1_25",
     u"\u201Ca\u201D is not part of a number.\nType a dimension such as 1_250 or 0_250."},
    {"separator typed first", u"{Tab}_", u"",
     u"\u201C_\u201D cannot start a number.\nType 0_250, with its leading zero."},
    {"sign typed first", u"{Tab}-", u"",
     u"A sign alone is not a number.\nType the number first, then Home and the minus sign."},
    {"fraction", u"{Tab}1/2", u"12",
     u"\u201C/\u201D was taken back: type fractions as decimals.\n"
     u"Type 1/2 as 0_5, and 3/8 as 0_375."},
    {"second separator", u"{Tab}1_2_", u"1_2",
     u"A number has one \u201C_\u201D only.\nType a dimension such as 1_250 or 0_250."},
    {"paste eaten back", u"{Tab}{Paste:12ab}", u"12",
     u"\u201C12ab\u201D is not a number, so it was cut back.\n"
     u"Type a dimension such as 1_250 or 0_250."},
    {"paste cut to six", u"{Tab}{Paste:12_3456}", u"12_345",
     u"The entry takes 6 characters at most: the rest was left out.\n"
     u"Type a dimension such as 12_345 or 0_0625."},
    {"seventh key", u"{Tab}1234567", u"123456",
     u"The entry takes 6 characters at most: the rest was left out.\n"
     u"Type a dimension such as 12_345 or 0_0625."},
}};

// '_' becomes the decimal separator.
inline std::u16string WithDecimal(std::u16string_view text, char16_t decimal)
{
    std::u16string result(text);
    for (char16_t &c : result) {
        if (c == u'_')
            c = decimal;
    }
    return result;
}

// A click on an entry that holds no number: the entry the script leaves and
// a part of the description shown.
struct Failure {
    const char *name;
    std::u16string_view script;
    std::u16string_view entry;
    std::u16string_view description;
};

inline constexpr std::array<Failure, 3> kFailure = {{
    {"blanks", u"{Tab}5 {Home}{Del}", u" ", u"Blanks alone"},
    {"separator alone", u"{Tab}1.{Home}{Del}", u".", u"is not a number"},
    {"group separator first", u"{Tab}1,5{Home}{Del}", u",5", u"is not a number"},
}};

// The script, then Convert: which result needs a smaller font to fit its box.
struct Fit {
    const char *name;
    std::u16string_view script;
    bool wholeShrinks;
    bool divisionsShrink;
};

inline constexpr std::array<Fit, 5> kFit = {{
    {"1.3 keeps 24 points", u"{Tab}1.3", false, false},
    {"999999", u"{Tab}999999", true, false},
    {"-99999", u"{Tab}99999{Home}-", true, false},
    {".99995", u"{Tab}{Paste:.99995}", false, true},
    {"back to 1.3 after a long one", u"{Tab}999999{Convert}{Tab}1.3", false, false},
}};

// Entry texts, pasted, that must fit the entry whole.
inline constexpr std::array<std::u16string_view, 4> kEntryFits = {
    u"999999", u"-99999", u"0.000", u"1,2,3,"};

} // namespace cases
