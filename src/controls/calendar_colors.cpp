#include "calendar_colors.h"

void TRzCalendarColors::Assign(const TRzCalendarColors& source)
{
    values_ = source.values_;
    Changed();
}

void TRzCalendarColors::Set(TColor& field, TColor color)
{
    field = color;
    Changed();
}

void TRzCalendarColors::Changed() const
{
    if (onChange_)
        onChange_();
}
