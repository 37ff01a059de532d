#include "core/TurnConversion.h"
#include "tests/core/Regions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

using Kind = core::ConversionError::Kind;

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

struct Conversion {
    const char *name;
    double inches;
    double wholeTurns;
    double divisions;
    std::u16string turnsText;
    std::u16string divisionsText;
};

std::ostream &operator<<(std::ostream &out, const Conversion &row)
{
    return out << row.name;
}

class ConvertToTurns : public testing::TestWithParam<Conversion> {};

TEST_P(ConvertToTurns, GivesTheReadingAndItsTexts)
{
    const Conversion &row = GetParam();
    const core::TurnReading reading = core::ConvertToTurns(row.inches);
    EXPECT_EQ(bitsOf(reading.wholeTurns), bitsOf(row.wholeTurns));
    EXPECT_EQ(bitsOf(reading.divisions), bitsOf(row.divisions));
    const core::Separators us = regionSeparators("en_US");
    EXPECT_EQ(core::FormatTurns(reading.wholeTurns, us), row.turnsText);
    EXPECT_EQ(core::FormatDivisions(reading.divisions, us), row.divisionsText);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensions, ConvertToTurns,
    testing::Values(
        Conversion{"zero", 0.0, 0.0, 0.0, u"0", u"."},
        Conversion{"whole_turns_only_1_25", 1.25, 20.0, 0.0, u"20", u"."},
        Conversion{"one_turn_0_0625", 0.0625, 1.0, 0.0, u"1", u"."},
        Conversion{"noise_above_0_1", 0.1, 1.0, 37.50000000000001, u"1", u"37.5"},
        Conversion{"noise_above_1_3", 1.3, 20.0, 50.00000000000004, u"20", u"50."},
        Conversion{"noise_below_0_3", 0.3, 4.0, 49.999999999999986, u"4", u"50."},
        Conversion{"one_thousandth", 0.001, 0.0, 1.0, u"0", u"1."},
        Conversion{"tenth_of_a_thousandth", 0.0001, 0.0, 0.1, u"0", u".1"},
        Conversion{"12_345", 12.345, 197.0, 32.50000000000064, u"197", u"32.5"},
        Conversion{"99_999", 99.999, 1599.0, 61.499999999995225, u"1599", u"61.5"},
        Conversion{"largest_six_characters", 999999.0, 15999984.0, 0.0, u"15999984", u"."},
        Conversion{"floor_below_minus_0_1", -0.1, -2.0, 24.999999999999993, u"-2", u"25."},
        Conversion{"negative_zero", -0.0, -0.0, 0.0, u"0", u"."},
        Conversion{"fraction_of_one", -1e-20, -1.0, 62.5, u"-1", u"62.5"},
        Conversion{"minus_99999", -99999.0, -1599984.0, 0.0, u"-1599984", u"."},
        Conversion{"0_99995", 0.99995, 15.0, 62.45, u"15", u"62.45"}),
    rowName<Conversion>);

struct Failure {
    const char *name;
    double inches;
    bool fails;
    Kind kind;
};

std::ostream &operator<<(std::ostream &out, const Failure &row)
{
    return out << row.name;
}

class ConvertFails : public testing::TestWithParam<Failure> {};

TEST_P(ConvertFails, OnlyBeyondTheDoubles)
{
    const Failure &row = GetParam();
    try {
        const core::TurnReading reading = core::ConvertToTurns(row.inches);
        EXPECT_FALSE(row.fails) << "no error";
        EXPECT_TRUE(std::isfinite(reading.wholeTurns));
        EXPECT_TRUE(reading.divisions >= 0.0 && reading.divisions <= 62.5);
    } catch (const core::ConversionError &error) {
        EXPECT_TRUE(row.fails) << error.what();
        EXPECT_EQ(error.kind(), row.kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ConvertFails,
    testing::Values(Failure{"largest_that_fits", kMax / 1000.0, false, Kind::Overflow},
                    Failure{"most_negative_that_fits", -kMax / 1000.0, false, Kind::Overflow},
                    Failure{"just_above", 1.7976931348623159e305, true, Kind::Overflow},
                    Failure{"just_below", -1.7976931348623159e305, true, Kind::Overflow},
                    Failure{"largest_double", kMax, true, Kind::Overflow},
                    Failure{"most_negative_double", -kMax, true, Kind::Overflow},
                    Failure{"infinity", kInfinity, true, Kind::Overflow},
                    Failure{"minus_infinity", -kInfinity, true, Kind::Overflow},
                    Failure{"nan", kNaN, true, Kind::TypeMismatch}),
    rowName<Failure>);

struct Formatted {
    const char *name;
    const char *region;
    double value;
    std::u16string text;
};

std::ostream &operator<<(std::ostream &out, const Formatted &row)
{
    return out << row.name;
}

class FormatDivisions : public testing::TestWithParam<Formatted> {};

TEST_P(FormatDivisions, WritesThePattern)
{
    const Formatted &row = GetParam();
    EXPECT_EQ(core::FormatDivisions(row.value, regionSeparators(row.region)), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatDivisions,
    testing::Values(
        Formatted{"zero", "en_US", 0.0, u"."},
        Formatted{"fifty", "en_US", 50.0, u"50."},
        Formatted{"37_5", "en_US", 37.5, u"37.5"},
        Formatted{"0_25", "en_US", 0.25, u".25"},
        Formatted{"0_1", "en_US", 0.1, u".1"},
        Formatted{"12_3456", "en_US", 12.3456, u"12.346"},
        Formatted{"61_499999999995225", "en_US", 61.499999999995225, u"61.5"},
        Formatted{"0_0004", "en_US", 0.0004, u"."},
        Formatted{"62_5", "en_US", 62.5, u"62.5"},
        Formatted{"negative_zero", "en_US", -0.0, u"."},
        Formatted{"negative_rounding_to_zero", "en_US", -0.0004, u"."},
        Formatted{"minus_12_3456", "en_US", -12.3456, u"-12.346"},
        Formatted{"tie_0_0625_away_from_zero", "en_US", 0.0625, u".063"},
        Formatted{"tie_minus_0_0625_away_from_zero", "en_US", -0.0625, u"-.063"},
        Formatted{"just_below_0_0625", "en_US", std::nextafter(0.0625, 0.0), u".062"},
        Formatted{"just_above_0_0625", "en_US", std::nextafter(0.0625, 1.0), u".063"},
        Formatted{"tie_0_1875", "en_US", 0.1875, u".188"},
        Formatted{"tie_0_3125", "en_US", 0.3125, u".313"},
        Formatted{"tie_62_4375", "en_US", 62.4375, u"62.438"},
        Formatted{"tie_2p40", "en_US", 0x1p40 + 0.0625, u"1099511627776.063"},
        Formatted{"tie_2p48", "en_US", 0x1p48 + 0.0625, u"281474976710656.063"},
        Formatted{"last_binade_in_integers", "en_US", 0x1p49 + 0.125, u"562949953421312.125"},
        Formatted{"past_the_integers", "en_US", 0x1p50 + 0.25, u"1125899906842624.25"},
        Formatted{"1_0005_below_the_tie", "en_US", 1.0005, u"1."},
        Formatted{"0_9995_above_the_tie", "en_US", 0.9995, u"1."},
        Formatted{"0_0005_above_the_tie", "en_US", 0.0005, u".001"},
        Formatted{"61_9996", "en_US", 61.9996, u"62."},
        Formatted{"62_4449999", "en_US", 62.4449999, u"62.445"},
        Formatted{"carry_into_the_integer", "en_US", 9.9996, u"10."},
        Formatted{"smallest_subnormal", "en_US", std::numeric_limits<double>::denorm_min(), u"."},
        Formatted{"1e20_in_full", "en_US", 1e20, u"100000000000000000000."},
        Formatted{"largest_double_in_full", "en_US", kMax,
                  u"179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026184124858368."},
        Formatted{"nan", "en_US", kNaN, u"NaN"},
        Formatted{"infinity", "en_US", kInfinity, u"Infinity"},
        Formatted{"minus_infinity", "en_US", -kInfinity, u"-Infinity"},
        Formatted{"de_37_5", "de_DE", 37.5, u"37,5"},
        Formatted{"de_fifty", "de_DE", 50.0, u"50,"},
        Formatted{"de_zero", "de_DE", 0.0, u","},
        Formatted{"de_tie_0_0625", "de_DE", 0.0625, u",063"},
        Formatted{"fr_0_25", "fr_FR", 0.25, u",25"},
        Formatted{"fr_1e6_without_grouping", "fr_FR", 1e6, u"1000000,"}),
    rowName<Formatted>);

class FormatTurns : public testing::TestWithParam<Formatted> {};

TEST_P(FormatTurns, WritesDigitsOrTheExponentForm)
{
    const Formatted &row = GetParam();
    EXPECT_EQ(core::FormatTurns(row.value, regionSeparators(row.region)), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatTurns,
    testing::Values(
        Formatted{"zero", "en_US", 0.0, u"0"},
        Formatted{"negative_zero", "en_US", -0.0, u"0"},
        Formatted{"twenty", "en_US", 20.0, u"20"},
        Formatted{"minus_two", "en_US", -2.0, u"-2"},
        Formatted{"no_grouping", "en_US", 15999984.0, u"15999984"},
        Formatted{"minus_1599984", "en_US", -1599984.0, u"-1599984"},
        Formatted{"largest_below_1e15", "en_US", 999999999999999.0, u"999999999999999"},
        Formatted{"rounding_up_to_1e15", "en_US", 999999999999999.5, u"1E+15"},
        Formatted{"1e15", "en_US", 1e15, u"1E+15"},
        Formatted{"minus_1e15", "en_US", -1e15, u"-1E+15"},
        Formatted{"1_5e15", "en_US", 1.5e15, u"1.5E+15"},
        Formatted{"1_6e301", "en_US", 1.6e301, u"1.6E+301"},
        Formatted{"nineteen_digits", "en_US", 1234567890123456789.0, u"1.23456789012346E+18"},
        Formatted{"tie_at_the_16th_digit", "en_US", 1000000000000005.0, u"1.00000000000001E+15"},
        Formatted{"tie_1e16_scale", "en_US", 10000000000000050.0, u"1.00000000000001E+16"},
        Formatted{"below_a_tie", "en_US", 1000000000000004.0, u"1E+15"},
        Formatted{"fraction_below_the_tie_rounds_once", "en_US", 1019442243215364.9,
                  u"1.01944224321536E+15"},
        Formatted{"fraction_at_the_tie", "en_US", 1019442243215365.0, u"1.01944224321537E+15"},
        Formatted{"carry_through_the_nines", "en_US", 9999999999999998.0, u"1E+16"},
        Formatted{"largest_double", "en_US", kMax, u"1.79769313486232E+308"},
        Formatted{"most_negative_double", "en_US", -kMax, u"-1.79769313486232E+308"},
        Formatted{"nan", "en_US", kNaN, u"NaN"},
        Formatted{"infinity", "en_US", kInfinity, u"Infinity"},
        Formatted{"minus_infinity", "en_US", -kInfinity, u"-Infinity"},
        Formatted{"de_1_5e15", "de_DE", 1.5e15, u"1,5E+15"},
        Formatted{"de_15999984", "de_DE", 15999984.0, u"15999984"},
        Formatted{"fr_1_25e20", "fr_FR", 1.25e20, u"1,25E+20"}),
    rowName<Formatted>);

// The expected divisions text of a value from 0 to 1000, from its exact
// decimal expansion: three decimals, half away from zero (the fourth decimal
// decides, as the expansion is exact), trailing zeros and a zero integer part
// left out.
std::u16string expectedDivisions(double value)
{
    char exact[96];
    const auto [end, ec] = std::to_chars(exact, exact + sizeof exact, value,
                                         std::chars_format::fixed, 60);
    const std::string digits(exact, end);
    const std::size_t point = digits.find('.');
    long thousandths = std::stol(digits.substr(0, point)) * 1000 + std::stol(digits.substr(point + 1, 3));
    if (digits[point + 4] >= '5')
        ++thousandths;
    std::string text = thousandths >= 1000 ? std::to_string(thousandths / 1000) : std::string();
    std::string decimals = std::to_string(1000 + thousandths % 1000).substr(1);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    text += '.' + decimals;
    return {text.begin(), text.end()};
}

// Every k/2000, the halves of a thousandth and the thousandths themselves, and
// the doubles next to each. A larger value never gives a smaller text.
class DivisionsNearTies : public testing::TestWithParam<int> {};

TEST_P(DivisionsNearTies, RoundHalfAwayFromZeroOnTheExactValue)
{
    constexpr int kStep = 250000;
    const int first = GetParam();
    const core::Separators us = regionSeparators("en_US");
    double previous = -1.0;
    for (int k = first; k <= first + kStep; ++k) {
        const double value = k / 2000.0;
        for (const double x : {std::nextafter(value, 0.0), value, std::nextafter(value, 1e9)}) {
            const std::u16string text = core::FormatDivisions(x, us);
            ASSERT_EQ(text, expectedDivisions(x)) << bitsOf(x);
            const std::string ascii(text.begin(), text.end());
            const double shown = std::strtod(ascii.c_str(), nullptr);
            ASSERT_GE(shown, previous) << bitsOf(x);
            previous = shown;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, DivisionsNearTies, testing::Range(0, 2000000, 250000));

} // namespace
