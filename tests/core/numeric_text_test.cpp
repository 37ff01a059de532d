#include "core/NumericText.h"
#include "tests/core/Regions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <regex>
#include <string>
#include <vector>

using Kind = core::ConversionError::Kind;

namespace {

const std::u16string kManyZeros(400, u'0');
const std::u16string kBeyondDoubles = u"1" + std::u16string(309, u'0');
const std::u16string kLargestDouble =
    u"179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497791";
// The same text one unit higher in its last digit rounds past the largest
// double.
const std::u16string kJustBeyondDoubles =
    u"179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497792";

struct Accepted {
    const char *region;
    std::u16string text;
    double value;
};

std::ostream &operator<<(std::ostream &out, const Accepted &row)
{
    return out << row.region << " \"" << ascii(row.text) << '"';
}

const Accepted kAccepted[] = {
    {"en_US", u"0.000", 0.0},
    {"en_US", u"1.250", 1.25},
    {"en_US", u"0.250", 0.25},
    {"en_US", u".250", 0.25},
    {"en_US", u"0.", 0.0},
    {"en_US", u"5", 5.0},
    {"en_US", u"-5", -5.0},
    {"en_US", u"+5", 5.0},
    {"en_US", u" 5 ", 5.0},
    {"en_US", u"1,250", 1250.0},
    {"en_US", u"1,2,5,0", 1250.0},
    {"en_US", u"1,,250", 1250.0},
    {"en_US", u"1,", 1.0},
    {"en_US", u"1,.5", 1.5},
    {"en_US", u"  -0.5  ", -0.5},
    {"en_US", u"-0", -0.0},
    {"en_US", u"-.0", -0.0},
    {"en_US", u"000001", 1.0},
    {"en_US", u"999999", 999999.0},
    {"en_US", u"0.1", 0.1},
    {"en_US", u"1.3", 1.3},
    {"en_US", u"9007199254740993", 9007199254740992.0},
    {"en_US", u"9007199254740995", 9007199254740996.0},
    {"en_US", kLargestDouble, std::numeric_limits<double>::max()},
    {"en_US", kLargestDouble + u".99", std::numeric_limits<double>::max()},
    {"en_US", u"1," + kLargestDouble.substr(1), std::numeric_limits<double>::max()},
    {"en_US", u"-0" + kLargestDouble, -std::numeric_limits<double>::max()},
    {"en_US", u"1" + std::u16string(308, u'0'), 1e308},
    {"en_US", u"0." + kManyZeros + u"1", 0.0},
    {"en_US", u"-0." + kManyZeros + u"1", -0.0},
    {"en_US", u"0." + std::u16string(323, u'0') + u"49406564584124654",
     std::numeric_limits<double>::denorm_min()},
    {"en_US", kManyZeros + u"7", 7.0},

    {"de_DE", u"0.000", 0.0},
    {"de_DE", u"1.250", 1250.0},
    {"de_DE", u"0,250", 0.25},
    {"de_DE", u",250", 0.25},
    {"de_DE", u"1,5", 1.5},
    {"de_DE", u"1.2,5", 12.5},
    {"de_DE", u"-1.000,5 ", -1000.5},
    {"de_DE", u"+0,", 0.0},

    {"fr_FR", u"1\u202F250", 1250.0},
    {"fr_FR", u"0,5", 0.5},
    {"fr_FR", u" 1\u202F250,5 ", 1250.5},
    {"fr_FR", u"-3\u202F\u202F0", -30.0},
    {"fr_FR", u"1\u202F", 1.0},
};

class AcceptedText : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedText, IsNumberWithItsNearestDouble)
{
    const Accepted &row = GetParam();
    const core::Separators separators = regionSeparators(row.region);
    EXPECT_TRUE(core::IsNumericText(row.text, separators));
    EXPECT_EQ(bitsOf(core::ParseDimension(row.text, separators)), bitsOf(row.value));
}

struct Rejected {
    const char *region;
    std::u16string text;
    Kind kind = Kind::TypeMismatch;
};

std::ostream &operator<<(std::ostream &out, const Rejected &row)
{
    return out << row.region << " \"" << ascii(row.text) << '"';
}

const Rejected kRejected[] = {
    {"en_US", u""},
    {"en_US", u" "},
    {"en_US", u"."},
    {"en_US", u"-"},
    {"en_US", u","},
    {"en_US", u"1.2.3"},
    {"en_US", u"1a"},
    {"en_US", u"a"},
    {"en_US", u",5"},
    {"en_US", u"-,5"},
    {"en_US", u"1.2,5"},
    {"en_US", u"+-5"},
    {"en_US", u"--5"},
    {"en_US", u"5-"},
    {"en_US", u"- 5"},
    {"en_US", u"5 5"},
    {"en_US", u"1 .5"},
    {"en_US", u"1e3"},
    {"en_US", u"0x10"},
    {"en_US", u"inf"},
    {"en_US", u"nan"},
    {"en_US", u"(5)"},
    {"en_US", u"$5"},
    {"en_US", u"\u00A05"},
    {"en_US", u"5\t"},
    {"en_US", u"\uFF15"},
    {"en_US", u"\u0665"},
    {"en_US", kBeyondDoubles, Kind::Overflow},
    {"en_US", u"-" + kBeyondDoubles + u".5", Kind::Overflow},
    {"en_US", kJustBeyondDoubles, Kind::Overflow},
    {"en_US", u"1," + kJustBeyondDoubles.substr(1), Kind::Overflow},
    {"en_US", u"0" + kJustBeyondDoubles + u".0", Kind::Overflow},
    {"en_US", u"2" + std::u16string(308, u'0'), Kind::Overflow},

    {"de_DE", u","},
    {"de_DE", u"."},
    {"de_DE", u".5"},
    {"de_DE", u"1,2,3"},
    {"de_DE", u"1,2.5"},

    {"fr_FR", u"0.000"},
    {"fr_FR", u"1 250"},
    {"fr_FR", u"1\u00A0250"},
    {"fr_FR", u"\u202F5"},
    {"fr_FR", u"0,5\u202F"},
    {"fr_FR", u"\u202F"},
};

class RejectedText : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedText, IsNoNumberAndRaisesItsKind)
{
    const Rejected &row = GetParam();
    const core::Separators separators = regionSeparators(row.region);
    EXPECT_FALSE(core::IsNumericText(row.text, separators));
    const auto error = errorOf([&] { core::ParseDimension(row.text, separators); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), row.kind);
    EXPECT_FALSE(error->description().empty());
}

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row> &info)
{
    return caseName(info.param.region, info.param.text);
}

template <typename Row>
std::string nameField(const testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

std::string regionName(const testing::TestParamInfo<const char *> &info)
{
    return info.param;
}

std::string fileName(const testing::TestParamInfo<std::string> &info)
{
    std::string name = info.param.substr(0, info.param.find('.'));
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Regions, AcceptedText, testing::ValuesIn(kAccepted), rowName<Accepted>);
INSTANTIATE_TEST_SUITE_P(Regions, RejectedText, testing::ValuesIn(kRejected), rowName<Rejected>);

struct Description {
    const char *name;
    std::u16string text;
    std::u16string description;
    std::string utf8;
};

std::ostream &operator<<(std::ostream &out, const Description &row)
{
    return out << row.name;
}

class ErrorDescription : public testing::TestWithParam<Description> {};

TEST_P(ErrorDescription, NamesTheTextInBothEncodings)
{
    const Description &row = GetParam();
    const auto error = errorOf([&] { core::ParseDimension(row.text, regionSeparators("en_US")); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->description(), row.description);
    EXPECT_EQ(std::string(error->what()), row.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ErrorDescription,
    testing::Values(
        Description{"three_parts", u"1.2.3", u"\u201C1.2.3\u201D is not a number.",
                    "\xE2\x80\x9C" "1.2.3\xE2\x80\x9D is not a number."},
        Description{"letter", u"1a", u"\u201C1a\u201D is not a number.",
                    "\xE2\x80\x9C" "1a\xE2\x80\x9D is not a number."},
        Description{"long_text_cut", std::u16string(30, u'x'),
                    u"\u201C" + std::u16string(24, u'x') + u"\u2026\u201D is not a number.",
                    "\xE2\x80\x9C" + std::string(24, 'x') + "\xE2\x80\xA6\xE2\x80\x9D is not a number."},
        // A character beyond the BMP straddling the cut is left out whole.
        Description{"cut_before_a_surrogate_pair", std::u16string(23, u'x') + u"\U0001F600yy",
                    u"\u201C" + std::u16string(23, u'x') + u"\u2026\u201D is not a number.",
                    "\xE2\x80\x9C" + std::string(23, 'x') + "\xE2\x80\xA6\xE2\x80\x9D is not a number."},
        Description{"pair_kept_whole", u"\U0001F600", u"\u201C\U0001F600\u201D is not a number.",
                    "\xE2\x80\x9C\xF0\x9F\x98\x80\xE2\x80\x9D is not a number."},
        Description{"lone_surrogate", u"\xD800", u"\u201C\xD800\u201D is not a number.",
                    "\xE2\x80\x9C\xEF\xBF\xBD\xE2\x80\x9D is not a number."},
        Description{"empty", u"", u"The entry is empty: it is not a number.",
                    "The entry is empty: it is not a number."},
        Description{"blanks", u"   ", u"Blanks alone are not a number.",
                    "Blanks alone are not a number."},
        Description{"other_blanks", u"\t\u00A0\u3000", u"Blanks alone are not a number.",
                    "Blanks alone are not a number."},
        Description{"too_large", kBeyondDoubles, u"The number is too large.",
                    "The number is too large."}),
    nameField<Description>);

// Every text of up to six characters over a small alphabet, in three regions:
// the syntax is checked against a regular expression and the value against
// strtod, both independent of the parser.
class ExhaustiveShortTexts : public testing::TestWithParam<const char *> {};

std::wstring wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

std::wstring escaped(char16_t c)
{
    return c == u'.' || c == u'+' || c == u'-' ? std::wstring{L'\\', static_cast<wchar_t>(c)}
                                               : std::wstring{static_cast<wchar_t>(c)};
}

TEST_P(ExhaustiveShortTexts, AgreeWithTheSyntaxAndStrtod)
{
    const core::Separators separators = regionSeparators(GetParam());
    const std::wregex syntax(L" *[+-]?(?:[0-9](?:[0-9]|" + escaped(separators.group) + L")*)?(?:"
                             + escaped(separators.decimal) + L"[0-9]*)? *");
    const char16_t alphabet[] = {u'0', u'5', u'9', separators.decimal, separators.group,
                                 u' ', u'+', u'-', u'x'};
    constexpr int kSymbols = std::size(alphabet);
    constexpr int kMaxLength = 6;

    long accepted = 0;
    long total = 0;
    std::u16string text;
    for (int length = 0; length <= kMaxLength; ++length) {
        int count = 1;
        for (int i = 0; i < length; ++i)
            count *= kSymbols;
        text.assign(static_cast<std::size_t>(length), u' ');
        for (int index = 0; index < count; ++index) {
            int rest = index;
            for (char16_t &c : text) {
                c = alphabet[rest % kSymbols];
                rest /= kSymbols;
            }
            ++total;

            const bool digit = std::any_of(text.begin(), text.end(),
                                           [](char16_t c) { return c >= u'0' && c <= u'9'; });
            const bool expected = digit && std::regex_match(wide(text), syntax);
            const bool numeric = core::IsNumericText(text, separators);
            ASSERT_EQ(numeric, expected) << '"' << ascii(text) << '"';

            std::optional<double> parsed;
            const auto error = errorOf([&] { parsed = core::ParseDimension(text, separators); });
            ASSERT_EQ(numeric, parsed.has_value()) << '"' << ascii(text) << '"';
            ASSERT_TRUE(!error || error->kind() == Kind::TypeMismatch) << '"' << ascii(text) << '"';
            if (!numeric)
                continue;

            ++accepted;
            std::string plain;
            for (const char16_t c : text) {
                if (c == separators.decimal)
                    plain.push_back('.');
                else if (c != separators.group)
                    plain.push_back(static_cast<char>(c));
            }
            ASSERT_EQ(bitsOf(*parsed), bitsOf(std::strtod(plain.c_str(), nullptr)))
                << '"' << ascii(text) << '"';
        }
    }
    EXPECT_GT(accepted, 10000);
    std::printf("%ld texts, %ld numbers\n", total, accepted);
}

INSTANTIATE_TEST_SUITE_P(Regions, ExhaustiveShortTexts, testing::Values("en_US", "de_DE", "fr_FR"),
                         regionName);

// Public decimal texts with their correctly rounded doubles; the one text
// beyond the doubles must overflow. Each text is also read in a region with
// ',' as its decimal separator.
class ExternalSuite : public testing::TestWithParam<std::string> {};

std::vector<std::string> suiteFiles()
{
    std::vector<std::string> files;
    for (const auto &entry :
         std::filesystem::directory_iterator(BRANTILE_TEST_DATA "/parse-number-fxx")) {
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST_P(ExternalSuite, GivesTheCorrectlyRoundedDouble)
{
    std::ifstream input(BRANTILE_TEST_DATA "/parse-number-fxx/" + GetParam());
    ASSERT_TRUE(input.is_open());
    const core::Separators us = regionSeparators("en_US");
    const core::Separators german = regionSeparators("de_DE");
    const std::string kInfinity = bitsOf(std::numeric_limits<double>::infinity());

    int lines = 0;
    std::string line;
    while (std::getline(input, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty())
            continue;
        ++lines;
        ASSERT_GT(line.size(), 31u);
        std::string expected = line.substr(14, 16);
        for (char &c : expected)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::u16string text(line.begin() + 31, line.end());

        const auto check = [&](const std::u16string &spelled, core::Separators separators) {
            std::optional<double> parsed;
            const auto error = errorOf([&] { parsed = core::ParseDimension(spelled, separators); });
            if (expected == kInfinity)
                return error && error->kind() == Kind::Overflow;
            return parsed && bitsOf(*parsed) == expected;
        };
        ASSERT_TRUE(check(text, us)) << ascii(text).substr(0, 80);
        std::u16string germanText = text;
        std::replace(germanText.begin(), germanText.end(), u'.', u',');
        ASSERT_TRUE(check(germanText, german)) << "German " << ascii(germanText).substr(0, 80);
    }
    EXPECT_GT(lines, 0);
}

INSTANTIATE_TEST_SUITE_P(Files, ExternalSuite, testing::ValuesIn(suiteFiles()), fileName);

} // namespace
