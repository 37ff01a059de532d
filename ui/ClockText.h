#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace ui {

// The locale's long time format (the one with seconds) without its time-zone
// field: "h:mm:ss AP" in the United States, "HH:mm:ss" in Germany.
QString ClockTimeFormat(const QLocale &locale);

// The locale's short date format with a two-digit year widened to four:
// "M/d/yyyy" in the United States, "dd.MM.yyyy" in Germany.
QString ClockDateFormat(const QLocale &locale);

// A time of day as the clock shows it.
QString FormatClockTime(QTime time, const QLocale &locale);

// A date as the clock shows it.
QString FormatClockDate(QDate date, const QLocale &locale);

} // namespace ui
