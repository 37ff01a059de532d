// The user's separators through Qt, so that numbers and the Qt window's clock
// follow the same regional settings.
#include "core/NumericText.h"

#include <QLocale>
#include <QString>

namespace core {

Separators UserSeparators()
{
    const QLocale locale = QLocale::system();
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    return {decimal.isEmpty() ? u'.' : decimal.front().unicode(),
            group.isEmpty() ? u'\0' : group.front().unicode()};
}

} // namespace core
