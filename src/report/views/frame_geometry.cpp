#include "frame_geometry.h"

#include "report/model/frx_frame.h"

#include "platform/canvas.h"
#include "platform/rounding.h"

namespace {

// A frame side seen as a line: at `position` across, running from `from` to `to` along.
struct SideLine {
    bool vertical;
    int position;
    int from;
    int to;
    int outward;           // -1 for the left and top sides, +1 for the right and bottom ones
    bool startJoined;      // the neighbouring side at `from` is painted
    bool endJoined;        // the neighbouring side at `to` is painted
    TColor color;
    TfrxFrameStyle style;
    int width;
};

// Pixels [acrossFirst, acrossLast] x [alongFirst, alongLast] of a side, both ends included.
QRect SideRect(const SideLine& line, int acrossFirst, int acrossLast, int alongFirst, int alongLast)
{
    if (line.vertical)
        return QRect(QPoint(acrossFirst, alongFirst), QPoint(acrossLast, alongLast));
    return QRect(QPoint(alongFirst, acrossFirst), QPoint(alongLast, acrossLast));
}

int AcrossFirst(int position, int width) { return position - width / 2; }
int AcrossLast(int position, int width) { return position + (width + 1) / 2 - 1; }

void AddPiece(std::vector<FramePiece>& pieces, const SideLine& line, int position, int width, int alongFirst,
              int alongLast, bool round = false)
{
    if (alongLast < alongFirst)
        return;
    pieces.push_back(
        {SideRect(line, AcrossFirst(position, width), AcrossLast(position, width), alongFirst, alongLast), line.color,
         round, {}, false});
}

// The side's pixels from `from` up to `to` (left out), w across, in a repeated on/off pattern.
void AddDashed(std::vector<FramePiece>& pieces, const SideLine& line, int width, std::vector<int> dashes)
{
    if (line.to <= line.from)
        return;
    const int position = line.position;
    pieces.push_back({SideRect(line, AcrossFirst(position, width), AcrossLast(position, width), line.from, line.to - 1),
                      line.color, false, std::move(dashes), line.vertical});
}

// A line of width w with square caps from `from` to `to`: the caps reach w/2 beyond both ends.
void AddSquareCapped(std::vector<FramePiece>& pieces, const SideLine& line, int position, int from, int to)
{
    const int w = line.width;
    AddPiece(pieces, line, position, w, from - w / 2, to + (w + 1) / 2 - 1);
}

void AddSolid(std::vector<FramePiece>& pieces, const SideLine& line)
{
    const int half = line.width / 2;
    AddSquareCapped(pieces, line, line.position, line.startJoined ? line.from : line.from + half,
                    line.endJoined ? line.to : line.to - half);
}

void AddDouble(std::vector<FramePiece>& pieces, const SideLine& line)
{
    const int w = line.width;
    const int startShift = line.startJoined ? w : 0;
    const int endShift = line.endJoined ? w : 0;
    AddSquareCapped(pieces, line, line.position + line.outward * w, line.from - startShift, line.to + endShift);
    AddSquareCapped(pieces, line, line.position - line.outward * w, line.from + startShift, line.to - endShift);
}

TPenStyle PenStyleOf(TfrxFrameStyle style)
{
    switch (style) {
    case fsDash: return psDash;
    case fsDot: return psDot;
    case fsDashDot: return psDashDot;
    default: return psDashDotDot;
    }
}

// The platform's one-pixel styled line, w times across: the pattern starts at `from`; the end
// point is left out.
void AddPatterned(std::vector<FramePiece>& pieces, const SideLine& line)
{
    std::vector<int> dashes;
    for (double length : DashPattern(PenStyleOf(line.style)))
        dashes.push_back(RoundHalfEven(length));
    AddDashed(pieces, line, line.width, std::move(dashes));
}

// Squares (flat caps) or round dots of size w every 2w; w <= 1 gives one pixel on, one off.
void AddStamped(std::vector<FramePiece>& pieces, const SideLine& line)
{
    const int w = std::max(1, line.width);
    if (line.style != fsAltDot || w == 1) {
        AddDashed(pieces, line, w, {w, w});
        return;
    }
    for (int along = line.from; along <= line.to; along += 2 * w)
        AddPiece(pieces, line, line.position, w, along - w / 2, along - w / 2 + w - 1, true);
}

void AddSide(std::vector<FramePiece>& pieces, const SideLine& line)
{
    switch (line.style) {
    case fsSolid: AddSolid(pieces, line); break;
    case fsDouble: AddDouble(pieces, line); break;
    case fsAltDot:
    case fsSquare: AddStamped(pieces, line); break;
    default: AddPatterned(pieces, line); break;
    }
}

SideLine MakeSide(const ViewDeviceRect& r, const TfrxFrame& frame, TfrxFrameType side)
{
    const TfrxFrameLine& look = *frame.Line(side);
    const TfrxFrameTypes typ = frame.Typ();
    const bool vertical = side == ftLeft || side == ftRight;
    SideLine line{};
    line.vertical = vertical;
    line.position = side == ftLeft ? r.x0 : side == ftRight ? r.x1 : side == ftTop ? r.y0 : r.y1;
    line.from = vertical ? r.y0 : r.x0;
    line.to = vertical ? r.y1 : r.x1;
    line.outward = side == ftLeft || side == ftTop ? -1 : 1;
    line.startJoined = typ.testFlag(vertical ? ftTop : ftLeft);
    line.endJoined = typ.testFlag(vertical ? ftBottom : ftRight);
    line.color = look.Color();
    line.style = look.Style();
    line.width = std::max(1, DevicePixels(look.Width() * r.scaleX));
    return line;
}

}  // namespace

std::vector<FramePiece> ShadowPieces(const ViewDeviceRect& r, const TfrxFrame& frame)
{
    if (!frame.DropShadow() || (r.shadowX <= 0 && r.shadowY <= 0))
        return {};
    const TColor color = frame.ShadowColor();
    return {{QRect(QPoint(r.x1, r.y0 + r.shadowY), QPoint(r.x1 + r.shadowX - 1, r.y1 + r.shadowY - 1)), color, false, {}, false},
            {QRect(QPoint(r.x0 + r.shadowX, r.y1), QPoint(r.x1 + r.shadowX - 1, r.y1 + r.shadowY - 1)), color, false, {}, false}};
}

std::vector<FramePiece> FramePieces(const ViewDeviceRect& r, const TfrxFrame& frame)
{
    std::vector<FramePiece> pieces;
    if (!frame.Typ() || frame.Color() == clNone || frame.Width() == 0)
        return pieces;
    for (TfrxFrameType side : {ftLeft, ftRight, ftTop, ftBottom}) {
        if (!frame.Typ().testFlag(side))
            continue;
        const SideLine line = MakeSide(r, frame, side);
        // A side without colour is not painted (the platform would paint it black).
        if (line.color != clNone)
            AddSide(pieces, line);
    }
    return pieces;
}
