#pragma once

#include "platform/date_time.h"

#include <cstdint>
#include <vector>

// Date arithmetic of the month calendar, free of any widget.

// The calendar keeps whole days: the integral part, truncated toward zero.
TDateTime WholeDay(TDateTime value);
TDateTime StartOfMonth(TDateTime value);
// Moves by whole months (day kept, clamped); false when that leaves the years 1 to 9999.
bool TryIncMonth(TDateTime value, int months, TDateTime& result);

enum class TRangeResult { Inside, Above, Below };
// A date (time part included) against whole-day bounds; 0 means no bound.
TRangeResult RangeTest(TDateTime value, TDateTime minDate, TDateTime maxDate);
// Whether a first-of-month lies within the months of the bounds.
bool MonthInRange(TDateTime monthStart, TDateTime minDate, TDateTime maxDate);

// The top-left date of the 6 x 7 grid showing the month that starts on `monthStart`, with
// `firstDay` (0 = Monday ... 6 = Sunday) in the first column. The first row always holds at least
// one day of the previous month.
TDateTime FirstDateInGrid(TDateTime monthStart, int firstDay);

// Bit d - 1 set for each day number d from 1 to 31; other numbers are ignored.
uint32_t DaysToBitmask(const std::vector<int>& days);

int IsoWeekNumber(TDateTime value);
