// The user's separators through the C++ library's own locale of the
// environment (LC_ALL, LC_NUMERIC, LANG), for builds without the Qt window.
#include "core/NumericText.h"

#include <locale>
#include <stdexcept>

namespace core {

Separators UserSeparators()
{
    try {
        // The facet lives as long as the locale that holds it.
        const std::locale user("");
        const auto &punctuation = std::use_facet<std::numpunct<wchar_t>>(user);
        const auto decimal = static_cast<char16_t>(punctuation.decimal_point());
        const bool grouped = !punctuation.grouping().empty();
        return {decimal == u'\0' ? u'.' : decimal,
                grouped ? static_cast<char16_t>(punctuation.thousands_sep()) : u'\0'};
    } catch (const std::runtime_error &) {
        // The environment names a region that this machine does not have.
        return {u'.', u'\0'};
    }
}

} // namespace core
