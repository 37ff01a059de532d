#include "ui/ClockText.h"

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

} // namespace

QString ClockTimeFormat(const QLocale &locale)
{
    constexpr QChar kZone = u'\uFFFF';
    QString format = rewriteFields(locale.timeFormat(QLocale::LongFormat), [](const QString &run) {
        return run.front() == u't' ? QString(kZone) : run;
    });
    // The zone goes with the blanks and brackets around it.
    for (qsizetype zone = format.indexOf(kZone); zone >= 0; zone = format.indexOf(kZone)) {
        qsizetype first = zone;
        qsizetype last = zone + 1;
        if (first > 0 && last < format.size() && format[first - 1] == u'('
            && format[last] == u')') {
            --first;
            ++last;
        }
        while (first > 0 && format[first - 1].isSpace())
            --first;
        if (first == 0)
            while (last < format.size() && format[last].isSpace())
                ++last;
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
