#include "calendar_harness.h"
#include "platform/clock.h"
#include "platform/locale_info.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The message of the calendar error an action raises; empty when it raises none.
QString CalendarErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ERzCalendarError& e) {
        return e.Message();
    }
    return {};
}

}  // namespace

TEST(CalendarModel, WindowCreationSetsTheMonthAndRaisesViewChangeThenChange)
{
    CalendarHarness h;
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
    EXPECT_EQ(h.calendar.ViewDate(), 0);
    EXPECT_TRUE(h.log.isEmpty());

    h.calendar.show();
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-06-01", "Change 2021-06-30"}));
    h.calendar.hide();
    h.calendar.show();
    EXPECT_TRUE(h.TakeLog().isEmpty()) << "showing again creates no new window";

    h.calendar.RecreateWnd();
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-06-01", "Change 2021-06-30"}));
}

struct TriggerCase {
    const char* name;
    std::function<void(TRzCalendar&)> trigger;
    QStringList expected;
};

TEST(CalendarModel, EventOrderPerTrigger)
{
    const TriggerCase cases[] = {
        {"Date to a day of another month", [](TRzCalendar& c) { c.SetDate(Day(2021, 7, 5)); },
         Log({"ViewDateChange 2021-07-01", "Change 2021-07-05"})},
        {"Date to a day of the shown month", [](TRzCalendar& c) { c.SetDate(Day(2021, 6, 10)); },
         Log({"Change 2021-06-10"})},
        {"Date to the same day at another time", [](TRzCalendar& c) { c.SetDate(Day(2021, 6, 30) + 0.75); }, {}},
        {"ViewDate to another month", [](TRzCalendar& c) { c.SetViewDate(Day(2021, 8, 15)); },
         Log({"ViewDateChange 2021-08-01"})},
        {"ViewDate within the shown month", [](TRzCalendar& c) { c.SetViewDate(Day(2021, 6, 3)); }, {}},
        // Today and Clear always re-set the month, even when nothing moves.
        {"Today while today is selected", [](TRzCalendar& c) { c.Today(); },
         Log({"Today", "ViewDateChange 2021-06-01", "Change 2021-06-30"})},
        {"Clear", [](TRzCalendar& c) { c.Clear(); },
         Log({"Clear", "ViewDateChange 2021-06-01", "Change 1899-12-30"})},
        {"FirstDayOfWeek", [](TRzCalendar& c) { c.SetFirstDayOfWeek(fdowMonday); },
         Log({"ViewDateChange 2021-06-01", "Change 2021-06-30"})},
    };
    for (const TriggerCase& c : cases) {
        CalendarHarness h;
        h.Create();
        c.trigger(h.calendar);
        EXPECT_EQ(h.TakeLog(), c.expected) << c.name;
    }
}

TEST(CalendarModel, RefusedTodayAndClearChangeNothing)
{
    CalendarHarness h;
    h.Create();
    h.calendar.SetDate(Day(2021, 5, 3));
    h.TakeLog();
    h.calendar.OnToday = [&](QObject*, bool& allow) { h.log << QStringLiteral("Today"); allow = false; };
    h.calendar.OnClear = [&](QObject*, bool& allow) { h.log << QStringLiteral("Clear"); allow = false; };
    h.calendar.Today();
    h.calendar.Clear();
    EXPECT_EQ(h.TakeLog(), Log({"Today", "Clear"}));
    EXPECT_EQ(h.calendar.Date(), Day(2021, 5, 3));
    EXPECT_FALSE(h.calendar.IsClear());
}

TEST(CalendarModel, ClearLeavesNoDaySelectedAndShowsTheCurrentMonth)
{
    CalendarHarness h;
    h.Create();
    h.calendar.SetDate(Day(2020, 2, 10));
    h.calendar.Clear();
    EXPECT_TRUE(h.calendar.IsClear());
    EXPECT_EQ(h.calendar.Date(), 0);
    EXPECT_EQ(h.calendar.ViewDate(), Day(2021, 6, 1));
}

TEST(CalendarModel, DatesAreKeptAsWholeDays)
{
    CalendarHarness h;
    h.Create();
    h.calendar.SetDate(Day(2021, 7, 1) + 0.75);  // 18:00
    EXPECT_EQ(h.calendar.Date(), Day(2021, 7, 1));
    h.calendar.SetMinDate(Day(2021, 6, 2) + 0.5);
    EXPECT_EQ(h.calendar.MinDate(), Day(2021, 6, 2));
}

TEST(CalendarModel, DatesOutsideTheBoundsRaiseWithTheBoundAsShortDate)
{
    CalendarHarness h;
    h.Create();
    h.calendar.SetMaxDate(Day(2021, 6, 30));
    h.calendar.SetMinDate(Day(2021, 6, 1));
    h.TakeLog();
    EXPECT_EQ(CalendarErrorOf([&] { h.calendar.SetDate(Day(2021, 7, 1)); }),
              QStringLiteral("Date exceeds maximum of 6/30/2021"));
    EXPECT_EQ(CalendarErrorOf([&] { h.calendar.SetDate(Day(2021, 5, 31)); }),
              QStringLiteral("Date is less than minimum of 6/1/2021"));
    // Crossed bounds are refused the same way.
    EXPECT_THROW(h.calendar.SetMinDate(Day(2021, 7, 1)), ERzCalendarError);
    EXPECT_THROW(h.calendar.SetMaxDate(Day(2021, 5, 1)), ERzCalendarError);
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
    EXPECT_EQ(h.calendar.MinDate(), Day(2021, 6, 1));
    EXPECT_EQ(h.calendar.MaxDate(), Day(2021, 6, 30));
    EXPECT_TRUE(h.TakeLog().isEmpty());
}

TEST(CalendarModel, TheBoundsInTheJapaneseLocaleMessage)
{
    SetCurrentLocale(JapaneseLocale());
    CalendarHarness h;
    h.calendar.SetMaxDate(Day(2021, 6, 30));
    EXPECT_EQ(CalendarErrorOf([&] { h.calendar.SetDate(Day(2021, 7, 1)); }),
              QStringLiteral("Date exceeds maximum of 2021/06/30"));
}

TEST(CalendarModel, NewBoundsClampTheSelectedDaySilently)
{
    CalendarHarness h;
    h.Create();
    h.calendar.SetMaxDate(Day(2021, 6, 15));
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 15));
    EXPECT_EQ(h.TakeLog(), Log({"Change 2021-06-15"}));

    h.calendar.SetMaxDate(0);
    h.calendar.SetMinDate(Day(2021, 7, 10));
    EXPECT_EQ(h.calendar.Date(), Day(2021, 7, 10));
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-07-01", "Change 2021-07-10"}));

    // With no day selected nothing is clamped.
    h.calendar.SetMinDate(0);
    h.calendar.Clear();
    h.TakeLog();
    h.calendar.SetMinDate(Day(2021, 8, 1));
    EXPECT_TRUE(h.calendar.IsClear());
    EXPECT_TRUE(h.TakeLog().isEmpty());
}

TEST(CalendarModel, TheShownMonthStaysWithinTheMonthsOfTheBounds)
{
    CalendarHarness h;
    h.Create();
    h.calendar.SetDate(Day(2021, 5, 20));
    h.calendar.SetMaxDate(Day(2021, 6, 15));
    h.TakeLog();
    h.calendar.SetViewDate(Day(2021, 6, 20));  // June is still within the maximum's month
    EXPECT_EQ(h.calendar.ViewDate(), Day(2021, 6, 1));
    h.calendar.SetViewDate(Day(2021, 7, 1));
    EXPECT_EQ(h.calendar.ViewDate(), Day(2021, 6, 1));
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-06-01"}));
    EXPECT_EQ(h.calendar.Date(), Day(2021, 5, 20)) << "the shown month never moves the selected day";
}

TEST(CalendarModel, TodayOutsideTheBoundsIsNotSelected)
{
    CalendarHarness h;
    h.Create();
    h.calendar.SetDate(Day(2021, 6, 10));
    h.calendar.SetMaxDate(Day(2021, 6, 20));
    h.TakeLog();
    h.calendar.Today();
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 10));
    EXPECT_EQ(h.TakeLog(), Log({"Today"}));

    // Today on the maximum itself is fine, although now is later in the day.
    h.calendar.SetMaxDate(Day(2021, 6, 30));
    h.calendar.Today();
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
}

TEST(CalendarModel, AFailingChangeHandlerStillKeepsTheNewDay)
{
    CalendarHarness h;
    h.Create();
    h.calendar.OnChange = [](QObject*) { throw Exception(QStringLiteral("handler failed")); };
    EXPECT_THROW(h.calendar.SetDate(Day(2021, 8, 2)), Exception);
    EXPECT_EQ(h.calendar.Date(), Day(2021, 8, 2));
    EXPECT_EQ(h.calendar.ViewDate(), Day(2021, 8, 1));
    EXPECT_EQ(h.calendar.FirstDateInGrid(), Day(2021, 8, 1) - 7) << "the grid follows the month";
}

struct GridCase {
    TDateTime month;
    TRzFirstDayOfWeek firstDay;
    TDateTime expected;
};

TEST(CalendarModel, GridStartsOnTheFirstWeekdayBeforeTheMonth)
{
    const GridCase cases[] = {
        {Day(2021, 6, 1), fdowMonday, Day(2021, 5, 31)},  // 1 June is a Tuesday
        {Day(2021, 2, 1), fdowMonday, Day(2021, 1, 25)},  // starts on Monday: a whole row of January
        {Day(2021, 8, 1), fdowSunday, Day(2021, 7, 25)},  // starts on Sunday: a whole row of July
        {Day(2021, 6, 1), fdowSunday, Day(2021, 5, 30)},
        {Day(2021, 6, 1), fdowWednesday, Day(2021, 5, 26)},
    };
    for (const GridCase& c : cases) {
        CalendarHarness h;
        h.Create();
        h.calendar.SetFirstDayOfWeek(c.firstDay);
        h.calendar.SetViewDate(c.month);
        EXPECT_EQ(DayText(h.calendar.FirstDateInGrid()), DayText(c.expected))
            << DayText(c.month) << " first day " << c.firstDay;
    }
}

TEST(CalendarModel, LocaleFirstDayIsReadWhenTheWindowIsCreated)
{
    SetCurrentLocale(LocaleFor(QStringLiteral("de-DE")));  // weeks start on Monday
    CalendarHarness h;
    h.Create();
    EXPECT_EQ(h.calendar.FirstDayOfWeek(), fdowLocale);
    EXPECT_EQ(h.calendar.FirstDateInGrid(), Day(2021, 5, 31));

    SetCurrentLocale(EnglishLocale());  // weeks start on Sunday
    h.calendar.SetFirstDayOfWeek(fdowLocale);
    EXPECT_EQ(h.calendar.FirstDateInGrid(), Day(2021, 5, 30));
}

TEST(CalendarModel, DaysToBitmaskIgnoresNumbersOutsideAMonth)
{
    EXPECT_EQ(TRzCalendar::DaysToBitmask({1, 15, 31, 0, 40}), (1u << 0) | (1u << 14) | (1u << 30));
    EXPECT_EQ(TRzCalendar::DaysToBitmask({-3, 32}), 0u);
}

TEST(CalendarModel, MonthMenuListsTheLongMonthNamesWithTheirNumbers)
{
    CalendarHarness h;
    const QList<QAction*> items = h.calendar.MonthPopupMenu()->actions();
    ASSERT_EQ(items.size(), 12);
    EXPECT_EQ(items[0]->text(), QStringLiteral("January"));
    EXPECT_EQ(items[11]->text(), QStringLiteral("December"));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(items[i]->data().toInt(), i + 1);
}

TEST(CalendarModel, TodayTimerRepaintsOnlyWhenTheDayChanges)
{
    CalendarHarness h;
    int formatted = 0;
    h.calendar.OnGetDayFormat = [&](QObject*, TDateTime, uint16_t, uint16_t, uint16_t, TColor&, TColor&,
                                    TFontStyles&) { ++formatted; };
    h.Create();
    QApplication::processEvents();
    formatted = 0;

    ManualTimers::Advance(1000);
    QApplication::processEvents();
    EXPECT_EQ(formatted, 0) << "same day: no repaint";

    SetClock([] { return Day(2021, 7, 1) + 0.0001; });
    ManualTimers::Advance(999);
    QApplication::processEvents();
    EXPECT_EQ(formatted, 0) << "the tick is not due yet";
    ManualTimers::Advance(1);
    QApplication::processEvents();
    EXPECT_EQ(formatted, kGridCells) << "the new day repaints the whole grid";
}

TEST(CalendarModel, HitTestFindsDrawableDayCells)
{
    CalendarHarness h;
    h.CreateSized(kMainWindowElements);
    const TRzCalendarLayout layout = h.calendar.CalcLayout();
    const QPoint firstCell = DayCellRect(layout, 0).center();
    const QPoint tenthOfJune = DayCellRect(layout, 11).center();  // grid starts Sunday 30 May
    EXPECT_EQ(h.calendar.HitTest(tenthOfJune.x(), tenthOfJune.y()), Day(2021, 6, 10));
    EXPECT_EQ(h.calendar.HitTest(firstCell.x(), firstCell.y()), Day(2021, 5, 30));
    EXPECT_EQ(h.calendar.HitTest(layout[caYear].center().x(), layout[caYear].center().y()), 0);

    h.calendar.SetElements({ceYear, ceMonth, ceDaysOfWeek});
    const TRzCalendarLayout bare = h.calendar.CalcLayout();
    const QPoint may30 = DayCellRect(bare, 0).center();
    EXPECT_EQ(h.calendar.HitTest(may30.x(), may30.y()), 0) << "days of other months are not drawn";
}
