#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace ui {

// A Qt text as the conversion core reads it, without a copy: both are UTF-16.
inline std::u16string_view CoreText(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// A text of the conversion core as Qt shows it.
inline QString FromCore(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

} // namespace ui
