#include "month_calendar_palette.h"

#include "platform/style_colors.h"

#include <algorithm>

namespace {

// Moves each channel of a colour the given fraction of the way toward a target channel value.
TColor Blend(TColor color, int target, double fraction)
{
    const TColor rgb = ColorToRGB(color);
    auto channel = [&](int value) { return std::clamp(int(value + (target - value) * fraction), 0, 255); };
    return RGB(channel(GetRValue(rgb)), channel(GetGValue(rgb)), channel(GetBValue(rgb)));
}

}  // namespace

TRzCalendarPalette CalendarPalette(const TRzCalendarPaletteInput& input, const TRzCalendarColors& colors)
{
    if (input.systemStyle)
        return {input.color, input.buttonColor, input.buttonFontColor, colors.Days(), colors.FillDays(),
                colors.DaysOfWeek(), colors.Lines()};
    using E = StyleElementColor;
    const TColor editText = ActiveStyleElementColor(E::EditTextNormal);
    const TColor disabledText = ActiveStyleElementColor(E::EditTextDisabled);
    return {ActiveStyleElementColor(E::EditBackground), ActiveStyleElementColor(E::GenericGradientBase),
            ActiveStyleElementColor(E::ButtonTextNormal), editText, disabledText, editText, disabledText};
}

TRzButtonEdges ButtonEdges(TColor face)
{
    if (face == clBtnFace)
        return {cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow};
    return {Blend(face, 255, 0.3), Blend(face, 0, 0.7), Blend(face, 255, 0.6), Blend(face, 0, 0.35)};
}
