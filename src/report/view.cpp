#include "view.h"

#include "frame_geometry.h"

#include "platform/canvas.h"

namespace {

// Paints pieces with a solid brush and no pen, leaving the canvas's tools as they were.
void PaintPieces(TCanvas& canvas, const std::vector<FramePiece>& pieces)
{
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    canvas.Pen.style = psClear;
    for (const FramePiece& piece : pieces) {
        canvas.Brush = TBrush{piece.color, bsSolid};
        if (piece.round)
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

void TfrxView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY)
{
    PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintFill(canvas);
    PaintFrame(canvas);
}

void TfrxView::PrepareDrawing(TCanvas&, double scaleX, double scaleY, double offsetX, double offsetY)
{
    deviceRect_ = ComputeDeviceRect(QRectF(AbsLeft(), AbsTop(), Width(), Height()), *frame_, scaleX, scaleY,
                                    offsetX, offsetY);
}

void TfrxView::PaintFill(TCanvas& canvas)
{
    const QRect rect = FillRectOf(deviceRect_, frame_->Typ());
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

void TfrxView::PaintFrame(TCanvas& canvas)
{
    PaintPieces(canvas, ShadowPieces(deviceRect_, *frame_));
    PaintPieces(canvas, FramePieces(deviceRect_, *frame_));
}
