#pragma once

#include "controls/enum_set.h"
#include "platform/date_time.h"
#include "platform/errors.h"

#include <QPoint>
#include <QRect>
#include <array>

enum TRzCalendarElement {
    ceYear, ceMonth, ceArrows, ceWeekNumbers, ceDaysOfWeek, ceFillDays, ceTodayButton, ceClearButton
};
using TRzCalendarElements = TEnumSet<TRzCalendarElement>;

enum TRzFirstDayOfWeek {
    fdowMonday, fdowTuesday, fdowWednesday, fdowThursday, fdowFriday, fdowSaturday, fdowSunday, fdowLocale
};

// Hit areas of the calendar. caFillDays is never hit; it stands for "no area".
enum TRzCalendarArea {
    caYear, caMonth, caLeftArrow, caRightArrow, caWeekNumbers, caDays, caDaysOfWeek, caFillDays,
    caTodayButton, caClearButton
};
constexpr int kCalendarAreaCount = 10;
constexpr TRzCalendarArea caNone = caFillDays;

// The layout: one rectangle per area in client coordinates (empty when the area is absent), and
// the size of one day cell.
struct TRzCalendarLayout {
    std::array<QRect, kCalendarAreaCount> areas{};
    QPoint cellSize;

    const QRect& operator[](TRzCalendarArea area) const { return areas[area]; }
    QRect& operator[](TRzCalendarArea area) { return areas[area]; }
};

constexpr int kGridRows = 6;
constexpr int kGridColumns = 7;
constexpr int kGridCells = kGridRows * kGridColumns;

class ERzCalendarError : public Exception {
public:
    using Exception::Exception;
};
