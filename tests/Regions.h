#pragma once

#include "core/NumericText.h"

#include <QString>
#include <QtTest>

#include <bit>
#include <cstdint>

// The separators of the regions the tables are written for, spelled out here
// rather than read from Qt's locale data.
inline core::Separators regionSeparators(const QString &region)
{
    if (region == u"de_DE")
        return {QChar(u','), QChar(u'.')};
    if (region == u"fr_FR")
        return {QChar(u','), QChar(u'\u202F')};
    return {QChar(u'.'), QChar(u',')};
}

inline std::uint64_t bitsOf(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

// Doubles compared bit for bit (QCOMPARE on doubles is fuzzy and blind to the
// sign of zero).
#define COMPARE_BITS(actual, expected)                                                           \
    QCOMPARE(QString::number(bitsOf(actual), 16), QString::number(bitsOf(expected), 16))

Q_DECLARE_METATYPE(core::ConversionError::Kind)
