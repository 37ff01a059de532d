#include "ui/ClockText.h"

#include <string_view>

namespace ui {

namespace {

// Calls field(run) for each run of one letter outside quotes and literal(text)
// for everything else, quotes included, and joins what they return.
template <typename Field>
QString rewriteFields(const QString &format, Field field)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        if (!quoted && c.isLetter()) {
            while (i + run < format.size() && format[i + run] == c)
                ++run;
            result += field(format.mid(i, run));
        } else {
            result += c;
        }
        i += run;
    }
    return result;
}

// True for an opening and a closing bracket of the same kind.
bool enclosing(QChar open, QChar close)
{
    static constexpr std::u16string_view kPairs[] = {u"()", u"[]", u"\uFF08\uFF09",
                                                     u"\uFF3B\uFF3D"};
    for (const std::u16string_view pair : kPairs) {
        if (open == pair[0] && close == pair[1])
            return true;
    }
    return false;
}

} // namespace

QString ClockTimeFormat(const QLocale &locale)
{
    constexpr QChar kZone = u'\uFFFF';
    // Qt leaves the day period "B" of zh_TW unformatted; "AP" is its nearest.
    QString format = rewriteFields(locale.timeFormat(QLocale::LongFormat), [](const QString &run) {
        if (run.front() == u't')
            return QString(kZone);
        return run.front() == u'B' ? QStringLiteral("AP") : run;
    });
    // The zone goes with the brackets around it, and with the blanks and the
    // comma that part it from the rest.
    for (qsizetype zone = format.indexOf(kZone); zone >= 0; zone = format.indexOf(kZone)) {
        qsizetype first = zone;
        qsizetype last = zone + 1;
        if (first > 0 && last < format.size() && enclosing(format[first - 1], format[last])) {
            --first;
            ++last;
        }
        while (first > 0 && format[first - 1].isSpace())
            --first;
        if (first > 0 && last == format.size() && format[first - 1] == u',')
            --first;
        if (first == 0) {
            if (last < format.size() && format[last] == u',')
                ++last;
            while (last < format.size() && format[last].isSpace())
                ++last;
        }
        format.remove(first, last - first);
    }
    return format;
}

QString ClockDateFormat(const QLocale &locale)
{
    return rewriteFields(locale.dateFormat(QLocale::ShortFormat), [](const QString &run) {
        return run == u"yy" ? QStringLiteral("yyyy") : run;
    });
}

QString FormatClockTime(QTime time, const QLocale &locale)
{
    return locale.toString(time, ClockTimeFormat(locale));
}

QString FormatClockDate(QDate date, const QLocale &locale)
{
    return locale.toString(date, ClockDateFormat(locale));
}

} // namespace ui
