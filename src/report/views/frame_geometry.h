#pragma once

#include "view_geometry.h"

#include "report/base/report_types.h"

#include "platform/colors.h"

#include <QRect>
#include <vector>

class TfrxFrame;

// One piece of a painted frame: a filled rectangle (right and bottom outside), the round dot
// inscribed in it, or the rectangle's pixels in a dash pattern, drawn as one stroked line.
struct FramePiece {
    QRect rect;
    TColor color = clBlack;
    bool round = false;
    // When not empty: on and off lengths in pixels, repeated along the rectangle's length (down
    // when `vertical`, else to the right) from its top or left edge.
    std::vector<int> dashes;
    bool vertical = false;
    bool operator==(const FramePiece&) const = default;
};

// The drop shadow: strips along the right and the bottom edge, as wide as the scaled shadow.
std::vector<FramePiece> ShadowPieces(const ViewDeviceRect& rect, const TfrxFrame& frame);

// The frame's sides in the order left, right, top, bottom, each with its own line's colour, style
// and device width round(width * scale X) (at least 1). Empty when the frame has no side, no
// colour or no width.
//
// Lines are centred on the side's position: a line of width w covers w pixels across, from
// position - w/2 (rounded down). fsSolid has square caps, except that an end whose neighbouring
// side is not painted is shortened to end flush with the rectangle. The dashed styles are w
// parallel one-pixel lines with the platform's dash pattern, ending one pixel before the far
// corner: one dashed piece w pixels across. fsDouble is two lines of width w, w outside and w
// inside, joined at painted corners. fsSquare and fsAltDot repeat squares or round dots of size w
// at a pitch of 2w (one pixel on, one off for w <= 1); squares are a dashed piece, round dots one
// piece each.
std::vector<FramePiece> FramePieces(const ViewDeviceRect& rect, const TfrxFrame& frame);
