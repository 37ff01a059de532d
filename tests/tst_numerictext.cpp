#include "core/NumericText.h"
#include "tests/Regions.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using Kind = core::ConversionError::Kind;

namespace {

// The error a call throws, or nothing.
template <typename Call>
std::optional<core::ConversionError> errorOf(Call call)
{
    try {
        call();
    } catch (const core::ConversionError &error) {
        return error;
    }
    return std::nullopt;
}

// A row tag in ASCII: blanks and other characters named, long runs counted.
QString tagOf(const QString &text)
{
    QString tag;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype run = 1;
        while (i + run < text.size() && text[i + run] == text[i])
            ++run;
        const QChar c = text[i];
        QString symbol = c == u' ' ? u"<sp>"_s
            : (c.unicode() < 0x21 || c.unicode() > 0x7E)
            ? u"<U+%1>"_s.arg(c.unicode(), 4, 16, QChar(u'0')).toUpper()
            : QString(c);
        tag += run > 4 ? u"%1{%2}"_s.arg(symbol).arg(run) : symbol.repeated(run);
        i += run;
    }
    return u"\"%1\""_s.arg(tag.size() > 60 ? tag.left(28) + u"..."_s + tag.right(28) : tag);
}

const QString kManyZeros = QString(400, u'0');
const QString kBeyondDoubles = u"1"_s + QString(309, u'0');

} // namespace

class tst_NumericText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void descriptionNamesTheText_data();
    void descriptionNamesTheText();
    void exhaustiveShortTexts_data();
    void exhaustiveShortTexts();
    void externalSuite_data();
    void externalSuite();
};

void tst_NumericText::accepted_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    const auto row = [](const char *region, const QString &text, double value) {
        QTest::addRow("%s: %s", region, qPrintable(tagOf(text))) << QString::fromLatin1(region)
                                                                << text << value;
    };
    row("en_US", u"0.000"_s, 0.0);
    row("en_US", u"1.250"_s, 1.25);
    row("en_US", u"0.250"_s, 0.25);
    row("en_US", u".250"_s, 0.25);
    row("en_US", u"0."_s, 0.0);
    row("en_US", u"5"_s, 5.0);
    row("en_US", u"-5"_s, -5.0);
    row("en_US", u"+5"_s, 5.0);
    row("en_US", u" 5 "_s, 5.0);
    row("en_US", u"1,250"_s, 1250.0);
    row("en_US", u"1,2,5,0"_s, 1250.0);
    row("en_US", u"1,,250"_s, 1250.0);
    row("en_US", u"1,"_s, 1.0);
    row("en_US", u"1,.5"_s, 1.5);
    row("en_US", u"  -0.5  "_s, -0.5);
    row("en_US", u"-0"_s, -0.0);
    row("en_US", u"-.0"_s, -0.0);
    row("en_US", u"000001"_s, 1.0);
    row("en_US", u"999999"_s, 999999.0);
    row("en_US", u"0.1"_s, 0.1);
    row("en_US", u"1.3"_s, 1.3);
    row("en_US", u"9007199254740993"_s, 9007199254740992.0);
    row("en_US", u"9007199254740995"_s, 9007199254740996.0);
    row("en_US", u"179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497791"_s,
        std::numeric_limits<double>::max());
    row("en_US", u"0."_s + kManyZeros + u"1"_s, 0.0);
    row("en_US", u"-0."_s + kManyZeros + u"1"_s, -0.0);
    row("en_US", u"0."_s + QString(323, u'0') + u"49406564584124654"_s,
        std::numeric_limits<double>::denorm_min());
    row("en_US", kManyZeros + u"7"_s, 7.0);

    row("de_DE", u"0.000"_s, 0.0);
    row("de_DE", u"1.250"_s, 1250.0);
    row("de_DE", u"0,250"_s, 0.25);
    row("de_DE", u",250"_s, 0.25);
    row("de_DE", u"1,5"_s, 1.5);
    row("de_DE", u"1.2,5"_s, 12.5);
    row("de_DE", u"-1.000,5 "_s, -1000.5);
    row("de_DE", u"+0,"_s, 0.0);

    row("fr_FR", u"1\u202F250"_s, 1250.0);
    row("fr_FR", u"0,5"_s, 0.5);
    row("fr_FR", u" 1\u202F250,5 "_s, 1250.5);
    row("fr_FR", u"-3\u202F\u202F0"_s, -30.0);
    row("fr_FR", u"1\u202F"_s, 1.0);
}

void tst_NumericText::accepted()
{
    QFETCH(QString, region);
    QFETCH(QString, text);
    QFETCH(double, value);
    const core::Separators separators = regionSeparators(region);

    QVERIFY(core::IsNumericText(text, separators));
    COMPARE_BITS(core::ParseDimension(text, separators), value);
}

void tst_NumericText::rejected_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");

    const auto row = [](const char *region, const QString &text, Kind kind = Kind::TypeMismatch) {
        QTest::addRow("%s: %s", region, qPrintable(tagOf(text))) << QString::fromLatin1(region)
                                                                << text << kind;
    };
    row("en_US", QString());
    row("en_US", u" "_s);
    row("en_US", u"."_s);
    row("en_US", u"-"_s);
    row("en_US", u","_s);
    row("en_US", u"1.2.3"_s);
    row("en_US", u"1a"_s);
    row("en_US", u"a"_s);
    row("en_US", u",5"_s);
    row("en_US", u"-,5"_s);
    row("en_US", u"1.2,5"_s);
    row("en_US", u"+-5"_s);
    row("en_US", u"--5"_s);
    row("en_US", u"5-"_s);
    row("en_US", u"- 5"_s);
    row("en_US", u"5 5"_s);
    row("en_US", u"1 .5"_s);
    row("en_US", u"1e3"_s);
    row("en_US", u"0x10"_s);
    row("en_US", u"inf"_s);
    row("en_US", u"nan"_s);
    row("en_US", u"(5)"_s);
    row("en_US", u"$5"_s);
    row("en_US", u"\u00A05"_s);
    row("en_US", u"5\t"_s);
    row("en_US", u"\uFF15"_s);
    row("en_US", u"\u0665"_s);
    row("en_US", kBeyondDoubles, Kind::Overflow);
    row("en_US", u"-"_s + kBeyondDoubles + u".5"_s, Kind::Overflow);
    row("en_US", u"179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497792"_s,
        Kind::Overflow);

    row("de_DE", u","_s);
    row("de_DE", u"."_s);
    row("de_DE", u".5"_s);
    row("de_DE", u"1,2,3"_s);
    row("de_DE", u"1,2.5"_s);

    row("fr_FR", u"0.000"_s);
    row("fr_FR", u"1 250"_s);
    row("fr_FR", u"1\u00A0250"_s);
    row("fr_FR", u"\u202F5"_s);
    row("fr_FR", u"0,5\u202F"_s);
    row("fr_FR", u"\u202F"_s);
}

void tst_NumericText::rejected()
{
    QFETCH(QString, region);
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    const core::Separators separators = regionSeparators(region);

    QVERIFY(!core::IsNumericText(text, separators));
    const auto error = errorOf([&] { core::ParseDimension(text, separators); });
    QVERIFY(error.has_value());
    QCOMPARE(error->kind(), kind);
    QVERIFY(!error->description().isEmpty());
    QCOMPARE(QString::fromUtf8(error->what()), error->description());
}

void tst_NumericText::descriptionNamesTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");

    QTest::newRow("three parts") << u"1.2.3"_s << u"\u201C1.2.3\u201D is not a number."_s;
    QTest::newRow("letter") << u"1a"_s << u"\u201C1a\u201D is not a number."_s;
    QTest::newRow("long text cut") << QString(30, u'x')
                                   << u"\u201C"_s + QString(24, u'x') + u"\u2026\u201D is not a number."_s;
    QTest::newRow("empty") << QString() << u"The entry is empty: it is not a number."_s;
    QTest::newRow("blanks") << u"   "_s << u"Blanks alone are not a number."_s;
    QTest::newRow("too large") << kBeyondDoubles << u"The number is too large."_s;
}

void tst_NumericText::descriptionNamesTheText()
{
    QFETCH(QString, text);
    QFETCH(QString, description);
    const auto error = errorOf([&] { core::ParseDimension(text, regionSeparators(u"en_US"_s)); });
    QVERIFY(error.has_value());
    QCOMPARE(error->description(), description);
}

void tst_NumericText::exhaustiveShortTexts_data()
{
    QTest::addColumn<QString>("region");
    QTest::newRow("en_US") << u"en_US"_s;
    QTest::newRow("de_DE") << u"de_DE"_s;
    QTest::newRow("fr_FR") << u"fr_FR"_s;
}

// Every text of up to six characters over a small alphabet: the syntax is
// checked against a regular expression and the value against strtod in the C
// locale, both independent of the parser.
void tst_NumericText::exhaustiveShortTexts()
{
    QFETCH(QString, region);
    const core::Separators separators = regionSeparators(region);
    const QString decimal = QRegularExpression::escape(QString(separators.decimal));
    const QString group = QRegularExpression::escape(QString(separators.group));
    const QRegularExpression syntax(QRegularExpression::anchoredPattern(u" *[+-]?(?:[0-9](?:[0-9]|%1)*)?(?:%2[0-9]*)? *"_s.arg(group, decimal)));
    QVERIFY(syntax.isValid());
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    QVERIFY(cLocale != nullptr);

    const QChar alphabet[] = {u'0', u'5', u'9', separators.decimal, separators.group,
                              u' ', u'+', u'-', u'x'};
    constexpr int kSymbols = std::size(alphabet);
    constexpr int kMaxLength = 6;
    qsizetype accepted = 0;
    qsizetype total = 0;
    for (int length = 0; length <= kMaxLength; ++length) {
        int count = 1;
        for (int i = 0; i < length; ++i)
            count *= kSymbols;
        QString text(length, u' ');
        for (int index = 0; index < count; ++index) {
            for (int i = 0, rest = index; i < length; ++i, rest /= kSymbols)
                text[i] = alphabet[rest % kSymbols];
            ++total;

            const bool expected = syntax.match(text).hasMatch()
                && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
            const bool numeric = core::IsNumericText(text, separators);
            if (numeric != expected)
                QFAIL(qPrintable(u"\"%1\": IsNumericText says %2"_s.arg(text).arg(numeric)));

            std::optional<double> parsed;
            const auto error = errorOf([&] { parsed = core::ParseDimension(text, separators); });
            if (numeric != parsed.has_value()
                || (error && error->kind() != Kind::TypeMismatch))
                QFAIL(qPrintable(u"\"%1\": IsNumericText and ParseDimension disagree"_s.arg(text)));
            if (!numeric)
                continue;

            ++accepted;
            QString plain = text;
            plain.remove(separators.group).replace(separators.decimal, u'.');
            const double reference = strtod_l(plain.toLatin1().constData(), nullptr, cLocale);
            if (bitsOf(*parsed) != bitsOf(reference))
                QFAIL(qPrintable(u"\"%1\": %2, strtod gives %3"_s.arg(text).arg(*parsed).arg(reference)));
        }
    }
    freelocale(cLocale);
    QVERIFY(accepted > 10000);
    qInfo("%lld texts, %lld numbers", static_cast<long long>(total), static_cast<long long>(accepted));
}

void tst_NumericText::externalSuite_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(QStringLiteral(BRANTILE_TEST_DATA "/parse-number-fxx"));
    const QStringList files = dir.entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
}

// Public decimal texts with their correctly rounded doubles; the one text
// beyond the doubles must overflow. Each text is also read in a region with
// ',' as its decimal separator.
void tst_NumericText::externalSuite()
{
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly | QIODevice::Text));
    const core::Separators us = regionSeparators(u"en_US"_s);
    const core::Separators german = regionSeparators(u"de_DE"_s);
    constexpr std::uint64_t kInfinityBits = 0x7FF0000000000000;

    int lines = 0;
    while (!input.atEnd()) {
        const QString line = QString::fromLatin1(input.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        ++lines;
        bool ok = false;
        const std::uint64_t bits = line.mid(14, 16).toULongLong(&ok, 16);
        QVERIFY(ok);
        const QString text = line.mid(31);

        const auto check = [&](const QString &spelled, core::Separators separators) {
            std::optional<double> parsed;
            const auto error = errorOf([&] { parsed = core::ParseDimension(spelled, separators); });
            if (bits == kInfinityBits)
                return error && error->kind() == Kind::Overflow;
            return parsed && bitsOf(*parsed) == bits;
        };
        if (!check(text, us))
            QFAIL(qPrintable(u"%1: wrong value for \"%2\""_s.arg(file, text.left(80))));
        if (!check(QString(text).replace(u'.', u','), german))
            QFAIL(qPrintable(u"%1: wrong value for German \"%2\""_s.arg(file, text.left(80))));
    }
    QVERIFY(lines > 0);
}

QTEST_APPLESS_MAIN(tst_NumericText)
#include "tst_numerictext.moc"
