#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace form {

// How one text became another: the part that was removed at a position and
// the part that was put there, found from the longest common start and end.
struct Difference {
    std::size_t at;
    std::u16string_view removed;  // of the first text
    std::u16string_view inserted; // of the second
};

constexpr Difference DifferenceOf(std::u16string_view before, std::u16string_view after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start])
        ++start;
    std::size_t end = 0;
    while (end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return {start, before.substr(start, before.size() - start - end),
            after.substr(start, after.size() - start - end)};
}

} // namespace form
