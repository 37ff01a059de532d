// Any text in any of three regions: IsNumericText and ParseDimension agree
// with each other and with a regular expression of the syntax, and an accepted
// text gives the double that strtod gives.
#include "tests/fuzz/FuzzOracle.h"

#include <QRegularExpression>

#include <algorithm>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const core::Separators separators = fuzzRegion(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                           static_cast<qsizetype>(size - 1));

    const QString syntax = u" *[+-]?(?:[0-9](?:[0-9]|%1)*)?(?:%2[0-9]*)? *"_s.arg(
        QRegularExpression::escape(QString(QChar(separators.group))),
        QRegularExpression::escape(QString(QChar(separators.decimal))));
    const bool digit = std::any_of(text.cbegin(), text.cend(),
                                   [](QChar c) { return c >= u'0' && c <= u'9'; });
    const bool inSyntax = digit && QRegularExpression(QRegularExpression::anchoredPattern(syntax)).match(text).hasMatch();

    const bool numeric = core::IsNumericText(coreText(text), separators);
    QString plain = text;
    plain.remove(QChar(separators.group)).replace(QChar(separators.decimal), u'.');
    const double reference = inSyntax ? referenceStrtod(plain.toLatin1()) : 0.0;
    try {
        const double value = core::ParseDimension(coreText(text), separators);
        if (!numeric || !inSyntax || std::isinf(reference)
            || std::bit_cast<std::uint64_t>(value) != std::bit_cast<std::uint64_t>(reference)) {
            std::fprintf(stderr, "accepted %s as %.17g, reference %.17g\n", qPrintable(text), value,
                         reference);
            std::abort();
        }
    } catch (const core::ConversionError &error) {
        const bool overflow = error.kind() == core::ConversionError::Kind::Overflow;
        if (numeric || overflow != (inSyntax && std::isinf(reference))
            || (!overflow && inSyntax)) {
            std::fprintf(stderr, "rejected %s: %s\n", qPrintable(text), error.what());
            std::abort();
        }
    }
    return 0;
}
