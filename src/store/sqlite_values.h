#pragma once

#include "platform/date_time.h"

#include <QByteArray>
#include <QString>
#include <optional>

// How date-time values travel to and from SQLite text.

// A parameter date-time as TEXT: "yyyy-mm-dd" for a whole day, else with the time to the
// millisecond ("yyyy-mm-dd hh:nn:ss.zzz").
QString DateTimeParamText(TDateTime value);

// Reading a "datetime" column. Text in the year-first or day-first form (with an optional time),
// a decimal number read as a Julian day, INTEGER and REAL as Julian days; anything else, or a
// result with a zero year, month or day, is NULL (nullopt).
std::optional<TDateTime> DateTimeFromText(const QByteArray& text);
TDateTime DateTimeFromJulianDay(double julianDay);
