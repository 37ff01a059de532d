#pragma once

#include <string>

namespace form {

// The advice that follows a failed conversion in the notice, its two examples
// written with the user's decimal separator, so that following it to the
// letter gives a dimension in inches in every region.
inline std::u16string FailureAdvice(char16_t decimal)
{
    std::u16string advice = u"Type a dimension such as 1";
    advice += decimal;
    advice += u"250 or 0";
    advice += decimal;
    advice += u"250.";
    return advice;
}

} // namespace form
