#include "date_time.h"

#include "errors.h"
#include "locale_info.h"
#include "rounding.h"

#include <cmath>

namespace {

// 1899-12-30 counted from 1970-01-01.
constexpr int64_t kEpochShift = -25569;
constexpr double kJulianDayOfZero = 2415018.5;

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

DateParts CivilFromDays(int64_t z)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// Milliseconds into the day; for negative values the fraction still counts forward.
int64_t MillisecondsOfDay(TDateTime value)
{
    const double fraction = std::fabs(value - std::trunc(value));
    int64_t ms = RoundHalfEven64(fraction * kMillisecondsPerDay);
    return ms >= 86400000 ? 86399999 : ms;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (!IsValidDate(year, month, day))
        return false;
    result = static_cast<double>(DaysFromCivil(year, month, day) - kEpochShift);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw Exception(QStringLiteral("Invalid argument to date encode"));
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMillisecondsPerDay;
}

DateParts DecodeDate(TDateTime value)
{
    return CivilFromDays(static_cast<int64_t>(std::trunc(value)) + kEpochShift);
}

TimeParts DecodeTime(TDateTime value)
{
    int64_t ms = MillisecondsOfDay(value);
    TimeParts t;
    t.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    t.second = static_cast<int>(ms % 60);
    ms /= 60;
    t.minute = static_cast<int>(ms % 60);
    t.hour = static_cast<int>(ms / 60);
    return t;
}

TDateTime DateOf(TDateTime value) { return std::trunc(value); }

int DayOfWeek(TDateTime value)
{
    // 1899-12-30 was a Saturday.
    const int64_t days = static_cast<int64_t>(std::trunc(value));
    return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime value, int months)
{
    const DateParts d = DecodeDate(value);
    const int64_t total = static_cast<int64_t>(d.year) * 12 + (d.month - 1) + months;
    const int year = static_cast<int>(total / 12);
    const int month = static_cast<int>(total % 12) + 1;
    const int day = std::min(d.day, DaysInMonth(year, month));
    const double time = value - std::trunc(value);
    return EncodeDate(year, month, day) + time;
}

double DateTimeToJulianDay(TDateTime value) { return value + kJulianDayOfZero; }

TDateTime JulianDayToDateTime(double julianDay) { return julianDay - kJulianDayOfZero; }
