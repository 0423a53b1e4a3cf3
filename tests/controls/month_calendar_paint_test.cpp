#include "calendar_harness.h"
#include "controls/weekday_captions.h"
#include "platform/locale_info.h"
#include "platform/style_colors.h"
#include "platform/visual_styles.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

TFontDesc Bold(TFontDesc font)
{
    font.style = fsBold;
    return font;
}

// The main window's calendar (161 x 159), 10 June 2021 selected; today is 30 June 2021.
struct PaintHarness : CalendarHarness {
    explicit PaintHarness(TRzCalendarElements elements = kMainWindowElements)
    {
        CreateSized(elements);
        calendar.SetDate(Day(2021, 6, 10));
        TakeLog();
    }

    // The full cell of a day (the text rectangle widened by its 2-pixel gap).
    QRect Cell(TDateTime day) const
    {
        return DayCellRect(calendar.CalcLayout(), static_cast<int>(day - calendar.FirstDateInGrid()));
    }

    // The width of a day's number as painted: bold numbers are wider.
    int DayTextWidth(TDateTime day)
    {
        const QRect cell = Cell(day);
        for (const RecordedText& t : Texts())
            if (cell.contains(t.bounds.center().toPoint()))
                return qRound(t.bounds.width());
        return -1;
    }

    std::vector<RecordedText> Texts()
    {
        QImage image(calendar.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        std::vector<RecordedText> texts;
        calendar.PaintTo(painter, &texts);
        return texts;
    }
};

int Distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// Pixels of text drawn in `ink` over `background`: smoothed edges count when they are nearer the
// ink than the background.
int CountInk(const QImage& image, const QRect& area, QRgb ink, QRgb background)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            count += Distance(pixel, ink) < Distance(pixel, background);
        }
    return count;
}

int CountInk(const QImage& image, const QRect& area, QRgb ink) { return CountInk(image, area, ink, Rgb(clWindow)); }
int CountOnSelection(const QImage& image, const QRect& area, QRgb ink)
{
    return CountInk(image, area, ink, Rgb(clHighlight));
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

QStringList TextsIn(const std::vector<RecordedText>& texts, const QRect& area)
{
    QStringList found;
    for (const RecordedText& t : texts)
        if (area.contains(t.bounds.center().toPoint()))
            found << t.text;
    return found;
}

void ColourWeekends(TRzCalendar& calendar)
{
    calendar.OnGetDayFormat = [](QObject*, TDateTime day, uint16_t, uint16_t, uint16_t, TColor&, TColor& fontColor,
                                 TFontStyles&) {
        if (DayOfWeek(day) == 1)
            fontColor = clRed;
        else if (DayOfWeek(day) == 7)
            fontColor = clBlue;
    };
}

}  // namespace

TEST(CalendarPaint, SelectedDayIsFilledAndTodayIsFramed)
{
    PaintHarness h;
    const QImage image = h.Render();

    const QRect selected = h.Cell(Day(2021, 6, 10));
    EXPECT_EQ(At(image, selected.left() + 1, selected.top() + 1), Rgb(clHighlight));
    EXPECT_EQ(At(image, selected.right(), selected.bottom()), Rgb(clHighlight)) << "the fill covers the gap too";
    EXPECT_GT(CountOnSelection(image, selected, Rgb(clHighlightText)), 10) << "the number in the selected colour";

    const QRect today = h.Cell(Day(2021, 6, 30));
    for (QPoint corner : {today.topLeft(), today.bottomRight(), QPoint(today.right(), today.top())})
        EXPECT_EQ(At(image, corner.x(), corner.y()), Rgb(clMaroon));
    EXPECT_EQ(At(image, today.left() + 1, today.top() + 1), Rgb(clWindow));

    const QRect plain = h.Cell(Day(2021, 6, 9));
    EXPECT_EQ(At(image, plain.left(), plain.top()), Rgb(clWindow));
    EXPECT_GT(CountInk(image, plain, Rgb(clWindowText)), 10);
}

TEST(CalendarPaint, TodayIsFramedOnTheSelectedDayAndAmongOtherMonthsDays)
{
    PaintHarness h;
    h.calendar.SetDate(Day(2021, 6, 30));
    QImage image = h.Render();
    QRect today = h.Cell(Day(2021, 6, 30));
    EXPECT_EQ(At(image, today.left(), today.top()), Rgb(clMaroon));
    EXPECT_EQ(At(image, today.left() + 1, today.top() + 1), Rgb(clHighlight));

    h.calendar.SetViewDate(Day(2021, 7, 1));  // 30 June is now a filling day in July's first row
    image = h.Render();
    today = h.Cell(Day(2021, 6, 30));
    ASSERT_LT(Day(2021, 6, 30) - h.calendar.FirstDateInGrid(), 7);
    EXPECT_EQ(At(image, today.left(), today.top()), Rgb(clMaroon));
}

TEST(CalendarPaint, DayColourFillsTheWholeCellWhenItDiffersFromTheBackground)
{
    PaintHarness h;
    h.calendar.OnGetDayFormat = [](QObject*, TDateTime day, uint16_t, uint16_t, uint16_t d, TColor& color, TColor&,
                                   TFontStyles&) {
        if (d == 15 && day == Day(2021, 6, 15))
            color = clYellow;
        if (d == 16)
            color = clWindow;  // the calendar's own colour: no fill
    };
    const QImage image = h.Render();
    const QRect yellow = h.Cell(Day(2021, 6, 15));
    EXPECT_EQ(At(image, yellow.left(), yellow.top()), Rgb(clYellow));
    EXPECT_EQ(At(image, yellow.right(), yellow.bottom()), Rgb(clYellow));
    EXPECT_EQ(At(image, yellow.right() + 1, yellow.top()), Rgb(clWindow)) << "the next cell is untouched";
    const QRect same = h.Cell(Day(2021, 6, 16));
    EXPECT_EQ(At(image, same.left(), same.top()), Rgb(clWindow));
}

TEST(CalendarPaint, HandlerColoursReachEveryDrawnDayButTheSelectedOne)
{
    PaintHarness h;
    ColourWeekends(h.calendar);
    QImage image = h.Render();
    EXPECT_GT(CountInk(image, h.Cell(Day(2021, 6, 6)), Rgb(clRed)), 10) << "a Sunday";
    EXPECT_GT(CountInk(image, h.Cell(Day(2021, 6, 12)), Rgb(clBlue)), 10) << "a Saturday";
    EXPECT_GT(CountInk(image, h.Cell(Day(2021, 7, 3)), Rgb(clBlue)), 10) << "a Saturday of the next month";
    EXPECT_GT(CountInk(image, h.Cell(Day(2021, 7, 1)), Rgb(clBtnShadow)), 10) << "other days of July";

    h.calendar.SetDate(Day(2021, 6, 13));  // a Sunday
    image = h.Render();
    const QRect selected = h.Cell(Day(2021, 6, 13));
    EXPECT_EQ(CountOnSelection(image, selected, Rgb(clRed)), 0);
    EXPECT_GT(CountOnSelection(image, selected, Rgb(clHighlightText)), 10);
}

TEST(CalendarPaint, SelectedDayKeepsTheHandlersFontStyle)
{
    PaintHarness h;
    h.calendar.OnGetDayFormat = [](QObject*, TDateTime, uint16_t, uint16_t, uint16_t, TColor&, TColor& fontColor,
                                   TFontStyles& style) {
        fontColor = clRed;
        style = fsBold;
    };
    EXPECT_EQ(h.DayTextWidth(Day(2021, 6, 10)), TextWidth(Bold(h.calendar.Font()), QStringLiteral("10")));
    const QImage image = h.Render();
    const QRect selected = h.Cell(Day(2021, 6, 10));
    EXPECT_EQ(CountOnSelection(image, selected, Rgb(clRed)), 0);
    EXPECT_GT(CountOnSelection(image, selected, Rgb(clHighlightText)), 10);
}

TEST(CalendarPaint, PaintAsksForBoldDaysThenFormatsEveryDrawnCellInGridOrder)
{
    PaintHarness h;
    QStringList asked;
    h.calendar.OnGetBoldDays = [&](QObject*, uint16_t year, uint16_t month, uint32_t& mask) {
        EXPECT_EQ(mask, 0u);
        asked << QStringLiteral("Bold %1-%2").arg(year).arg(month);
    };
    h.calendar.OnGetDayFormat = [&](QObject*, TDateTime day, uint16_t, uint16_t, uint16_t, TColor&, TColor&,
                                    TFontStyles&) { asked << DayText(day); };
    h.Texts();
    ASSERT_EQ(asked.size(), 3 + kGridCells);
    EXPECT_EQ(asked.mid(0, 5), QStringList({"Bold 2021-6", "Bold 2021-5", "Bold 2021-7", "2021-05-30", "2021-05-31"}));
    EXPECT_EQ(asked.last(), QStringLiteral("2021-07-10"));

    asked.clear();
    h.calendar.SetElements({ceYear, ceMonth, ceDaysOfWeek});  // no filling days
    h.Texts();
    EXPECT_EQ(asked.size(), 1 + 30);
    EXPECT_EQ(asked.mid(0, 2), QStringList({"Bold 2021-6", "2021-06-01"}));
}

TEST(CalendarPaint, BoldMaskAppliesOnlyWithoutADayFormatHandler)
{
    PaintHarness h;
    const TFontDesc regular = h.calendar.Font();
    const TDateTime ninth = Day(2021, 6, 9), tenth = Day(2021, 6, 10), julyFirst = Day(2021, 7, 1);
    h.calendar.OnGetBoldDays = [](QObject*, uint16_t, uint16_t month, uint32_t& mask) {
        mask = TRzCalendar::DaysToBitmask({month == 6 ? 9 : 1});
    };
    EXPECT_EQ(h.DayTextWidth(ninth), TextWidth(Bold(regular), QStringLiteral("9")));
    EXPECT_EQ(h.DayTextWidth(tenth), TextWidth(regular, QStringLiteral("10")));
    EXPECT_EQ(h.DayTextWidth(julyFirst), TextWidth(Bold(regular), QStringLiteral("1"))) << "the next month's mask";

    h.calendar.OnGetDayFormat = [](QObject*, TDateTime, uint16_t, uint16_t, uint16_t, TColor&, TColor&, TFontStyles&) {};
    EXPECT_EQ(h.DayTextWidth(ninth), TextWidth(regular, QStringLiteral("9")));
}

TEST(CalendarPaint, TitleArrowsAndButtonTexts)
{
    PaintHarness h;
    const std::vector<RecordedText> texts = h.Texts();
    const TRzCalendarLayout layout = h.calendar.CalcLayout();
    EXPECT_EQ(TextsIn(texts, layout[caLeftArrow]), QStringList({"3"}));
    EXPECT_EQ(TextsIn(texts, layout[caRightArrow]), QStringList({"4"}));
    EXPECT_TRUE(TextsIn(texts, layout[caYear]).contains(QStringLiteral("June 2021")));
    EXPECT_EQ(TextsIn(texts, layout[caTodayButton]), QStringList({"Today"}));

    h.calendar.SetElements({ceMonth, ceDaysOfWeek});
    EXPECT_TRUE(TextsIn(h.Texts(), h.calendar.CalcLayout()[caYear]).contains(QStringLiteral("June")));
}

TEST(CalendarPaint, WeekdayCaptionsAreShortenedToFitNarrowCells)
{
    LocaleInfo locale = EnglishLocale();
    locale.shortDayNames = QStringList({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"});
    SetCurrentLocale(locale);
    PaintHarness h;
    const TRzCalendarLayout layout = h.calendar.CalcLayout();
    const QRect& row = layout[caDaysOfWeek];
    const std::vector<RecordedText> texts = h.Texts();
    EXPECT_EQ(TextsIn(texts, row), QStringList({"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"}));
    // Right-aligned in cells that leave 2 pixels free.
    int column = 0;
    for (const RecordedText& t : texts) {
        if (row.contains(t.bounds.center().toPoint())) {
            EXPECT_EQ(t.bounds.right(), row.left() + (column + 1) * layout.cellSize.x() - 2);
            ++column;
        }
    }

    // A two-letter caption that is still too wide keeps one letter.
    TFontDesc small = h.calendar.Font();
    small.SetSize(small.Size() - 1);
    ASSERT_GT(TextWidth(small, QStringLiteral("水曜")), layout.cellSize.x() - 2);
    locale.shortDayNames[3] = QStringLiteral("水曜日");
    SetCurrentLocale(locale);
    EXPECT_EQ(TextsIn(h.Texts(), row), QStringList({"Su", "Mo", "Tu", "水", "Th", "Fr", "Sa"}));

    // Wide cells keep the full names.
    locale.shortDayNames = QStringList({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
    SetCurrentLocale(locale);
    h.calendar.SetFirstDayOfWeek(fdowMonday);
    h.calendar.resize(320, 200);
    EXPECT_EQ(TextsIn(h.Texts(), h.calendar.CalcLayout()[caDaysOfWeek]),
              QStringList({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}));
}

TEST(CalendarPaint, HebrewCaptionsKeepTheirDistinguishingLetter)
{
    const QStringList names{"abcdX", "abcdY", "abc", "abcdZ", "abcdV", "abcdW", "abcdU"};
    auto measure = [](const QString& text) { return 6 * int(text.size()); };
    EXPECT_EQ(WeekdayCaptions(names, 6, 20, measure, true), QStringList({"X", "Y", "a", "Z", "V", "W", "U"}));
    EXPECT_EQ(WeekdayCaptions(names, 6, 20, measure, false), QStringList({"ab", "ab", "ab", "ab", "ab", "ab", "ab"}));
    EXPECT_EQ(WeekdayCaptions(names, 6, 10, measure, false), QStringList({"a", "a", "a", "a", "a", "a", "a"}));
}

TEST(CalendarPaint, WeekNumbersAreIsoWeeksPassedThroughTheHandler)
{
    PaintHarness h({ceYear, ceMonth, ceWeekNumbers, ceDaysOfWeek, ceFillDays});
    h.calendar.SetFirstDayOfWeek(fdowMonday);
    h.calendar.SetViewDate(Day(2021, 1, 1));  // the grid starts Monday 28 December 2020, ISO week 53
    const QRect weeks = h.calendar.CalcLayout()[caWeekNumbers];
    EXPECT_EQ(TextsIn(h.Texts(), weeks), QStringList({"53", "1", "2", "3", "4", "5"}));

    QList<TDateTime> asked;
    h.calendar.OnGetWeekNumber = [&](QObject*, TDateTime weekDate, int& number) {
        asked << weekDate;
        number += 100;
    };
    EXPECT_EQ(TextsIn(h.Texts(), weeks), QStringList({"153", "101", "102", "103", "104", "105"}));
    EXPECT_EQ(asked.first(), Day(2020, 12, 29));
}

TEST(CalendarPaint, WithoutDaysOnlyTheFrameAndAnUnfilledTitleRemain)
{
    PaintHarness h;
    h.calendar.SetShowDays(false);
    EXPECT_EQ(h.calendar.height(), 4 + 13 + 5);
    const QImage image = h.Render();
    const QRect title = h.calendar.CalcLayout()[caYear];
    EXPECT_EQ(At(image, title.left() + 1, title.top() + 1), Rgb(clWindow));
    QStringList texts;
    for (const RecordedText& t : h.Texts())
        texts << t.text;
    EXPECT_EQ(texts, QStringList({"3", "4", "June 2021"}));
}

TEST(CalendarPaint, AnotherVisualStyleColoursTheCalendarFromItsPalette)
{
    VisualStyles::Instance().Register({QStringLiteral("Test Night"), {}});
    RegisterStyleElementColors(QStringLiteral("Test Night"),
                               {{StyleElementColor::EditBackground, RGB(20, 20, 40)},
                                {StyleElementColor::GenericGradientBase, RGB(60, 0, 0)},
                                {StyleElementColor::EditTextNormal, RGB(250, 250, 0)}});
    ASSERT_TRUE(VisualStyles::Instance().TrySetStyle(QStringLiteral("Test Night")));
    PaintHarness h;
    const QImage image = h.Render();
    const TRzCalendarLayout layout = h.calendar.CalcLayout();
    EXPECT_EQ(At(image, layout[caYear].left() + 1, layout[caYear].top() + 1), qRgb(60, 0, 0) & 0xFFFFFF);
    const QRect plain = h.Cell(Day(2021, 6, 9));
    EXPECT_EQ(At(image, plain.left(), plain.top()), qRgb(20, 20, 40) & 0xFFFFFF);
    EXPECT_GT(CountInk(image, plain, qRgb(250, 250, 0) & 0xFFFFFF, qRgb(20, 20, 40) & 0xFFFFFF), 10);
    // The selected day keeps the calendar's own colours.
    const QRect selected = h.Cell(Day(2021, 6, 10));
    EXPECT_EQ(At(image, selected.left() + 1, selected.top() + 1), Rgb(clHighlight));
}
