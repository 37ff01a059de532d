#pragma once

#include "core/NumericText.h"
#include "tests/EntryCases.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// The separators of the regions the tables are written for, spelled out
// rather than read from any locale data; en_US's for any other.
inline core::Separators regionSeparators(std::string_view region)
{
    const cases::Region *row = cases::RegionNamed(region);
    return row == nullptr ? core::Separators{u'.', u','} : core::Separators{row->decimal, row->group};
}

// A double's bits as hex digits: doubles are compared bit for bit, so that
// the sign of zero counts and no tolerance hides a wrong rounding.
inline std::string bitsOf(double value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
    return text;
}

// A text for a test name or a message, in ASCII: other characters as U+XXXX.
inline std::string ascii(std::u16string_view text)
{
    std::string result;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            result.push_back(static_cast<char>(c));
        } else {
            char code[12];
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(c));
            result += code;
        }
    }
    return result;
}

// A test name made of a region and a text: letters and digits stand as they
// are, other characters are named, long runs are counted, and of more than
// 24 digits in a row the first and last 8 stand with their count.
inline std::string caseName(std::string_view region, std::u16string_view text)
{
    std::string name(region);
    name += '_';
    if (text.empty())
        return name + "empty";
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    for (std::size_t i = 0; i < text.size();) {
        std::size_t digits = 0;
        while (i + digits < text.size() && isDigit(text[i + digits]))
            ++digits;
        if (digits > 24) {
            const auto ascii = [&](std::size_t from) {
                std::string eight;
                for (const char16_t digit : text.substr(from, 8))
                    eight += static_cast<char>(digit);
                return eight;
            };
            name += ascii(i) + "_" + std::to_string(digits) + "digits_" + ascii(i + digits - 8);
            i += digits;
            continue;
        }
        std::size_t run = 1;
        while (i + run < text.size() && text[i + run] == text[i])
            ++run;
        const char16_t c = text[i];
        std::string symbol;
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            symbol = static_cast<char>(c);
        else if (c == u' ')
            symbol = "_sp_";
        else if (c == u'.')
            symbol = "_dot_";
        else if (c == u',')
            symbol = "_comma_";
        else if (c == u'-')
            symbol = "_minus_";
        else if (c == u'+')
            symbol = "_plus_";
        else
            symbol = "_u" + std::to_string(static_cast<unsigned>(c)) + "_";
        if (run > 4) {
            name += symbol + "x" + std::to_string(run) + "_";
        } else {
            for (std::size_t k = 0; k < run; ++k)
                name += symbol;
        }
        i += run;
    }
    return name;
}

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
