#include "calendar_harness.h"
#include "controls/year_spinner.h"
#include "platform/clock.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window's calendar as a real, active window, driven by synthesized input. Key-down
// events are logged too.
struct InputHarness : CalendarHarness {
    explicit InputHarness(TRzCalendarElements elements = kMainWindowElements)
    {
        calendar.OnKeyDown = [this](QObject*, int& key, Qt::KeyboardModifiers) {
            if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt)
                log << QStringLiteral("KeyDown");
        };
        CreateSized(elements);
        calendar.activateWindow();
        QApplication::processEvents();
    }

    TRzCalendarLayout Layout() const { return calendar.CalcLayout(); }
    QPoint CentreOf(TRzCalendarArea area) const { return Layout()[area].center(); }
    QPoint CentreOf(TDateTime day) const
    {
        return DayCellRect(Layout(), static_cast<int>(day - calendar.FirstDateInGrid())).center();
    }
    // A point of the title's year text, clear of the month area and the arrows.
    QPoint YearPoint() const
    {
        const TRzCalendarLayout layout = Layout();
        return {RightOf(layout[caMonth]) + 2, layout[caYear].center().y()};
    }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(&calendar, button, {}, at); }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(&calendar, button, {}, at); }
    void Click(QPoint at) { QTest::mouseClick(&calendar, Qt::LeftButton, {}, at); }
    // Down, up, the second down as a double click, up: what the window system delivers.
    void DoubleClick(QPoint at)
    {
        Click(at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, calendar.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&calendar, &second);
        Release(at);
    }
    // A move with the left button held.
    void DragTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, calendar.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&calendar, &move);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&calendar, key, modifiers); }
};

struct KeyCase {
    const char* name;
    TDateTime start;  // 0: no day selected
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    TDateTime maxDate;
    TDateTime expected;
    QStringList log;
};

}  // namespace

TEST(CalendarInput, KeysMoveTheSelectedDay)
{
    const TDateTime june30 = Day(2021, 6, 30);
    const KeyCase cases[] = {
        {"Left", june30, Qt::Key_Left, {}, 0, Day(2021, 6, 29), Log({"KeyDown", "Change 2021-06-29"})},
        {"Right into July", june30, Qt::Key_Right, {}, 0, Day(2021, 7, 1),
         Log({"KeyDown", "ViewDateChange 2021-07-01", "Change 2021-07-01"})},
        {"Up", june30, Qt::Key_Up, {}, 0, Day(2021, 6, 23), Log({"KeyDown", "Change 2021-06-23"})},
        {"Down", june30, Qt::Key_Down, {}, 0, Day(2021, 7, 7),
         Log({"KeyDown", "ViewDateChange 2021-07-01", "Change 2021-07-07"})},
        {"Home", june30, Qt::Key_Home, {}, 0, Day(2021, 6, 1), Log({"KeyDown", "Change 2021-06-01"})},
        {"End in a leap February", Day(2020, 2, 10), Qt::Key_End, {}, 0, Day(2020, 2, 29),
         Log({"KeyDown", "Change 2020-02-29"})},
        {"Page Down clamps the day", Day(2021, 1, 31), Qt::Key_PageDown, {}, 0, Day(2021, 2, 28),
         Log({"KeyDown", "ViewDateChange 2021-02-01", "Change 2021-02-28"})},
        {"Page Up", Day(2021, 3, 31), Qt::Key_PageUp, {}, 0, Day(2021, 2, 28),
         Log({"KeyDown", "ViewDateChange 2021-02-01", "Change 2021-02-28"})},
        {"Right beyond the maximum", june30, Qt::Key_Right, {}, june30, june30, Log({"KeyDown"})},
        {"Shift+Right", june30, Qt::Key_Right, Qt::ShiftModifier, 0, june30, Log({"KeyDown"})},
        {"Ctrl+Home", june30, Qt::Key_Home, Qt::ControlModifier, 0, june30, Log({"KeyDown"})},
        {"Right with no day selected picks tomorrow", 0, Qt::Key_Right, {}, 0, Day(2021, 7, 1),
         Log({"KeyDown", "ViewDateChange 2021-07-01", "Change 2021-07-01"})},
        {"Enter only clicks", june30, Qt::Key_Return, {}, 0, june30, Log({"KeyDown", "Click"})},
    };
    for (const KeyCase& c : cases) {
        InputHarness h;
        if (c.start == 0)
            h.calendar.Clear();
        else
            h.calendar.SetDate(c.start);
        h.calendar.SetMaxDate(c.maxDate);
        h.TakeLog();
        h.Key(c.key, c.modifiers);
        EXPECT_EQ(DayText(h.calendar.Date()), DayText(c.expected)) << c.name;
        EXPECT_EQ(h.TakeLog(), c.log) << c.name;
    }
}

TEST(CalendarInput, PageKeysNeedTheMonthElement)
{
    InputHarness h({ceYear, ceDaysOfWeek});
    h.Key(Qt::Key_PageDown);
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
    EXPECT_EQ(h.TakeLog(), Log({"KeyDown"}));
}

TEST(CalendarInput, AKeyDownHandlerCanSwallowTheKey)
{
    InputHarness h;
    h.calendar.OnKeyDown = [](QObject*, int& key, Qt::KeyboardModifiers) { key = 0; };
    h.Key(Qt::Key_Left);
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
}

TEST(CalendarInput, ClickSequences)
{
    {
        InputHarness h;  // press and release on different days: the pressed day counts
        h.Press(h.CentreOf(Day(2021, 6, 10)));
        h.Release(h.CentreOf(Day(2021, 6, 12)));
        EXPECT_EQ(h.TakeLog(), Log({"Change 2021-06-10", "Click"}));
        EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 10));
    }
    {
        InputHarness h;  // released on the title: selected but no click
        h.Press(h.CentreOf(Day(2021, 6, 10)));
        h.Release(h.CentreOf(caMonth));
        EXPECT_EQ(h.TakeLog(), Log({"Change 2021-06-10"}));
        EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 10));
    }
    {
        InputHarness h;  // a day of the next month moves the shown month before the click
        h.Click(h.CentreOf(Day(2021, 7, 1)));
        EXPECT_EQ(h.TakeLog(), Log({"Change 2021-07-01", "ViewDateChange 2021-07-01", "Click"}));
    }
    {
        InputHarness h;  // the selected day again: a click without a change
        h.Click(h.CentreOf(Day(2021, 6, 30)));
        EXPECT_EQ(h.TakeLog(), Log({"Click"}));
    }
    {
        InputHarness h({ceYear, ceMonth, ceDaysOfWeek});  // no filling days: the empty cell is no day
        h.Click(DayCellRect(h.Layout(), 0).center());      // would be 30 May
        EXPECT_TRUE(h.TakeLog().isEmpty());
        EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
    }
    {
        InputHarness h;  // a day beyond the maximum is ignored, click and all
        h.calendar.SetMaxDate(Day(2021, 6, 30));
        h.Click(h.CentreOf(Day(2021, 7, 2)));
        EXPECT_TRUE(h.TakeLog().isEmpty());
    }
}

TEST(CalendarInput, TodayAndClearButtons)
{
    InputHarness h({ceYear, ceMonth, ceDaysOfWeek, ceFillDays, ceTodayButton, ceClearButton});
    h.calendar.SetDate(Day(2021, 5, 3));
    h.TakeLog();
    h.Click(h.CentreOf(caTodayButton));
    EXPECT_EQ(h.TakeLog(), Log({"Today", "ViewDateChange 2021-06-01", "Change 2021-06-30", "Click"}));
    EXPECT_FALSE(h.calendar.ClearClicked());
    h.Click(h.CentreOf(caClearButton));
    EXPECT_EQ(h.TakeLog(), Log({"Clear", "ViewDateChange 2021-06-01", "Change 1899-12-30", "Click"}));
    EXPECT_TRUE(h.calendar.ClearClicked());
    EXPECT_TRUE(h.calendar.IsClear());

    h.calendar.OnToday = [&](QObject*, bool& allow) { h.log << QStringLiteral("Today"); allow = false; };
    h.Click(h.CentreOf(caTodayButton));
    EXPECT_EQ(h.TakeLog(), Log({"Today", "Click"})) << "a refused Today still clicks";
}

TEST(CalendarInput, DoubleClickRaisesOneClickAndADoubleClick)
{
    InputHarness h;
    h.DoubleClick(h.CentreOf(Day(2021, 6, 10)));
    EXPECT_EQ(h.TakeLog(), Log({"Change 2021-06-10", "Click", "DblClick"}));
    h.DoubleClick(h.CentreOf(caMonth));
    h.calendar.MonthPopupMenu()->hide();
    EXPECT_TRUE(h.TakeLog().isEmpty()) << "the title takes no double click";
}

TEST(CalendarInput, RightPressTakesTheFocusOnly)
{
    InputHarness h;
    QWidget other(&h.calendar);
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.setFocus();
    ASSERT_FALSE(h.calendar.hasFocus());
    h.Press(h.CentreOf(Day(2021, 6, 10)), Qt::RightButton);
    h.Release(h.CentreOf(Day(2021, 6, 10)), Qt::RightButton);
    EXPECT_TRUE(h.calendar.hasFocus());
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
    EXPECT_EQ(h.calendar.PressedArea(), caNone);
    EXPECT_TRUE(h.TakeLog().isEmpty());
}

TEST(CalendarInput, APopupCalendarLeavesTheFocusAlone)
{
    InputHarness h;
    h.calendar.SetIsPopup(true);
    h.calendar.clearFocus();
    h.Click(h.CentreOf(Day(2021, 6, 10)));
    EXPECT_FALSE(h.calendar.hasFocus());
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 10));
}

TEST(CalendarInput, HeldArrowRepeatsOnItsSchedule)
{
    InputHarness h;
    h.Press(h.CentreOf(caRightArrow));
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-07-01"})) << "one step at once";
    ManualTimers::Advance(20 * 50);  // 20 ticks: moves at ticks 5, 10, 15 and 20
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-08-01", "ViewDateChange 2021-09-01", "ViewDateChange 2021-10-01",
                                "ViewDateChange 2021-11-01"}));
    ManualTimers::Advance(9000);  // every 100 ms up to 10 s: 90 moves
    EXPECT_EQ(h.TakeLog().size(), 90);
    ManualTimers::Advance(100);  // then every 50 ms
    EXPECT_EQ(h.TakeLog().size(), 2);
    h.Release(h.CentreOf(caRightArrow));
    ManualTimers::Advance(1000);
    EXPECT_TRUE(h.TakeLog().isEmpty()) << "the release stops the repeat";
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30)) << "arrows never change the selected day";
}

TEST(CalendarInput, ArrowRepeatPausesWhileTheMouseIsOffTheArrow)
{
    InputHarness h;
    h.Press(h.CentreOf(caLeftArrow));
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-05-01"}));
    h.DragTo(h.CentreOf(caMonth));
    ManualTimers::Advance(1000);
    EXPECT_TRUE(h.TakeLog().isEmpty());
    h.DragTo(h.CentreOf(caLeftArrow));
    ManualTimers::Advance(100);  // ticks 21 and 22: 22 moves
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-04-01"}));
    h.Release(h.CentreOf(caLeftArrow));
}

TEST(CalendarInput, ArrowStopsAtTheMaximumsMonth)
{
    InputHarness h;
    h.calendar.SetMaxDate(Day(2021, 6, 30));
    h.TakeLog();
    h.Press(h.CentreOf(caRightArrow));
    ManualTimers::Advance(2000);
    h.Release(h.CentreOf(caRightArrow));
    EXPECT_TRUE(h.TakeLog().isEmpty());
    EXPECT_EQ(h.calendar.ViewDate(), Day(2021, 6, 1));
}

TEST(CalendarInput, RightToLeftSwapsTheArrows)
{
    InputHarness h;
    h.calendar.setLayoutDirection(Qt::RightToLeft);
    h.Click(h.CentreOf(caRightArrow));
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-05-01"}));
}

TEST(CalendarInput, HeldButtonLooksPressedOnlyWhileTheMouseIsOnIt)
{
    InputHarness h;
    const QRect button = h.Layout()[caTodayButton];
    h.Press(button.center());
    EXPECT_EQ(h.Render().pixel(button.topLeft()) & 0xFFFFFF, Rgb(clBtnText));
    h.DragTo(h.CentreOf(Day(2021, 6, 10)));
    EXPECT_EQ(h.Render().pixel(button.topLeft()) & 0xFFFFFF, Rgb(cl3DLight));
    h.DragTo(button.center());
    EXPECT_EQ(h.Render().pixel(button.topLeft()) & 0xFFFFFF, Rgb(clBtnText));
    h.Release(h.CentreOf(Day(2021, 6, 10)));
    EXPECT_EQ(h.Render().pixel(button.topLeft()) & 0xFFFFFF, Rgb(cl3DLight));
    EXPECT_EQ(h.TakeLog(), QStringList()) << "released off the button: no Today";
}

TEST(CalendarInput, MonthMenuOpensAtThePressAndShowsTheChosenMonth)
{
    InputHarness h;
    const QPoint at = h.CentreOf(caMonth);
    h.Press(at);
    QMenu* menu = h.calendar.MonthPopupMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), h.calendar.mapToGlobal(at));
    for (QAction* item : menu->actions())
        EXPECT_EQ(item->isChecked(), item->data().toInt() == 6) << item->text().toStdString();
    menu->actions()[8]->trigger();  // September
    menu->hide();
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2021-09-01"}));
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
}

TEST(CalendarInput, YearEditorOpensOverTheYearAndStepsTheView)
{
    InputHarness h;
    h.Press(h.YearPoint());
    h.Release(h.YearPoint());
    TRzYearSpinner* spinner = h.calendar.YearSpinner();
    ASSERT_TRUE(h.calendar.YearSpinnerVisible());
    EXPECT_TRUE(spinner->isVisible());
    EXPECT_TRUE(spinner->hasFocus());
    EXPECT_EQ(spinner->Value(), 2021);
    const TRzCalendarLayout layout = h.Layout();
    const int space = TextWidth(h.calendar.Font(), QStringLiteral(" "));
    const int year = TextWidth(h.calendar.Font(), QStringLiteral("2021"));
    const int left = RightOf(layout[caMonth]) - 18 - space;
    EXPECT_EQ(spinner->geometry(), EdgeRect(left, layout[caYear].top() - 1, left + 2 * space + year + 36,
                                            BottomOf(layout[caYear]) + 1));

    QTest::keyClick(spinner, Qt::Key_Up);
    QTest::keyClick(spinner, Qt::Key_PageDown);
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2022-06-01", "ViewDateChange 2012-06-01"}));
    EXPECT_EQ(spinner->Value(), 2012);
    QTest::keyClick(spinner, Qt::Key_Escape);
    EXPECT_FALSE(h.calendar.YearSpinnerVisible());
    EXPECT_FALSE(spinner->isVisible());
    EXPECT_TRUE(h.calendar.hasFocus());
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
}

TEST(CalendarInput, YearEditorKeepsTheViewWithinTheBounds)
{
    InputHarness h;
    h.calendar.SetMinDate(Day(2015, 3, 10));
    h.calendar.SetMaxDate(Day(2023, 9, 1));
    h.TakeLog();
    h.Press(h.YearPoint());
    TRzYearSpinner* spinner = h.calendar.YearSpinner();
    EXPECT_EQ(spinner->Min(), 2015);
    EXPECT_EQ(spinner->Max(), 2023);
    QTest::keyClick(spinner, Qt::Key_PageDown);  // 2021 - 10 stops at the minimum's month
    QTest::keyClick(spinner, Qt::Key_Down);      // at the minimum year: nothing moves
    QTest::keyClick(spinner, Qt::Key_PageUp);    // 2015 + 10 stops at the maximum's month
    EXPECT_EQ(h.TakeLog(), Log({"ViewDateChange 2015-03-01", "ViewDateChange 2023-09-01"}));
}

TEST(CalendarInput, YearEditorButtonsRepeatWhileHeld)
{
    InputHarness h;
    h.Press(h.YearPoint());
    TRzYearSpinner* spinner = h.calendar.YearSpinner();
    const QPoint up = spinner->UpButtonRect().center();
    QTest::mousePress(spinner, Qt::LeftButton, {}, up);
    EXPECT_EQ(spinner->Value(), 2022);
    ManualTimers::Advance(399);
    EXPECT_EQ(spinner->Value(), 2022);
    ManualTimers::Advance(1);
    EXPECT_EQ(spinner->Value(), 2023);
    ManualTimers::Advance(200);
    EXPECT_EQ(spinner->Value(), 2025);
    QTest::mouseRelease(spinner, Qt::LeftButton, {}, up);
    ManualTimers::Advance(1000);
    EXPECT_EQ(spinner->Value(), 2025);
    EXPECT_EQ(h.calendar.ViewDate(), Day(2025, 6, 1));

    QTest::mouseClick(spinner, Qt::LeftButton, {}, spinner->DownButtonRect().center());
    EXPECT_EQ(h.calendar.ViewDate(), Day(2024, 6, 1));
}

TEST(CalendarInput, YearEditorHidesOnAPressOnTheCalendarOrLostFocus)
{
    InputHarness h;
    h.Press(h.YearPoint());
    h.Release(h.YearPoint());
    ASSERT_TRUE(h.calendar.YearSpinnerVisible());
    h.Press(h.CentreOf(Day(2021, 6, 10)));
    h.Release(h.CentreOf(Day(2021, 6, 10)));
    EXPECT_FALSE(h.calendar.YearSpinnerVisible());
    EXPECT_TRUE(h.calendar.hasFocus());
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30)) << "the hiding press picks no day";

    h.Press(h.YearPoint());
    h.Release(h.YearPoint());
    QWidget other(&h.calendar);
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.setFocus();
    EXPECT_FALSE(h.calendar.YearSpinnerVisible());
    EXPECT_TRUE(other.hasFocus()) << "the focus stays where it went";
}

TEST(CalendarInput, CaptionAcceleratorsRunClearAndToday)
{
    InputHarness h({ceYear, ceMonth, ceDaysOfWeek, ceTodayButton, ceClearButton});
    h.calendar.SetCaptionTodayBtn(QStringLiteral("&Now"));
    h.calendar.SetCaptionClearBtn(QStringLiteral("C&lear"));
    h.calendar.setFocus();
    h.TakeLog();
    h.Key(Qt::Key_L);
    EXPECT_TRUE(h.calendar.IsClear());
    h.Key(Qt::Key_N);
    EXPECT_EQ(h.calendar.Date(), Day(2021, 6, 30));
    EXPECT_EQ(h.TakeLog(), Log({"KeyDown", "Clear", "ViewDateChange 2021-06-01", "Change 1899-12-30", "KeyDown", "Today",
                                "ViewDateChange 2021-06-01", "Change 2021-06-30"}));
    // Alt + the letter works wherever the focus is in the window.
    QWidget other(&h.calendar);
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(h.calendar.IsClear());
    h.calendar.setEnabled(false);
    EXPECT_FALSE(h.calendar.DialogChar(QLatin1Char('l')));
    h.calendar.setEnabled(true);
    h.calendar.SetCaptionClearBtn(QString());
    EXPECT_FALSE(h.calendar.DialogChar(QLatin1Char('l'))) << "the default captions have no accelerators";
}

TEST(CalendarInput, FocusRectangleShowsAfterKeyboardUseAndGoesWithTheFocus)
{
    InputHarness h;
    h.calendar.SetDate(Day(2021, 6, 9));
    h.calendar.setFocus();
    const QRect cell = DayCellRect(h.Layout(), static_cast<int>(Day(2021, 6, 9) - h.calendar.FirstDateInGrid()));
    EXPECT_EQ(h.Render().pixel(cell.topLeft()) & 0xFFFFFF, Rgb(clHighlight)) << "no cues before keyboard use";
    h.Key(Qt::Key_Right);
    h.Key(Qt::Key_Left);
    EXPECT_EQ(h.Render().pixel(cell.topLeft()) & 0xFFFFFF, Rgb(clHighlightText)) << "a dotted focus frame";
    h.calendar.clearFocus();
    EXPECT_EQ(h.Render().pixel(cell.topLeft()) & 0xFFFFFF, Rgb(clHighlight));
}
