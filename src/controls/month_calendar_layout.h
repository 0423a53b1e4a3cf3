#pragma once

#include "controls/month_calendar_types.h"

#include <QMargins>
#include <QSize>

// Everything the calendar's geometry depends on. The text widths are measured by the caller in
// the control's font, so the layout itself is pure arithmetic.
struct TRzCalendarMetrics {
    QRect clientRect;
    QMargins frame;                 // room the bordered panel's frame takes
    TRzCalendarElements elements;
    bool showDays = true;
    QPoint charSize;                // width and height of "0"
    int todayBtnWidth = 0;          // caption text widths
    int clearBtnWidth = 0;
    int titleWidth = 0;             // the whole title text
    int yearWidth = 0;              // its four-digit year
    bool rightToLeft = false;
};

// The natural size. `passed` is the size offered; without days its width is kept.
QSize NaturalSize(const TRzCalendarMetrics& metrics, QSize passed);

// The ten area rectangles and the cell size.
TRzCalendarLayout CalcLayout(const TRzCalendarMetrics& metrics);

// The area under a client point, tested so that buttons and arrows win over the title row;
// caNone when none contains it.
TRzCalendarArea AreaAt(const TRzCalendarLayout& layout, QPoint point);

// Cell `index` (0 to 41, row by row) of the day grid: the hit rectangle covers the full cell, the
// text rectangle leaves 2 pixels free on the right.
QRect DayCellRect(const TRzCalendarLayout& layout, int index);
QRect DayTextRect(const TRzCalendarLayout& layout, int index);
// The index of the cell under a point inside the day grid, or -1.
int DayCellAt(const TRzCalendarLayout& layout, QPoint point);

// A rectangle from its edges, the right and bottom edges lying outside it; crossed edges give an
// empty rectangle that contains no point.
inline QRect EdgeRect(int left, int top, int right, int bottom)
{
    return {left, top, right > left ? right - left : 0, bottom > top ? bottom - top : 0};
}

// The first column and row outside a rectangle.
inline int RightOf(const QRect& rect) { return rect.left() + rect.width(); }
inline int BottomOf(const QRect& rect) { return rect.top() + rect.height(); }

// Where the year editor opens: over the year in the title, one pixel taller at both ends, with
// room for the year between two spaces and the editor's two 18-pixel buttons.
QRect YearEditorRect(const TRzCalendarLayout& layout, int spaceWidth, int yearWidth);
