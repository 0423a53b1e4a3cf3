#include "line_view.h"

#include "platform/canvas.h"
#include "platform/rounding.h"

#include <cmath>

namespace {

TPen LinePen(const TfrxFrame& frame, int width)
{
    TPen pen;
    pen.color = frame.Color();
    pen.width = std::max(1, width);
    switch (frame.Style()) {
    case fsDash: pen.style = psDash; break;
    case fsDot: pen.style = psDot; break;
    case fsDashDot: pen.style = psDashDot; break;
    case fsDashDotDot: pen.style = psDashDotDot; break;
    default: pen.style = psSolid; break;
    }
    return pen;
}

// An arrow head at `tip` pointing away from `tail`: `length` along the line, `width` to each side.
std::vector<QPoint> ArrowHead(QPointF tail, QPointF tip, double length, double width)
{
    const QPointF d = tip - tail;
    const double norm = std::hypot(d.x(), d.y());
    if (norm == 0)
        return {};
    const QPointF along = d / norm;
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    return {(base + across * width).toPoint(), tip.toPoint(), (base - across * width).toPoint()};
}

}  // namespace

TfrxCustomLineView::TfrxCustomLineView(QObject* owner) : TfrxStretcheable(owner) { RemoveStyle(csDefaultDiff); }

void TfrxCustomLineView::MakeOneDimensional()
{
    if (Width() <= Height()) {
        SetWidth(0);
        Frame()->SetTyp(ftLeft);
    } else {
        SetHeight(0);
        Frame()->SetTyp(ftTop);
    }
}

void TfrxCustomLineView::PrepareForDrawing()
{
    if (!diagonal_)
        MakeOneDimensional();
}

void TfrxCustomLineView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
                              const TfrxDrawContext&) const
{
    const ViewDeviceRect r = DeviceRectAt(scaleX, scaleY, offsetX, offsetY);
    const QPointF start(r.x0, r.y0);
    const QPointF end = diagonal_ || Height() == 0 ? QPointF(r.x1, diagonal_ ? r.y1 : r.y0) : QPointF(r.x0, r.y1);
    const TPen savedPen = canvas.Pen;
    const TBrush savedBrush = canvas.Brush;
    canvas.Pen = LinePen(*Frame(), r.frameWidth);
    if (Frame()->Color() == clNone) {
        canvas.Pen = savedPen;
        return;
    }
    if (diagonal_)
        canvas.Line(start, end);
    else
        PaintFrame(canvas, r);
    canvas.Pen.style = psSolid;
    canvas.Brush = TBrush{Frame()->Color(), arrowSolid_ ? bsSolid : bsClear};
    const double length = arrowLength_ * scaleX;
    const double width = arrowWidth_ * scaleX;
    if (arrowStart_)
        canvas.Polygon(ArrowHead(end, start, length, width));
    if (arrowEnd_)
        canvas.Polygon(ArrowHead(start, end, length, width));
    canvas.Pen = savedPen;
    canvas.Brush = savedBrush;
}
