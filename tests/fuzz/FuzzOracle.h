#pragma once

#include "core/NumericText.h"

#include <QByteArray>
#include <QString>

#include <clocale>
#include <cstdlib>
#include <locale.h>

// The three regions the fuzzers try, chosen by an input's first byte.
inline core::Separators fuzzRegion(unsigned char selector)
{
    switch (selector % 3) {
    case 0:
        return {QChar(u'.'), QChar(u',')};
    case 1:
        return {QChar(u','), QChar(u'.')};
    default:
        return {QChar(u','), QChar(u'\u202F')};
    }
}

// strtod in the C locale: glibc rounds correctly, and knows nothing of
// regions.
inline double referenceStrtod(const QByteArray &ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(ascii.constData(), nullptr, cLocale);
}
