#include "win32/ClockText.h"

#include <array>

namespace win32 {

std::wstring ClockTime()
{
    std::array<wchar_t, 128> text = {};
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text.data(),
                    static_cast<int>(text.size()));
    return text.data();
}

std::wstring ClockDate()
{
    std::array<wchar_t, 128> text = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text.data(),
                    static_cast<int>(text.size()), nullptr);
    return text.data();
}

} // namespace win32
