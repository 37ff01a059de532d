#include "core/TurnConversion.h"

#include "core/TooLarge.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

namespace {

// Room for the longest fixed text of a double with three decimals:
// a sign, 309 integer digits, the point and three decimals.
using Buffer = std::array<char, 320>;

// The exact binary value of value, written with three decimals. The digits are
// exact for every value whose lowest bit is worth 1/8 or more (|value| >= 2^49);
// below that, to_chars rounds half to even.
std::string_view fixed3(double value, Buffer &buffer)
{
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 3);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

// A magnitude below 2^50 in thousandths, rounded half away from zero, in
// integers on its exact binary value: magnitude = m * 2^e, so magnitude * 1000
// = m * 125 * 2^(e + 3), which fits in 64 bits. Nothing for larger values.
std::optional<std::uint64_t> roundedThousandths(double magnitude)
{
    if (!(magnitude < 0x1p50))
        return std::nullopt;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa =
        biasedExponent == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = (biasedExponent == 0 ? 1 : biasedExponent) - 1075 + 3;
    const std::uint64_t scaled = mantissa * 125;
    if (exponent >= 0)
        return scaled << exponent;
    if (exponent <= -64)
        return 0; // below 2^-4 of a thousandth
    const int shift = -exponent;
    const std::uint64_t whole = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    return rest >= half ? whole + 1 : whole;
}

std::u16string nonFinite(double value)
{
    if (std::isnan(value))
        return u"NaN";
    return value < 0 ? u"-Infinity" : u"Infinity";
}

// ASCII digits and signs as they stand in UTF-16.
void appendAscii(std::u16string &text, std::string_view ascii)
{
    text.append(ascii.begin(), ascii.end());
}

template <typename Integer>
void appendNumber(std::u16string &text, Integer value)
{
    std::array<char, 24> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    appendAscii(text, {digits.data(), static_cast<std::size_t>(end - digits.data())});
}

} // namespace

TurnReading ConvertToTurns(double inches)
{
    if (std::isnan(inches))
        throw ConversionError(ConversionError::Kind::TypeMismatch, u"That is not a number.");
    const double thousandths = inches * kThousandthsPerInch;
    if (!std::isfinite(thousandths))
        throw TooLargeError();
    const double sixteenths = thousandths / kDivisionsPerTurn;
    const double wholeTurns = std::floor(sixteenths);
    const double fraction = sixteenths - wholeTurns;
    const double divisions = fraction * kDivisionsPerTurn;
    return {wholeTurns, divisions};
}

std::u16string FormatTurns(double wholeTurns, Separators separators)
{
    if (!std::isfinite(wholeTurns))
        return nonFinite(wholeTurns);

    constexpr double kExponentFrom = 1e15;
    const double rounded = std::round(wholeTurns);
    if (std::fabs(rounded) < kExponentFrom) {
        std::u16string digits;
        appendNumber(digits, static_cast<std::int64_t>(rounded));
        return digits;
    }

    // From 2^49 (about 5.6e14) up every double is a multiple of 1/8, so the
    // fixed text is exact, and rounding its digits to 15 significant ones half
    // away from zero only needs the sixteenth.
    Buffer buffer;
    const std::string_view text = fixed3(std::fabs(wholeTurns), buffer);
    const std::size_t point = text.find('.');
    int exponent = static_cast<int>(point) - 1;
    const auto digit = [&](std::size_t i) { return i < point ? text[i] : text[i + 1]; };

    constexpr std::size_t kSignificant = 15;
    std::array<char, kSignificant> mantissa{};
    for (std::size_t i = 0; i < kSignificant; ++i)
        mantissa[i] = digit(i);
    if (digit(kSignificant) >= '5') {
        std::size_t i = kSignificant;
        while (i > 0 && mantissa[i - 1] == '9')
            mantissa[--i] = '0';
        if (i == 0) {
            mantissa[0] = '1';
            ++exponent;
        } else {
            ++mantissa[i - 1];
        }
    }
    std::size_t length = kSignificant;
    while (length > 1 && mantissa[length - 1] == '0')
        --length;

    std::u16string result;
    if (wholeTurns < 0)
        result += u'-';
    result += static_cast<char16_t>(mantissa[0]);
    if (length > 1) {
        result += separators.decimal;
        appendAscii(result, {mantissa.data() + 1, length - 1});
    }
    result += u"E+";
    appendNumber(result, exponent);
    return result;
}

std::u16string FormatTurns(double wholeTurns)
{
    return FormatTurns(wholeTurns, UserSeparators());
}

std::u16string FormatDivisions(double divisions, Separators separators)
{
    if (!std::isfinite(divisions))
        return nonFinite(divisions);

    const bool negative = std::signbit(divisions);
    const double magnitude = std::fabs(divisions);
    Buffer buffer;
    std::string_view integerDigits;
    std::array<char, 3> decimals{};

    if (const std::optional<std::uint64_t> thousandths = roundedThousandths(magnitude)) {
        const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                             *thousandths / 1000);
        integerDigits = {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
        auto rest = *thousandths % 1000;
        for (std::size_t i = 3; i > 0; --i, rest /= 10)
            decimals[i - 1] = static_cast<char>('0' + rest % 10);
    } else {
        // From 2^50 up every double is a multiple of 1/4: the fixed text with
        // three decimals is exact, nothing is rounded.
        const std::string_view text = fixed3(magnitude, buffer);
        integerDigits = text.substr(0, text.size() - 4);
        text.substr(text.size() - 3).copy(decimals.data(), 3);
    }

    if (integerDigits == "0")
        integerDigits = {};
    std::size_t decimalCount = 3;
    while (decimalCount > 0 && decimals[decimalCount - 1] == '0')
        --decimalCount;

    std::u16string text;
    if (negative && (!integerDigits.empty() || decimalCount > 0))
        text += u'-';
    appendAscii(text, integerDigits);
    text += separators.decimal;
    appendAscii(text, {decimals.data(), decimalCount});
    return text;
}

std::u16string FormatDivisions(double divisions)
{
    return FormatDivisions(divisions, UserSeparators());
}

} // namespace core
