// Run in a region that BRANTILE_REGION names (a row of the region table),
// with the platform's regional settings set to it: the user's separators and
// the one-argument forms follow it.
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
    const cases::Region *row = cases::RegionNamed(name);
    ASSERT_NE(row, nullptr) << "BRANTILE_REGION names no region of this test";

    const core::Separators separators = core::UserSeparators();
    EXPECT_EQ(separators.decimal, row->decimal) << ascii({&separators.decimal, 1});
    // The French group: a narrow no-break space, or a plain one in older data.
    if (name != "fr_FR" || separators.group != u'\u00A0') {
        EXPECT_EQ(separators.group, row->group) << ascii({&separators.group, 1});
    }

    const cases::Region &r = *row;
    const bool dot = r.decimal == u'.';
    EXPECT_EQ(core::IsNumericText(u",25"), r.decimal == u',');
    EXPECT_EQ(core::IsNumericText(u"1,250"), r.decimal == u',' || r.group == u',');
    EXPECT_EQ(core::IsNumericText(u"1.250"), dot || r.group == u'.');
    if (dot || r.group == u'.') {
        EXPECT_EQ(bitsOf(core::ParseDimension(u"1.250")), bitsOf(dot ? 1.25 : 1250.0));
    }
    if (r.group != u'\0') {
        std::u16string grouped = u"1";
        grouped += separators.group;
        grouped += u"5";
        EXPECT_EQ(bitsOf(core::ParseDimension(grouped)), bitsOf(15.0));
    }
    EXPECT_EQ(core::FormatDivisions(37.5), dot ? u"37.5" : u"37,5");
    EXPECT_EQ(core::FormatTurns(1.5e15), dot ? u"1.5E+15" : u"1,5E+15");
}

} // namespace
