#include "core/TurnConversion.h"
#include "tests/Regions.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;
using Kind = core::ConversionError::Kind;

class tst_TurnConversion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void convert_data();
    void convert();
    void convertFails_data();
    void convertFails();
    void formatDivisions_data();
    void formatDivisions();
    void formatTurns_data();
    void formatTurns();
    void divisionsNearTies_data();
    void divisionsNearTies();
};

void tst_TurnConversion::convert_data()
{
    QTest::addColumn<double>("inches");
    QTest::addColumn<double>("wholeTurns");
    QTest::addColumn<double>("divisions");
    QTest::addColumn<QString>("turnsText");
    QTest::addColumn<QString>("divisionsText");

    QTest::newRow("zero") << 0.0 << 0.0 << 0.0 << u"0"_s << u"."_s;
    QTest::newRow("1.25, whole turns only") << 1.25 << 20.0 << 0.0 << u"20"_s << u"."_s;
    QTest::newRow("0.0625, one turn") << 0.0625 << 1.0 << 0.0 << u"1"_s << u"."_s;
    QTest::newRow("0.1") << 0.1 << 1.0 << 37.50000000000001 << u"1"_s << u"37.5"_s;
    QTest::newRow("1.3") << 1.3 << 20.0 << 50.00000000000004 << u"20"_s << u"50."_s;
    QTest::newRow("0.3, noise below") << 0.3 << 4.0 << 49.999999999999986 << u"4"_s << u"50."_s;
    QTest::newRow("0.001") << 0.001 << 0.0 << 1.0 << u"0"_s << u"1."_s;
    QTest::newRow("0.0001") << 0.0001 << 0.0 << 0.1 << u"0"_s << u".1"_s;
    QTest::newRow("12.345") << 12.345 << 197.0 << 32.50000000000064 << u"197"_s << u"32.5"_s;
    QTest::newRow("99.999") << 99.999 << 1599.0 << 61.499999999995225 << u"1599"_s << u"61.5"_s;
    QTest::newRow("999999") << 999999.0 << 15999984.0 << 0.0 << u"15999984"_s << u"."_s;
    QTest::newRow("-0.1, floor below") << -0.1 << -2.0 << 24.999999999999993 << u"-2"_s << u"25."_s;
    QTest::newRow("-0") << -0.0 << -0.0 << 0.0 << u"0"_s << u"."_s;
    QTest::newRow("-1e-20, fraction of one") << -1e-20 << -1.0 << 62.5 << u"-1"_s << u"62.5"_s;
    QTest::newRow("-99999") << -99999.0 << -1599984.0 << 0.0 << u"-1599984"_s << u"."_s;
    QTest::newRow(".99995") << 0.99995 << 15.0 << 62.45 << u"15"_s << u"62.45"_s;
}

void tst_TurnConversion::convert()
{
    QFETCH(double, inches);
    QFETCH(double, wholeTurns);
    QFETCH(double, divisions);
    QFETCH(QString, turnsText);
    QFETCH(QString, divisionsText);

    const core::TurnReading reading = core::ConvertToTurns(inches);
    COMPARE_BITS(reading.wholeTurns, wholeTurns);
    COMPARE_BITS(reading.divisions, divisions);
    const core::Separators us = regionSeparators(u"en_US"_s);
    QCOMPARE(core::FormatTurns(reading.wholeTurns, us), turnsText);
    QCOMPARE(core::FormatDivisions(reading.divisions, us), divisionsText);
}

void tst_TurnConversion::convertFails_data()
{
    QTest::addColumn<double>("inches");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<Kind>("kind");

    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const double largestThatFits = kMax / 1000.0;
    const double justAbove = 1.7976931348623159e305;
    QTest::newRow("DBL_MAX / 1000 fits") << largestThatFits << false << Kind::Overflow;
    QTest::newRow("-DBL_MAX / 1000 fits") << -largestThatFits << false << Kind::Overflow;
    QTest::newRow("just above DBL_MAX / 1000") << justAbove << true << Kind::Overflow;
    QTest::newRow("just below -DBL_MAX / 1000") << -justAbove << true << Kind::Overflow;
    QTest::newRow("DBL_MAX") << kMax << true << Kind::Overflow;
    QTest::newRow("-DBL_MAX") << -kMax << true << Kind::Overflow;
    QTest::newRow("infinity") << kInfinity << true << Kind::Overflow;
    QTest::newRow("-infinity") << -kInfinity << true << Kind::Overflow;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << true << Kind::TypeMismatch;
}

void tst_TurnConversion::convertFails()
{
    QFETCH(double, inches);
    QFETCH(bool, fails);
    QFETCH(Kind, kind);

    try {
        const core::TurnReading reading = core::ConvertToTurns(inches);
        QVERIFY2(!fails, "no error");
        QVERIFY(std::isfinite(reading.wholeTurns));
        QVERIFY(reading.divisions >= 0.0 && reading.divisions <= 62.5);
    } catch (const core::ConversionError &error) {
        QVERIFY2(fails, qPrintable(error.description()));
        QCOMPARE(error.kind(), kind);
    }
}

void tst_TurnConversion::formatDivisions_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *tag, const char *region, double value, const QString &text) {
        QTest::addRow("%s: %s", region, tag) << QString::fromLatin1(region) << value << text;
    };
    row("0", "en_US", 0.0, u"."_s);
    row("50", "en_US", 50.0, u"50."_s);
    row("37.5", "en_US", 37.5, u"37.5"_s);
    row("0.25", "en_US", 0.25, u".25"_s);
    row("0.1", "en_US", 0.1, u".1"_s);
    row("12.3456", "en_US", 12.3456, u"12.346"_s);
    row("61.499999999995225", "en_US", 61.499999999995225, u"61.5"_s);
    row("0.0004", "en_US", 0.0004, u"."_s);
    row("62.5", "en_US", 62.5, u"62.5"_s);
    row("-0", "en_US", -0.0, u"."_s);
    row("-0.0004 rounds to zero", "en_US", -0.0004, u"."_s);
    row("-12.3456", "en_US", -12.3456, u"-12.346"_s);
    row("tie 0.0625 away from zero", "en_US", 0.0625, u".063"_s);
    row("tie -0.0625 away from zero", "en_US", -0.0625, u"-.063"_s);
    row("just below 0.0625", "en_US", std::nextafter(0.0625, 0.0), u".062"_s);
    row("just above 0.0625", "en_US", std::nextafter(0.0625, 1.0), u".063"_s);
    row("tie 0.1875", "en_US", 0.1875, u".188"_s);
    row("tie 0.3125", "en_US", 0.3125, u".313"_s);
    row("tie 62.4375", "en_US", 62.4375, u"62.438"_s);
    row("tie 2^40 + 1/16", "en_US", 0x1p40 + 0.0625, u"1099511627776.063"_s);
    row("tie 2^48 + 1/16", "en_US", 0x1p48 + 0.0625, u"281474976710656.063"_s);
    row("2^49 + 1/8, the last binade in integers", "en_US", 0x1p49 + 0.125,
        u"562949953421312.125"_s);
    row("2^50 + 1/4, past it", "en_US", 0x1p50 + 0.25, u"1125899906842624.25"_s);
    row("1.0005 is below the tie", "en_US", 1.0005, u"1."_s);
    row("0.9995 is above the tie", "en_US", 0.9995, u"1."_s);
    row("0.0005 is above the tie", "en_US", 0.0005, u".001"_s);
    row("61.9996", "en_US", 61.9996, u"62."_s);
    row("62.4449999", "en_US", 62.4449999, u"62.445"_s);
    row("carry into the integer", "en_US", 9.9996, u"10."_s);
    row("smallest subnormal", "en_US", std::numeric_limits<double>::denorm_min(), u"."_s);
    row("1e20 in full", "en_US", 1e20, u"100000000000000000000."_s);
    row("largest double in full", "en_US", std::numeric_limits<double>::max(),
        u"179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026184124858368."_s);

    row("NaN", "en_US", std::numeric_limits<double>::quiet_NaN(), u"NaN"_s);
    row("infinity", "en_US", std::numeric_limits<double>::infinity(), u"Infinity"_s);
    row("-infinity", "en_US", -std::numeric_limits<double>::infinity(), u"-Infinity"_s);
    row("37.5", "de_DE", 37.5, u"37,5"_s);
    row("50", "de_DE", 50.0, u"50,"_s);
    row("0", "de_DE", 0.0, u","_s);
    row("tie 0.0625", "de_DE", 0.0625, u",063"_s);
    row("0.25", "fr_FR", 0.25, u",25"_s);
    row("1e6 without grouping", "fr_FR", 1e6, u"1000000,"_s);
}

void tst_TurnConversion::formatDivisions()
{
    QFETCH(QString, region);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(core::FormatDivisions(value, regionSeparators(region)), text);
}

void tst_TurnConversion::formatTurns_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *tag, const char *region, double value, const QString &text) {
        QTest::addRow("%s: %s", region, tag) << QString::fromLatin1(region) << value << text;
    };
    row("0", "en_US", 0.0, u"0"_s);
    row("-0", "en_US", -0.0, u"0"_s);
    row("20", "en_US", 20.0, u"20"_s);
    row("-2", "en_US", -2.0, u"-2"_s);
    row("15999984 without grouping", "en_US", 15999984.0, u"15999984"_s);
    row("-1599984", "en_US", -1599984.0, u"-1599984"_s);
    row("largest below 1e15", "en_US", 999999999999999.0, u"999999999999999"_s);
    row("below 1e15 rounding up to it", "en_US", 999999999999999.5, u"1E+15"_s);
    row("1e15", "en_US", 1e15, u"1E+15"_s);
    row("-1e15", "en_US", -1e15, u"-1E+15"_s);
    row("1.5e15", "en_US", 1.5e15, u"1.5E+15"_s);
    row("1.6e301", "en_US", 1.6e301, u"1.6E+301"_s);
    row("1234567890123456789", "en_US", 1234567890123456789.0, u"1.23456789012346E+18"_s);
    row("tie at the 16th digit", "en_US", 1000000000000005.0, u"1.00000000000001E+15"_s);
    row("tie 1.0000000000000050e16", "en_US", 10000000000000050.0, u"1.00000000000001E+16"_s);
    row("below a tie", "en_US", 1000000000000004.0, u"1E+15"_s);
    row("fraction below the tie rounds once", "en_US", 1019442243215364.9, u"1.01944224321536E+15"_s);
    row("fraction at the tie", "en_US", 1019442243215365.0, u"1.01944224321537E+15"_s);
    row("carry through the nines", "en_US", 9999999999999998.0, u"1E+16"_s);
    row("largest double", "en_US", std::numeric_limits<double>::max(), u"1.79769313486232E+308"_s);
    row("most negative double", "en_US", -std::numeric_limits<double>::max(),
        u"-1.79769313486232E+308"_s);
    row("NaN", "en_US", std::numeric_limits<double>::quiet_NaN(), u"NaN"_s);
    row("infinity", "en_US", std::numeric_limits<double>::infinity(), u"Infinity"_s);
    row("-infinity", "en_US", -std::numeric_limits<double>::infinity(), u"-Infinity"_s);
    row("1.5e15", "de_DE", 1.5e15, u"1,5E+15"_s);
    row("15999984", "de_DE", 15999984.0, u"15999984"_s);
    row("1.25e20", "fr_FR", 1.25e20, u"1,25E+20"_s);
}

void tst_TurnConversion::formatTurns()
{
    QFETCH(QString, region);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(core::FormatTurns(value, regionSeparators(region)), text);
}

void tst_TurnConversion::divisionsNearTies_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    constexpr int kStep = 250000;
    for (int first = 0; first < 2000000; first += kStep)
        QTest::addRow("k/2000 for k from %d", first) << first << first + kStep;
}

// Every k/2000, the halves of a thousandth and the thousandths themselves, and
// the doubles next to each, against QLocale's 'f' formatting, which rounds
// the exact binary value half away from zero. A larger value never gives a
// smaller text.
void tst_TurnConversion::divisionsNearTies()
{
    QFETCH(int, first);
    QFETCH(int, last);
    const core::Separators us = regionSeparators(u"en_US"_s);
    const QLocale c = QLocale::c();
    double previous = -1.0;
    for (int k = first; k <= last; ++k) {
        const double value = k / 2000.0;
        for (const double x : {std::nextafter(value, 0.0), value, std::nextafter(value, 1e9)}) {
            QString expected = c.toString(x, 'f', 3);
            while (expected.endsWith(u'0'))
                expected.chop(1);
            if (expected.startsWith(u"0."))
                expected.remove(0, 1);
            const QString text = core::FormatDivisions(x, us);
            if (text != expected)
                QFAIL(qPrintable(u"%1: %2, expected %3"_s.arg(x, 0, 'g', 17).arg(text, expected)));
            const double shown = text == u"." ? 0.0 : text.toDouble();
            if (shown < previous)
                QFAIL(qPrintable(u"%1 gives %2, below an earlier text"_s.arg(x, 0, 'g', 17).arg(text)));
            previous = shown;
        }
    }
}

QTEST_APPLESS_MAIN(tst_TurnConversion)
#include "tst_turnconversion.moc"
