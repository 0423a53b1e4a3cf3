// How far an AutoWidth text may grow before its lines wrap.
//
// An AutoWidth object takes the width of its text. Left unbounded, a line longer than the page
// (a diary paragraph, which is one source line) runs past the paper's edge and its words are
// lost to clipping on the screen, on paper and in PDF. So the object may grow only as far as its
// room: between the left and right edges of its parent (the band, which in the diary spans the
// printable width) and within the page's printable area, whichever is narrower. The object grows
// away from its fixed side: to the right from its left edge, to the left from its right edge
// with haRight, to both sides from its centre with haCenter; how far that side lies from the
// room's edges is the room. Lines that fit the room lay out exactly as without it, so only text
// that would have run past the edge is affected; it wraps at line-break opportunities.
//
// Texts keep their old unbounded measuring where no room can be told: without a parent, on a
// page of endless width with a parent that is the page itself, rotated texts, and an object
// standing wholly outside its room (nothing of it would show anyway).
#include "custom_memo_view.h"

#include "report/model/report_page.h"
#include "report/text/draw_text.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Room {
    double left = -std::numeric_limits<double>::infinity();
    double right = std::numeric_limits<double>::infinity();
    bool Bounded() const { return std::isfinite(left) && std::isfinite(right); }
};

// The room's edges relative to the printable area, as AbsLeft counts.
Room RoomWithin(const TfrxComponent& parent, const TfrxPage* page)
{
    Room room;
    if (!qobject_cast<const TfrxPage*>(&parent)) {
        room.left = parent.AbsLeft();
        room.right = room.left + parent.Width();
    }
    const auto* reportPage = qobject_cast<const TfrxReportPage*>(page);
    if (reportPage && !reportPage->EndlessWidth()) {
        room.left = std::max(room.left, 0.0);
        room.right = std::min(room.right, reportPage->PrintableWidth());
    }
    return room;
}

}  // namespace

std::optional<double> TfrxCustomMemoView::AutoWidthRoom() const
{
    if (!AutoWidth() || Rotation() != 0 || !Parent())
        return std::nullopt;
    const Room room = RoomWithin(*Parent(), Page());
    if (!room.Bounded())
        return std::nullopt;
    const double left = AbsLeft();
    const double right = left + Width();
    const double centre = left + Width() / 2;
    double width = room.right - left;
    if (HAlign() == haRight)
        width = right - room.left;
    else if (HAlign() == haCenter)
        width = 2 * std::min(centre - room.left, room.right - centre);
    if (width - HorizontalExtra(Box()) < 1)
        return std::nullopt;
    return width;
}

TextRect TfrxCustomMemoView::LayoutRect() const
{
    const TextRect own = TextRectAt(1, 1, 0, 0);
    const std::optional<double> room = AutoWidthRoom();
    if (!room)
        return own;
    // The widest whole pixels of text whose lines, measured in units of 1/6.25 px and with the
    // gaps and frame around them, keep the object inside its room.
    const double units = (*room - HorizontalExtra(Box())) * TfrxDrawText::kUnitsPerPixel;
    int width = int(std::floor(units / TfrxDrawText::kUnitsPerPixel));
    if (RoundHalfEven(width * TfrxDrawText::kUnitsPerPixel) > units)
        --width;
    return {own.left, own.top, own.left + width, own.bottom};
}
