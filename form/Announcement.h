#pragma once

// What a screen reader says of the results after a conversion, in both
// windows: each result as its box shows it, then what it counts. Toolkit-free.

#include <algorithm>
#include <string>
#include <string_view>

namespace form {

// "20 whole turns"; "1 whole turn" and "-1 whole turn" for one.
inline std::u16string SpokenTurns(std::u16string_view turns)
{
    const bool one = turns == u"1" || turns == u"-1";
    return std::u16string(turns) + (one ? u" whole turn" : u" whole turns");
}

// "50. divisions", "37.5 divisions", "1. division", with the separator the box
// shows. The separator alone (no divisions) is said with a 0 before it, "0.
// divisions", so that speech that passes over a lone punctuation mark still
// says a number.
inline std::u16string SpokenDivisions(std::u16string_view divisions)
{
    const bool digits = std::ranges::any_of(divisions, [](char16_t c) {
        return c >= u'0' && c <= u'9';
    });
    std::u16string spoken = digits ? std::u16string() : u"0";
    spoken += divisions;
    const bool one = divisions.size() == 2 && divisions.front() == u'1'
        && (divisions.back() < u'0' || divisions.back() > u'9');
    return spoken + (one ? u" division" : u" divisions");
}

// Both, as one sentence: "20 whole turns and 50. divisions". "and" rather than
// a comma, which in many regions is the decimal separator.
inline std::u16string SpokenResults(std::u16string_view turns, std::u16string_view divisions)
{
    return SpokenTurns(turns) + u" and " + SpokenDivisions(divisions);
}

} // namespace form
