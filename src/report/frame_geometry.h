#pragma once

#include "report_types.h"
#include "view_geometry.h"

#include "platform/colors.h"

#include <QRect>
#include <vector>

class TfrxFrame;

// One filled piece of a painted frame: a rectangle (right and bottom outside), or the round dot
// inscribed in it.
struct FramePiece {
    QRect rect;
    TColor color = clBlack;
    bool round = false;
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
// corner. fsDouble is two lines of width w, w outside and w inside, joined at painted corners.
// fsSquare and fsAltDot repeat squares or round dots of size w at a pitch of 2w (one pixel on, one
// off for w <= 1).
std::vector<FramePiece> FramePieces(const ViewDeviceRect& rect, const TfrxFrame& frame);
