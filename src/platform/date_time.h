#pragma once

#include <QString>

struct LocaleInfo;

// Days since 1899-12-30; the fraction is the time of day. A whole value is a calendar day.
using TDateTime = double;

constexpr double kMillisecondsPerDay = 86400000.0;
constexpr double kHoursPerDay = 24.0;

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Throws Exception for a day that does not exist (years 1..9999).
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value);

// The calendar day of a value, time of day dropped.
TDateTime DateOf(TDateTime value);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);
// Moves by whole months, keeping the day (clamped to the month's length) and the time.
TDateTime IncMonth(TDateTime value, int months);

// Julian day numbers as SQLite counts them: days begin at noon.
double DateTimeToJulianDay(TDateTime value);
TDateTime JulianDayToDateTime(double julianDay);

// Formats with the letters the program uses (case-insensitive): yyyy/yy, m..mmmm (minutes right
// after an hour letter), d..dddd, aaa/aaaa, h/hh, n/nn, s/ss, z/zzz; everything else is copied.
QString FormatDateTime(const QString& format, TDateTime value, const LocaleInfo& locale);
QString FormatDateTime(const QString& format, TDateTime value);
