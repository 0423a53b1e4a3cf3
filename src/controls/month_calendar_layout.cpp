#include "month_calendar_layout.h"

#include <algorithm>

namespace {

// Working edges of the layout; right and bottom lie outside.
struct Edges {
    int left, top, right, bottom;
};

bool HasTitle(const TRzCalendarElements& elements) { return elements.ContainsAny({ceYear, ceMonth}); }
bool HasButtons(const TRzCalendarElements& elements) { return elements.ContainsAny({ceTodayButton, ceClearButton}); }

// A button of the given caption width centred in its area.
QRect CentredButton(const QRect& area, int captionWidth, int charHeight)
{
    const int width = captionWidth + 17, height = charHeight + 7;
    const int left = (area.left() + area.left() + area.width() - width) / 2;
    const int top = (area.top() + area.top() + area.height() - height) / 2;
    return {left, top, width, height};
}

void LayOutTitle(const TRzCalendarMetrics& m, Edges& e, TRzCalendarLayout& layout)
{
    const int rowHeight = m.charSize.y() + 5;
    layout[caYear] = EdgeRect(e.left, e.top, e.right, e.top + rowHeight);
    const int yearStart = e.left + (e.right - e.left) / 2 + (m.titleWidth - m.titleWidth / 2) - m.yearWidth;
    layout[caMonth] = EdgeRect(e.left, e.top, yearStart, e.top + rowHeight);
    if (m.elements.Contains(ceArrows)) {
        layout[caLeftArrow] = EdgeRect(e.left, e.top, e.left + rowHeight, e.top + rowHeight);
        layout[caRightArrow] = EdgeRect(e.right - rowHeight, e.top, e.right, e.top + rowHeight);
    }
    e.top += rowHeight;
}

void LayOutButtons(const TRzCalendarMetrics& m, Edges& e, TRzCalendarLayout& layout)
{
    const int rowTop = e.bottom - m.charSize.y() - 18;
    const bool today = m.elements.Contains(ceTodayButton), clear = m.elements.Contains(ceClearButton);
    QRect todayArea = EdgeRect(e.left, rowTop, e.right, e.bottom), clearArea = todayArea;
    if (today && clear) {
        const int split = (e.left + e.right - m.todayBtnWidth - m.clearBtnWidth - 5) / 2 + m.todayBtnWidth;
        todayArea = EdgeRect(e.left, rowTop, split, e.bottom);
        clearArea = EdgeRect(split + 5, rowTop, e.right, e.bottom);
    }
    if (today)
        layout[caTodayButton] = CentredButton(todayArea, m.todayBtnWidth, m.charSize.y());
    if (clear)
        layout[caClearButton] = CentredButton(clearArea, m.clearBtnWidth, m.charSize.y());
    if (today && clear && m.rightToLeft)
        std::swap(layout[caTodayButton], layout[caClearButton]);
    e.bottom = rowTop + 1;
}

void LayOutGrid(const TRzCalendarMetrics& m, Edges& e, TRzCalendarLayout& layout)
{
    const int charW = m.charSize.x();
    e.left += 2 * charW - 1;
    e.right -= 2 * charW + 1;
    if (HasButtons(m.elements))
        LayOutButtons(m, e, layout);
    if (m.elements.Contains(ceWeekNumbers)) {
        layout[caWeekNumbers] = EdgeRect(e.left, e.top, e.left + 2 * charW + 10, e.bottom);
        e.left += 2 * charW + 10;
    }
    const bool weekdays = m.elements.Contains(ceDaysOfWeek);
    const int cellW = (e.right - e.left) / kGridColumns;
    const int cellH = weekdays ? (e.bottom - e.top - 2) / 7 : (e.bottom - e.top - 1) / kGridRows;
    layout.cellSize = {cellW, cellH};
    if (weekdays) {
        layout[caDaysOfWeek] = EdgeRect(e.left, e.top, e.right, e.top + cellH);
        if (m.elements.Contains(ceWeekNumbers))
            layout[caWeekNumbers].setTop(e.top + cellH);
        e.top += cellH + 2;
    }
}

}  // namespace

QSize NaturalSize(const TRzCalendarMetrics& m, QSize passed)
{
    const int charW = m.charSize.x(), charH = m.charSize.y();
    int height = 4;
    if (HasTitle(m.elements))
        height += charH + 5;
    if (!m.showDays)
        return {passed.width(), height};
    height += 6 * charH + 13;
    if (m.elements.Contains(ceDaysOfWeek))
        height += charH + 3;
    int width = 14 * charW + 35;
    if (m.elements.Contains(ceWeekNumbers))
        width += 2 * charW + 5;
    if (HasButtons(m.elements)) {
        height += charH + 17;
        int buttons = 34;
        if (m.elements.Contains(ceTodayButton))
            buttons += m.todayBtnWidth;
        if (m.elements.Contains(ceClearButton))
            buttons += m.clearBtnWidth;
        if (m.elements.Contains(ceTodayButton) && m.elements.Contains(ceClearButton))
            buttons += 5;
        width = std::max(width, buttons);
    }
    return {width + 4 * charW, height};
}

TRzCalendarLayout CalcLayout(const TRzCalendarMetrics& m)
{
    TRzCalendarLayout layout;
    const QRect inside = m.clientRect.marginsRemoved(m.frame);
    Edges e{inside.left(), inside.top(), inside.left() + inside.width(), inside.top() + inside.height()};
    if (HasTitle(m.elements))
        LayOutTitle(m, e, layout);
    if (m.showDays)
        LayOutGrid(m, e, layout);
    layout[caDays] = EdgeRect(e.left, e.top, e.right, e.bottom);
    return layout;
}

TRzCalendarArea AreaAt(const TRzCalendarLayout& layout, QPoint point)
{
    static constexpr TRzCalendarArea kOrder[] = {caClearButton, caTodayButton, caFillDays, caDaysOfWeek, caDays,
                                                 caWeekNumbers, caRightArrow, caLeftArrow, caMonth, caYear};
    for (TRzCalendarArea area : kOrder)
        if (layout[area].contains(point))
            return area;
    return caNone;
}

QRect DayCellRect(const TRzCalendarLayout& layout, int index)
{
    const QRect& days = layout[caDays];
    const int row = index / kGridColumns, column = index % kGridColumns;
    return {days.left() + column * layout.cellSize.x(), days.top() - 1 + row * layout.cellSize.y(),
            layout.cellSize.x(), layout.cellSize.y()};
}

QRect DayTextRect(const TRzCalendarLayout& layout, int index) { return DayCellRect(layout, index).adjusted(0, 0, -2, 0); }

int DayCellAt(const TRzCalendarLayout& layout, QPoint point)
{
    if (!layout[caDays].contains(point))
        return -1;
    for (int index = 0; index < kGridCells; ++index)
        if (DayCellRect(layout, index).contains(point))
            return index;
    return -1;
}

QRect YearEditorRect(const TRzCalendarLayout& layout, int spaceWidth, int yearWidth)
{
    constexpr int kButtonWidth = 18;
    const int left = RightOf(layout[caMonth]) - kButtonWidth - spaceWidth;
    const int right = left + 2 * spaceWidth + yearWidth + 2 * kButtonWidth;
    return EdgeRect(left, layout[caYear].top() - 1, right, BottomOf(layout[caYear]) + 1);
}
