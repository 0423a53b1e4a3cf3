// Painting of the month calendar. Every paint draws the whole control from the layout.

#include "controls/accelerator.h"
#include "controls/month_calendar.h"
#include "controls/month_calendar_dates.h"
#include "controls/month_calendar_palette.h"
#include "controls/weekday_captions.h"
#include "platform/clock.h"
#include "platform/locale_info.h"
#include "platform/style_colors.h"

// What one paint works from: computed before anything is drawn.
struct TRzCalendarPaint {
    TRzCalendarLayout layout;
    TRzCalendarPalette palette;
    bool systemStyle = true;
    bool flat = false;
    TDateTime today = 0;
    std::array<uint32_t, 3> boldMasks{};  // shown, previous and next month
};

namespace {

enum TMonthOfCell { ShownMonth, PreviousMonth, NextMonth };

bool IsHebrewLocale() { return CurrentLocale().name.startsWith(QLatin1String("he"), Qt::CaseInsensitive); }

TPen SolidPen(TColor color)
{
    TPen pen;
    pen.color = color;
    return pen;
}

TFontDesc Coloured(TFontDesc font, TColor color)
{
    font.color = color;
    return font;
}

}  // namespace

void TRzCalendar::Paint(TCanvas& canvas)
{
    TRzCalendarPaint paint;
    paint.layout = CalcLayout();
    paint.systemStyle = UnderSystemStyle();
    paint.palette = CalendarPalette({paint.systemStyle, Color(), FButtonColor, FButtonFontColor}, *FCalendarColors);
    paint.flat = FlatBorder();
    paint.today = ::Today();

    PaintBackground(canvas);
    if (FElements.ContainsAny({ceYear, ceMonth}))
        PaintTitle(canvas, paint);
    canvas.Brush.style = bsClear;  // texts from here on leave their background alone
    if (!FShowDays)
        return;
    PaintButtons(canvas, paint);
    if (FElements.Contains(ceDaysOfWeek))
        PaintWeekdays(canvas, paint);
    paint.boldMasks = BoldMasks();
    const QRect& weeks = paint.layout[caWeekNumbers];
    if (FElements.Contains(ceWeekNumbers))
        PaintLine(canvas, paint.palette.lines, {RightOf(weeks) - 5, weeks.top()}, {RightOf(weeks) - 5, BottomOf(weeks)});
    PaintGrid(canvas, paint);
    if (FElements.ContainsAny({ceTodayButton, ceClearButton})) {
        const QRect& days = paint.layout[caDays];
        const int from = FElements.Contains(ceWeekNumbers) ? RightOf(weeks) - 5 : days.left();
        PaintLine(canvas, paint.palette.lines, {from, BottomOf(days) - 1}, {RightOf(days), BottomOf(days) - 1});
    }
}

void TRzCalendar::PaintBackground(TCanvas& canvas) const
{
    if (UnderSystemStyle()) {
        const QRect inside = PaintFrame(canvas);
        canvas.Brush = {Color(), bsSolid};
        canvas.FillRect(inside);
        return;
    }
    // Another style draws the whole control as one of its edit boxes.
    canvas.Brush = {ActiveStyleElementColor(StyleElementColor::EditBackground), bsSolid};
    canvas.FillRect(rect());
    canvas.Brush.color = ActiveStyleElementColor(StyleElementColor::EditBorder);
    canvas.FrameRect(rect());
}

void TRzCalendar::PaintTitle(TCanvas& canvas, const TRzCalendarPaint& paint) const
{
    const QRect& title = paint.layout[caYear];
    if (FShowDays) {
        QRect inside = title;
        if (paint.systemStyle && !paint.flat)
            canvas.Frame3D(inside, clBtnHighlight, clBtnShadow, 1);
        canvas.Brush = {paint.palette.titleBack, bsSolid};
        canvas.FillRect(inside);
    }
    canvas.Brush.style = bsClear;
    if (FElements.Contains(ceArrows)) {
        TFontDesc arrows = Coloured(Font(), paint.palette.buttonText);
        arrows.name = QStringLiteral("Marlett");
        arrows.SetSize(Font().Size() + 4);
        canvas.Font = arrows;
        canvas.DrawTextLine(paint.layout[caLeftArrow], QStringLiteral("3"), TTextAlign::Center);
        canvas.DrawTextLine(paint.layout[caRightArrow], QStringLiteral("4"), TTextAlign::Center);
    }
    canvas.Font = Coloured(Font(), paint.palette.buttonText);
    canvas.DrawTextLine(title, TitleText(), TTextAlign::Center);
}

void TRzCalendar::PaintButtons(TCanvas& canvas, const TRzCalendarPaint& paint) const
{
    if (FElements.Contains(ceTodayButton))
        PaintButton(canvas, paint, caTodayButton, TodayCaption());
    if (FElements.Contains(ceClearButton))
        PaintButton(canvas, paint, caClearButton, ClearCaption());
}

void TRzCalendar::PaintButton(TCanvas& canvas, const TRzCalendarPaint& paint, TRzCalendarArea area,
                              const QString& caption) const
{
    QRect face = paint.layout[area];
    const bool pressed = FPressedArea == area && FOverArea == area;
    if (paint.flat) {
        canvas.Brush.color = cl3DDkShadow;
        canvas.FrameRect(face);
        face.adjust(1, 1, -1, -1);
    } else if (pressed) {
        for (TColor color : {clBtnText, clBtnShadow}) {
            canvas.Brush.color = color;
            canvas.FrameRect(face);
            face.adjust(1, 1, -1, -1);
        }
    } else {
        const TRzButtonEdges edges = ButtonEdges(FButtonColor);
        canvas.Frame3D(face, edges.outerTopLeft, edges.outerBottomRight, 1);
        canvas.Frame3D(face, edges.innerTopLeft, edges.innerBottomRight, 1);
    }
    canvas.Brush = {FButtonColor, bsSolid};
    canvas.FillRect(face);
    canvas.Brush.style = bsClear;
    canvas.Font = Coloured(Font(), paint.palette.buttonText);
    const QRect text = pressed ? paint.layout[area].translated(2, 2) : paint.layout[area];
    canvas.DrawTextLine(text, CaptionDisplayText(caption), TTextAlign::Center);
}

void TRzCalendar::PaintWeekdays(TCanvas& canvas, const TRzCalendarPaint& paint) const
{
    const QRect& row = paint.layout[caDaysOfWeek];
    const QPoint cell = paint.layout.cellSize;
    TFontDesc font = Coloured(Font(), paint.palette.daysOfWeekText);
    font.SetSize(Font().Size() - 1);
    canvas.Font = font;
    const QStringList captions =
        WeekdayCaptions(CurrentLocale().shortDayNames, FFirstDay, cell.x() - 2,
                        [&](const QString& text) { return TextWidth(font, text); }, IsHebrewLocale());
    for (int column = 0; column < kGridColumns; ++column)
        canvas.DrawTextLine(QRect(row.left() + column * cell.x(), row.top() - 1, cell.x() - 2, cell.y()),
                            captions[column], TTextAlign::Right);
    const QRect& weeks = paint.layout[caWeekNumbers];
    const int from = FElements.Contains(ceWeekNumbers) ? RightOf(weeks) - 5 : row.left();
    const int y = row.top() - 1 + cell.y();
    PaintLine(canvas, paint.palette.lines, {from, y}, {RightOf(row), y});
}

std::array<uint32_t, 3> TRzCalendar::BoldMasks()
{
    std::array<uint32_t, 3> masks{};
    if (!OnGetBoldDays)
        return masks;
    const bool neighbours = FElements.Contains(ceFillDays);
    const int offsets[] = {0, -1, 1};
    for (int which = 0; which < (neighbours ? 3 : 1); ++which) {
        TDateTime month = FViewDate;
        if (!TryIncMonth(FViewDate, offsets[which], month))
            continue;
        const DateParts d = DecodeDate(month);
        OnGetBoldDays(this, uint16_t(d.year), uint16_t(d.month), masks[which]);
    }
    return masks;
}

void TRzCalendar::PaintGrid(TCanvas& canvas, const TRzCalendarPaint& paint)
{
    for (int index = 0; index < kGridCells; ++index) {
        PaintDay(canvas, paint, index);
        if (index % kGridColumns == kGridColumns - 1 && FElements.Contains(ceWeekNumbers))
            PaintWeekNumber(canvas, paint, index / kGridColumns);
    }
}

void TRzCalendar::PaintDay(TCanvas& canvas, const TRzCalendarPaint& paint, int index)
{
    const TDateTime day = FFirstDateInGrid + index;
    const DateParts date = DecodeDate(day), shown = DecodeDate(FViewDate);
    const TMonthOfCell month = date.month == shown.month && date.year == shown.year ? ShownMonth
                               : day < FViewDate                                    ? PreviousMonth
                                                                                    : NextMonth;
    if (month != ShownMonth && !FElements.Contains(ceFillDays))
        return;
    TColor background = paint.palette.background;
    TColor fontColor = month == ShownMonth ? paint.palette.daysText : paint.palette.fillDaysText;
    TFontStyles style = 0;
    if (OnGetDayFormat)
        OnGetDayFormat(this, day, uint16_t(date.year), uint16_t(date.month), uint16_t(date.day), background, fontColor, style);
    else if (paint.boldMasks[month] & (uint32_t(1) << (date.day - 1)))
        style |= fsBold;
    else
        style &= ~fsBold;

    const QRect text = DayTextRect(paint.layout, index);
    const QRect cell = text.adjusted(0, 0, 2, 0);
    if (ColorToRGB(background) != ColorToRGB(Color())) {
        canvas.Brush = {background, bsSolid};
        canvas.FillRect(cell);
    }
    if (day == FDate) {
        canvas.Brush = {FCalendarColors->SelectedDateBack(), bsSolid};
        canvas.FillRect(cell);
        fontColor = FCalendarColors->SelectedDateFore();
        if (hasFocus() && !focusCuesHidden_) {
            canvas.Pen.color = fontColor;
            canvas.DrawFocusRect(cell);
        }
    }
    canvas.Brush.style = bsClear;
    canvas.Font = Coloured(Font(), fontColor);
    canvas.Font.style = style;
    canvas.DrawTextLine(text, QString::number(date.day), TTextAlign::Right);
    if (day == paint.today) {
        canvas.Pen = SolidPen(FCalendarColors->TodaysDateFrame());
        canvas.Rectangle(cell);
    }
}

void TRzCalendar::PaintWeekNumber(TCanvas& canvas, const TRzCalendarPaint& paint, int row)
{
    const QRect& weeks = paint.layout[caWeekNumbers];
    const int cellH = paint.layout.cellSize.y();
    const int top = weeks.top() + 1 + row * cellH;
    // The row's second day decides the number: it always lies in the row's ISO week.
    const TDateTime weekDate = FFirstDateInGrid + row * kGridColumns + 1;
    int number = IsoWeekNumber(weekDate);
    if (OnGetWeekNumber)
        OnGetWeekNumber(this, weekDate, number);
    canvas.Font = Coloured(Font(), paint.palette.daysOfWeekText);
    canvas.DrawTextLine(EdgeRect(weeks.left(), top, RightOf(weeks) - 5, top + cellH), QString::number(number),
                        TTextAlign::Center);
}

void TRzCalendar::PaintLine(TCanvas& canvas, TColor color, QPoint from, QPoint to) const
{
    canvas.Pen = SolidPen(color);
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
}
