// The user's separators on Windows: the user's own settings, overrides from
// the Control Panel included.
#include "core/NumericText.h"

#include <windows.h>

namespace core {

namespace {

// The first character of a locale setting, or nothing where it is empty or
// cannot be read.
char16_t firstCharacter(LCTYPE type)
{
    wchar_t value[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, value, 8) == 0)
        return u'\0';
    return static_cast<char16_t>(value[0]);
}

} // namespace

Separators UserSeparators()
{
    const char16_t decimal = firstCharacter(LOCALE_SDECIMAL);
    return {decimal == u'\0' ? u'.' : decimal, firstCharacter(LOCALE_STHOUSAND)};
}

} // namespace core
