#include "page_painter.h"

#include "preview_pages.h"

#include "report/base/report_units.h"
#include "report/model/report_page.h"
#include "report/views/custom_memo_view.h"
#include "report/views/view.h"

#include "platform/canvas.h"
#include "platform/rounding.h"

#include <QPaintEngine>
#include <QPainter>
#include <optional>

namespace {

// Objects within this many device pixels of the visible area are drawn: a frame or text may
// reach a little past an object's bounds.
constexpr int kVisibleMargin = 20;

bool DrawnOn(const TfrxView& view, TfrxDrawTarget target)
{
    return view.Visible() && (view.Visibility() & (target == dtPrinter ? vsPrint : vsPreview)) && !view.IsOwnerDraw();
}

QRect PaperRect(const TfrxReportPage& page, double scaleX, double scaleY, double offsetX, double offsetY)
{
    return QRect(QPoint(RoundHalfEven(offsetX), RoundHalfEven(offsetY)),
                 QPoint(RoundHalfEven(page.PaperWidth() * fr01cm * scaleX + offsetX) - 1,
                        RoundHalfEven(page.PaperHeight() * fr01cm * scaleY + offsetY) - 1));
}

// Where the printable area's corner lands on the device, the paper's corner being at the offsets.
// Odd pages swap their side margins when the page mirrors them.
QPointF PrintableCorner(const TfrxReportPage& page, int index, double scaleX, double scaleY, double offsetX,
                        double offsetY)
{
    const bool mirrored = page.MirrorMargins() && index % 2 == 1;
    const double leftMargin = mirrored ? page.RightMargin() : page.LeftMargin();
    return {offsetX + leftMargin * fr01cm * scaleX, offsetY + page.TopMargin() * fr01cm * scaleY};
}

// The part of the canvas that can still show anything, in its own coordinates; none for a
// recording device (a picture or a PDF file), which keeps everything drawn.
std::optional<QRectF> VisibleArea(QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    const QPaintEngine* engine = painter.paintEngine();
    if (!device || !engine || engine->type() == QPaintEngine::Picture || engine->type() == QPaintEngine::Pdf)
        return std::nullopt;
    QRegion region(0, 0, device->width(), device->height());
    if (!engine->systemClip().isEmpty())
        region &= engine->systemClip();
    QRectF area = painter.deviceTransform().inverted().mapRect(QRectF(region.boundingRect()));
    if (painter.hasClipping())
        area &= painter.clipBoundingRect();
    return area;
}

QRectF DeviceBounds(const TfrxView& view, double height, double scaleX, double scaleY, double offsetX, double offsetY)
{
    return QRectF(offsetX + view.AbsLeft() * scaleX, offsetY + view.AbsTop() * scaleY, view.Width() * scaleX,
                  height * scaleY)
        .normalized()
        .adjusted(-kVisibleMargin, -kVisibleMargin, kVisibleMargin, kVisibleMargin);
}

// A text that is not clipped shows all its lines, however high its bounds are, so it counts as
// visible when either its bounds or its text reach the visible area.
bool TouchesArea(const TfrxView& view, const QRectF& area, double scaleX, double scaleY, double offsetX, double offsetY)
{
    if (DeviceBounds(view, view.Height(), scaleX, scaleY, offsetX, offsetY).intersects(area))
        return true;
    const auto* memo = qobject_cast<const TfrxCustomMemoView*>(&view);
    return memo && !memo->Clipped()
        && DeviceBounds(view, memo->CalcHeight(), scaleX, scaleY, offsetX, offsetY).intersects(area);
}

// The paper's fill and frame, painted as a view over the whole paper paints its own.
void DrawBackground(const TfrxReportPage& page, TCanvas& canvas, double scaleX, double scaleY, double offsetX,
                    double offsetY)
{
    if (page.Color() == clNone && page.Frame()->Typ() == 0)
        return;
    TfrxView background;
    background.SetBounds(0, 0, page.PaperWidth() * fr01cm, page.PaperHeight() * fr01cm);
    background.Fill()->SetBackColor(page.Color());
    background.Frame()->Assign(*page.Frame());
    background.Draw(canvas, scaleX, scaleY, offsetX, offsetY);
}

}  // namespace

void TfrxPagePainter::PaintPage(int index, TCanvas& canvas, const TfrxPagePaint& paint) const
{
    const std::shared_ptr<const TfrxReportPage> page = pages_.PageToDraw(index);
    if (!page)
        return;
    const double scaleX = paint.scaleX;
    const double scaleY = paint.scaleY;
    const bool onScreen = paint.target == dtScreen;
    if (onScreen)
        canvas.PushClip(PaperRect(*page, scaleX, scaleY, paint.offsetX, paint.offsetY));
    DrawBackground(*page, canvas, scaleX, scaleY, paint.offsetX, paint.offsetY);

    const QPointF corner = PrintableCorner(*page, index, scaleX, scaleY, paint.offsetX, paint.offsetY);
    const std::optional<QRectF> visible = VisibleArea(canvas.Painter());
    for (const TfrxComponent* object : page->AllObjects()) {
        const auto* view = qobject_cast<const TfrxView*>(object);
        if (!view || !DrawnOn(*view, paint.target))
            continue;
        if (visible && !TouchesArea(*view, *visible, scaleX, scaleY, corner.x(), corner.y()))
            continue;
        view->Draw(canvas, scaleX, scaleY, corner.x(), corner.y(), paint.texts);
    }
    if (onScreen)
        canvas.PopClip();
}

std::shared_ptr<const TfrxView> TfrxPagePainter::ObjectOver(int index, QPointF point, const TfrxPagePaint& paint) const
{
    const std::shared_ptr<const TfrxReportPage> page = pages_.PageToDraw(index);
    if (!page)
        return nullptr;
    const QPointF corner = PrintableCorner(*page, index, paint.scaleX, paint.scaleY, paint.offsetX, paint.offsetY);
    const TfrxView* over = nullptr;
    for (const TfrxComponent* object : page->AllObjects()) {
        const auto* view = qobject_cast<const TfrxView*>(object);
        if (!view || !DrawnOn(*view, dtScreen))
            continue;
        const ViewDeviceRect rect = view->DeviceRectAt(paint.scaleX, paint.scaleY, corner.x(), corner.y());
        if (point.x() >= rect.x0 && point.x() <= rect.x1 && point.y() >= rect.y0 && point.y() <= rect.y1)
            over = view;
    }
    return over ? std::shared_ptr<const TfrxView>(page, over) : nullptr;
}
