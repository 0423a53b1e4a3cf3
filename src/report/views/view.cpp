#include "view.h"

#include "frame_geometry.h"

#include "platform/canvas.h"

namespace {

// A dashed piece as one line as wide as the piece, through the middle of its width; the dashes
// keep their lengths in pixels whatever the width (the pen's pattern is in widths).
void StrokeDashes(TCanvas& canvas, const FramePiece& piece)
{
    const QRect& r = piece.rect;
    const int width = piece.vertical ? r.width() : r.height();
    std::vector<double> pattern;
    for (int length : piece.dashes)
        pattern.push_back(double(length) / width);
    canvas.Pen = TPen{piece.color, double(width), psUserStyle, pattern, TPenCap::Flat};
    if (piece.vertical)
        canvas.AliasedLine(QPointF(r.left() + width / 2.0, r.top()), QPointF(r.left() + width / 2.0, r.bottom() + 1));
    else
        canvas.AliasedLine(QPointF(r.left(), r.top() + width / 2.0), QPointF(r.right() + 1, r.top() + width / 2.0));
}

// Paints pieces with a solid brush and no pen, or dashed ones with a pen, leaving the canvas's
// tools as they were.
void PaintPieces(TCanvas& canvas, const std::vector<FramePiece>& pieces)
{
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    for (const FramePiece& piece : pieces) {
        canvas.Pen.style = psClear;
        canvas.Brush = TBrush{piece.color, bsSolid};
        if (!piece.dashes.empty())
            StrokeDashes(canvas, piece);
        else if (piece.round)
            canvas.Ellipse(piece.rect);
        else
            canvas.FillRect(piece.rect);
    }
    canvas.Pen = pen;
    canvas.Brush = brush;
}

}  // namespace

TfrxView::TfrxView(QObject* owner)
    : TfrxReportComponent(owner), frame_(new TfrxFrame(this)), fill_(new TfrxBrushFill(this)),
      hyperlink_(new TfrxHyperlink(this))
{
    AddStyle(csDefaultDiff);
}

void TfrxView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
                    const TfrxDrawContext&) const
{
    const ViewDeviceRect rect = DeviceRectAt(scaleX, scaleY, offsetX, offsetY);
    PaintFill(canvas, rect);
    PaintFrame(canvas, rect);
}

ViewDeviceRect TfrxView::DeviceRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const
{
    return ComputeDeviceRect(QRectF(AbsLeft(), AbsTop(), Width(), Height()), *frame_, scaleX, scaleY, offsetX,
                             offsetY);
}

void TfrxView::PaintFill(TCanvas& canvas, const ViewDeviceRect& deviceRect) const
{
    const QRect rect = FillRectOf(deviceRect, frame_->Typ());
    const TBrush brush = canvas.Brush;
    if (fill_->BackColor() != clNone) {
        canvas.Brush = TBrush{fill_->BackColor(), bsSolid};
        canvas.FillRect(rect);
    }
    if (fill_->IsHatched()) {
        // A hatch over a transparent background.
        canvas.Brush = TBrush{fill_->ForeColor(), static_cast<TBrushStyle>(fill_->Style())};
        canvas.FillRect(rect);
    }
    canvas.Brush = brush;
}

void TfrxView::PaintFrame(TCanvas& canvas, const ViewDeviceRect& rect) const
{
    PaintPieces(canvas, ShadowPieces(rect, *frame_));
    PaintPieces(canvas, FramePieces(rect, *frame_));
}
