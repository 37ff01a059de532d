// Any double: FormatDivisions and FormatTurns write the expected shapes, and
// reading a text back gives the value rounded on its exact binary value, half
// away from zero, as QLocale's own formatting rounds it.
#include "core/TurnConversion.h"
#include "tests/fuzz/FuzzOracle.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void fail(double value, const QString &text, const char *why)
{
    std::fprintf(stderr, "%.17g gives \"%s\": %s\n", value, qPrintable(text), why);
    std::abort();
}

double readBack(QString text, QChar decimal)
{
    text.replace(decimal, u'.');
    return referenceStrtod(text.toLatin1());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1 + sizeof(double))
        return 0;
    const core::Separators separators = fuzzRegion(data[0]);
    double value = 0;
    std::memcpy(&value, data + 1, sizeof value);

    const QString divisions = fromCore(core::FormatDivisions(value, separators));
    const QString turns = fromCore(core::FormatTurns(value, separators));
    if (!std::isfinite(value))
        return 0;

    const QString decimal = QRegularExpression::escape(QString(QChar(separators.decimal)));
    const QLocale c = QLocale::c();

    static const QString divisionsShape = u"-?(?:[1-9][0-9]*)?%1(?:[0-9]{0,2}[1-9])?"_s;
    if (!QRegularExpression(QRegularExpression::anchoredPattern(divisionsShape.arg(decimal))).match(divisions).hasMatch())
        fail(value, divisions, "not the shape of the divisions");
    if (divisions.startsWith(u'-') && divisions.size() == 2)
        fail(value, divisions, "a signed zero");
    if (readBack(divisions, separators.decimal) != readBack(c.toString(value, 'f', 3), u'.'))
        fail(value, divisions, "not rounded to three decimals half away from zero");

    if (std::fabs(value) < 1e15 && std::fabs(std::round(value)) < 1e15) {
        QString expected = c.toString(value, 'f', 0);
        if (expected == u"-0")
            expected = u"0"_s;
        if (turns != expected)
            fail(value, turns, "not the integer's digits");
    } else {
        static const QString turnsShape = u"-?[1-9](?:%1[0-9]{0,13}[1-9])?E\\+[0-9]{2,3}"_s;
        if (!QRegularExpression(QRegularExpression::anchoredPattern(turnsShape.arg(decimal))).match(turns).hasMatch())
            fail(value, turns, "not the shape of the exponent form");
        if (readBack(turns, separators.decimal) != readBack(c.toString(value, 'e', 14), u'.'))
            fail(value, turns, "not rounded to 15 digits half away from zero");
    }
    return 0;
}
