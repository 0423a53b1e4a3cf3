#include "calendar_harness.h"
#include "controls/month_calendar_layout.h"

#include <gtest/gtest.h>

namespace {

// The main window's calendar: 161 x 159, sunken 2-pixel frame, Tahoma 8 pt ("0" is 6 x 13), with
// text widths chosen round so that every expected edge below can be followed by hand.
TRzCalendarMetrics MainWindowMetrics()
{
    TRzCalendarMetrics m;
    m.clientRect = QRect(0, 0, 161, 159);
    m.frame = QMargins(2, 2, 2, 2);
    m.elements = kMainWindowElements;
    m.charSize = QPoint(6, 13);
    m.todayBtnWidth = 30;
    m.clearBtnWidth = 26;
    m.titleWidth = 61;
    m.yearWidth = 24;
    return m;
}

}  // namespace

TEST(CalendarLayout, TahomaEightPointMeasuresTheDesignedZero)
{
    CalendarHarness h;
    EXPECT_EQ(h.calendar.Metrics().charSize, QPoint(6, 13));
}

TEST(CalendarLayout, NaturalSize)
{
    TRzCalendarMetrics m = MainWindowMetrics();
    EXPECT_EQ(NaturalSize(m, {}), QSize(143, 159));
    m.elements = {};
    EXPECT_EQ(NaturalSize(m, {}), QSize(18 * 6 + 35, 4 + 6 * 13 + 13));
    m.elements = {ceWeekNumbers, ceTodayButton, ceClearButton};
    m.todayBtnWidth = 80;  // wide captions widen the calendar
    EXPECT_EQ(NaturalSize(m, {}), QSize(34 + 80 + 26 + 5 + 24, 4 + 91 + 30));
    m.showDays = false;
    m.elements = {ceMonth};
    EXPECT_EQ(NaturalSize(m, {77, 500}), QSize(77, 4 + 18)) << "without days the width is the caller's";
}

TEST(CalendarLayout, TheMainWindowCalendarAutoSizesToItsNaturalSize)
{
    CalendarHarness h;
    h.calendar.SetElements(kMainWindowElements);
    EXPECT_EQ(h.calendar.size(), QSize(143, 159));
    EXPECT_EQ(h.calendar.minimumSize(), QSize(143, 159));
    int width = 400, height = 400;
    EXPECT_TRUE(h.calendar.CanAutoSize(width, height));
    EXPECT_EQ(QSize(width, height), QSize(143, 159));
}

TEST(CalendarLayout, MainWindowCalendarRectangles)
{
    const TRzCalendarLayout layout = CalcLayout(MainWindowMetrics());
    // Title: the row inside the frame, 13 + 5 high.
    EXPECT_EQ(layout[caYear], EdgeRect(2, 2, 159, 20));
    // The year starts at the middle (2 + 157 div 2) plus the title's right half (61 - 30) less "2021".
    EXPECT_EQ(layout[caMonth], EdgeRect(2, 2, 87, 20));
    EXPECT_EQ(layout[caLeftArrow], EdgeRect(2, 2, 20, 20));
    EXPECT_EQ(layout[caRightArrow], EdgeRect(141, 2, 159, 20));
    // Side margins 2 * 6 - 1 and 2 * 6 + 1; buttons row from 157 - 13 - 18 = 126.
    // Cells: (146 - 13) div 7 = 19 wide, (127 - 20 - 2) div 7 = 15 high.
    EXPECT_EQ(layout.cellSize, QPoint(19, 15));
    EXPECT_EQ(layout[caDaysOfWeek], EdgeRect(13, 20, 146, 35));
    EXPECT_EQ(layout[caDays], EdgeRect(13, 37, 146, 127));
    // Today: 30 + 17 by 13 + 7, centred in the row (13, 126, 146, 157).
    EXPECT_EQ(layout[caTodayButton], EdgeRect(56, 131, 103, 151));
    for (TRzCalendarArea absent : {caWeekNumbers, caClearButton, caFillDays})
        EXPECT_TRUE(layout[absent].isEmpty()) << absent;
    EXPECT_EQ(DayCellRect(layout, 0), QRect(13, 36, 19, 15));
    EXPECT_EQ(DayTextRect(layout, 8), QRect(32, 51, 17, 15));
}

TEST(CalendarLayout, BothButtonsWeekNumbersAndRightToLeft)
{
    TRzCalendarMetrics m = MainWindowMetrics();
    m.elements = {ceWeekNumbers, ceTodayButton, ceClearButton};
    TRzCalendarLayout layout = CalcLayout(m);
    // No title: the grid starts at the frame. Row split at (13 + 146 - 30 - 26 - 5) div 2 + 30 = 79.
    EXPECT_EQ(layout[caTodayButton], EdgeRect(22, 131, 69, 151));   // centred in 13..79
    EXPECT_EQ(layout[caClearButton], EdgeRect(93, 131, 136, 151));  // centred in 84..146
    EXPECT_EQ(layout[caWeekNumbers], EdgeRect(13, 2, 35, 127));
    // (146 - 35) div 7 = 15 wide; without the weekday row (127 - 2 - 1) div 6 = 20 high.
    EXPECT_EQ(layout[caDays], EdgeRect(35, 2, 146, 127));
    EXPECT_EQ(layout.cellSize, QPoint(15, 20));

    m.rightToLeft = true;
    const TRzCalendarLayout mirrored = CalcLayout(m);
    EXPECT_EQ(mirrored[caTodayButton], layout[caClearButton]);
    EXPECT_EQ(mirrored[caClearButton], layout[caTodayButton]);
}

TEST(CalendarLayout, AreasAreFoundButtonsAndArrowsFirst)
{
    const TRzCalendarLayout layout = CalcLayout(MainWindowMetrics());
    struct {
        QPoint point;
        TRzCalendarArea expected;
    } const cases[] = {
        {{5, 5}, caLeftArrow},     // the arrow wins over the month area
        {{150, 10}, caRightArrow}, // and over the year area
        {{40, 10}, caMonth},
        {{87, 10}, caYear},        // the year area begins where the month's ends
        {{60, 25}, caDaysOfWeek},
        {{60, 40}, caDays},
        {{60, 140}, caTodayButton},
        {{20, 140}, caNone},       // beside the button
        {{5, 60}, caNone},         // in the side margin
        {{146, 60}, caNone},       // right edges lie outside
    };
    for (const auto& c : cases)
        EXPECT_EQ(AreaAt(layout, c.point), c.expected) << c.point.x() << "," << c.point.y();
}
