// Run in a region that BRANTILE_REGION names (en_US, de_DE or fr_FR), with the
// platform's regional settings set to it: the user's separators and the
// one-argument forms follow it.
#include "core/TurnConversion.h"
#include "tests/core/Regions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string region()
{
    const char *name = std::getenv("BRANTILE_REGION");
    return name == nullptr ? std::string() : std::string(name);
}

TEST(UserRegion, SeparatorsAndOneArgumentFormsFollowIt)
{
    const std::string name = region();
    ASSERT_TRUE(name == "en_US" || name == "de_DE" || name == "fr_FR")
        << "BRANTILE_REGION names no region of this test";
    const bool us = name == "en_US";

    const core::Separators separators = core::UserSeparators();
    EXPECT_EQ(separators.decimal, us ? u'.' : u',');
    if (name == "fr_FR") {
        // A narrow or a plain no-break space, as the platform's data has it.
        EXPECT_TRUE(separators.group == u'\u202F' || separators.group == u'\u00A0')
            << ascii({&separators.group, 1});
    } else {
        EXPECT_EQ(separators.group, us ? u',' : u'.');
    }

    EXPECT_EQ(core::IsNumericText(u",25"), !us);
    EXPECT_EQ(core::IsNumericText(u"1.250"), name != "fr_FR");
    if (name != "fr_FR") {
        EXPECT_EQ(bitsOf(core::ParseDimension(u"1.250")), bitsOf(us ? 1.25 : 1250.0));
    }
    std::u16string grouped = u"1";
    grouped += separators.group;
    grouped += u"5";
    EXPECT_EQ(bitsOf(core::ParseDimension(grouped)), bitsOf(15.0));
    EXPECT_EQ(core::FormatDivisions(37.5), us ? u"37.5" : u"37,5");
    EXPECT_EQ(core::FormatTurns(1.5e15), us ? u"1.5E+15" : u"1,5E+15");
}

} // namespace
