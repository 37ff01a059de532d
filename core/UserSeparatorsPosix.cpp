// The user's separators on Linux and other POSIX systems: LC_NUMERIC as the C
// library gives it to every program of the desktop, read into a locale object
// of its own on each call; the process's locale is never changed.
#include "core/NumericText.h"

#include <cstring>
#include <cwchar>
#include <langinfo.h>
#include <locale.h>

namespace core {

namespace {

// A locale object, freed with its owner.
class Locale {
public:
    explicit Locale(locale_t locale) : m_locale(locale) {}
    ~Locale()
    {
        if (m_locale != locale_t{})
            freelocale(m_locale);
    }
    Locale(const Locale &) = delete;
    Locale &operator=(const Locale &) = delete;

    locale_t get() const { return m_locale; }
    // Adds a category of the named locale; on failure the object stays as it was.
    bool add(int mask, const char *name)
    {
        const locale_t combined = newlocale(mask, name, m_locale);
        if (combined == locale_t{})
            return false;
        m_locale = combined; // newlocale took the old object over
        return true;
    }

private:
    locale_t m_locale;
};

// The name of the locale that the numeric category came from, so that its
// bytes are read in their own character set even where LC_CTYPE names
// another locale.
const char *numericName(locale_t numeric)
{
#ifdef NL_LOCALE_NAME
    return nl_langinfo_l(NL_LOCALE_NAME(LC_NUMERIC), numeric);
#else
    (void)numeric;
    return ""; // the user's LC_CTYPE
#endif
}

// The first character of a multibyte text in the character set of the
// locale's LC_CTYPE, or nothing where the text is empty, cannot be decoded
// or lies beyond the Basic Multilingual Plane.
char16_t firstCharacter(const char *text, locale_t locale)
{
    if (text == nullptr || *text == '\0')
        return u'\0';
    const locale_t previous = uselocale(locale); // this thread alone, for this call
    std::mbstate_t state{};
    wchar_t character = L'\0';
    const std::size_t length = std::mbrtowc(&character, text, std::strlen(text), &state);
    uselocale(previous);
    if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2))
        return u'\0';
    const auto code = static_cast<unsigned long>(character);
    return code > 0xFFFF ? u'\0' : static_cast<char16_t>(code);
}

} // namespace

Separators UserSeparators()
{
    Locale locale(newlocale(LC_NUMERIC_MASK, "", locale_t{}));
    if (locale.get() == locale_t{}) // the environment names a locale this machine lacks
        return {u'.', u'\0'};
    locale.add(LC_CTYPE_MASK, numericName(locale.get())); // else ASCII alone is read
    const char16_t decimal = firstCharacter(nl_langinfo_l(RADIXCHAR, locale.get()), locale.get());
    return {decimal == u'\0' ? u'.' : decimal,
            firstCharacter(nl_langinfo_l(THOUSEP, locale.get()), locale.get())};
}

} // namespace core
