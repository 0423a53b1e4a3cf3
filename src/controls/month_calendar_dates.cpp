#include "month_calendar_dates.h"

#include <cmath>

TDateTime WholeDay(TDateTime value) { return std::trunc(value); }

TDateTime StartOfMonth(TDateTime value)
{
    const DateParts d = DecodeDate(value);
    return EncodeDate(d.year, d.month, 1);
}

bool TryIncMonth(TDateTime value, int months, TDateTime& result)
{
    const DateParts d = DecodeDate(value);
    const int total = d.year * 12 + (d.month - 1) + months;
    if (total < 12 || total >= 10000 * 12)
        return false;
    result = IncMonth(value, months);
    return true;
}

TRangeResult RangeTest(TDateTime value, TDateTime minDate, TDateTime maxDate)
{
    if (maxDate != 0 && value > maxDate)
        return TRangeResult::Above;
    if (minDate != 0 && value < minDate)
        return TRangeResult::Below;
    return TRangeResult::Inside;
}

bool MonthInRange(TDateTime monthStart, TDateTime minDate, TDateTime maxDate)
{
    if (maxDate != 0 && StartOfMonth(maxDate) < monthStart)
        return false;
    return !(minDate != 0 && monthStart < StartOfMonth(minDate));
}

TDateTime FirstDateInGrid(TDateTime monthStart, int firstDay)
{
    const TDateTime lastOfPrevious = monthStart - 1;
    const int weekday = DayOfWeek(lastOfPrevious);  // 1 = Sunday ... 7 = Saturday
    return lastOfPrevious - ((weekday + 5 - firstDay) % 7);
}

uint32_t DaysToBitmask(const std::vector<int>& days)
{
    uint32_t mask = 0;
    for (int day : days)
        if (day >= 1 && day <= 31)
            mask |= uint32_t(1) << (day - 1);
    return mask;
}

int IsoWeekNumber(TDateTime value)
{
    const TDateTime day = WholeDay(value);
    const int isoWeekday = (DayOfWeek(day) + 5) % 7 + 1;  // 1 = Monday ... 7 = Sunday
    const TDateTime thursday = day - isoWeekday + 4;
    const TDateTime yearStart = EncodeDate(DecodeDate(thursday).year, 1, 1);
    return static_cast<int>(thursday - yearStart) / 7 + 1;
}
