#include "core/TurnConversion.h"
#include "tests/Regions.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

// Run with LC_ALL set to a region: the one-argument forms follow it.
class tst_UserRegion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followsTheRegion();
};

void tst_UserRegion::followsTheRegion()
{
    const QString region = qEnvironmentVariable("LC_ALL").section(u'.', 0, 0);
    QVERIFY2(region == u"de_DE" || region == u"en_US", "LC_ALL names no region of this test");
    const bool german = region == u"de_DE";

    const core::Separators separators = core::UserSeparators();
    QCOMPARE(separators.decimal, german ? u',' : u'.');
    QCOMPARE(separators.group, german ? u'.' : u',');
    QCOMPARE(core::IsNumericText(u",25"_s), german);
    COMPARE_BITS(core::ParseDimension(u"1.250"_s), german ? 1250.0 : 1.25);
    COMPARE_BITS(core::ParseDimension(u"1,5"_s), german ? 1.5 : 15.0);
    QCOMPARE(core::FormatDivisions(37.5), german ? u"37,5"_s : u"37.5"_s);
    QCOMPARE(core::FormatTurns(1.5e15), german ? u"1,5E+15"_s : u"1.5E+15"_s);
}

QTEST_APPLESS_MAIN(tst_UserRegion)
#include "tst_userregion.moc"
