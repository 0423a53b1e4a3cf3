#pragma once

#include "controls/calendar_colors.h"
#include "platform/colors.h"

// The colours one paint of the calendar uses, resolved once for the active visual style.
struct TRzCalendarPalette {
    TColor background;      // weekday row, day cells, week numbers
    TColor titleBack;
    TColor buttonText;      // title text, arrows, button captions
    TColor daysText;        // days of the shown month
    TColor fillDaysText;    // days of the neighbouring months
    TColor daysOfWeekText;  // weekday captions and week numbers
    TColor lines;
};

struct TRzCalendarPaletteInput {
    bool systemStyle = true;
    TColor color = clWindow;
    TColor buttonColor = clBtnFace;
    TColor buttonFontColor = clWindowText;
};

// Under the system style the calendar's own colours; under another style the style's edit and
// button colours. The selected-day and today colours always come from the colour set.
TRzCalendarPalette CalendarPalette(const TRzCalendarPaletteInput& input, const TRzCalendarColors& colors);

// The edges of a raised push button of the given face colour.
struct TRzButtonEdges {
    TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};
TRzButtonEdges ButtonEdges(TColor face);
