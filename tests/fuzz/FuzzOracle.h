#pragma once

#include "core/NumericText.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <clocale>
#include <cstdlib>
#include <string>
#include <string_view>
#include <locale.h>

// The three regions the fuzzers try, chosen by an input's first byte.
inline core::Separators fuzzRegion(unsigned char selector)
{
    switch (selector % 3) {
    case 0:
        return {u'.', u','};
    case 1:
        return {u',', u'.'};
    default:
        return {u',', u'\u202F'};
    }
}

// A Qt text as the core reads it, and back.
inline std::u16string_view coreText(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

inline QString fromCore(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

// strtod in the C locale: glibc rounds correctly, and knows nothing of
// regions.
inline double referenceStrtod(const QByteArray &ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(ascii.constData(), nullptr, cLocale);
}
