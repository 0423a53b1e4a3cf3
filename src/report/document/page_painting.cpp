// Drawing a prepared page.
#include "preview_pages.h"

#include "report/custom_memo_view.h"
#include "report/report_page.h"
#include "report/report_units.h"
#include "report/view.h"

#include "platform/canvas.h"
#include "platform/rounding.h"

namespace {

bool DrawnOn(const TfrxView& view, TfrxDrawTarget target)
{
    return view.Visible() && (view.Visibility() & (target == dtPrinter ? vsPrint : vsPreview));
}

QRect PaperRect(const TfrxReportPage& page, double scaleX, double scaleY, double offsetX, double offsetY)
{
    return QRect(QPoint(RoundHalfEven(offsetX), RoundHalfEven(offsetY)),
                 QPoint(RoundHalfEven(page.PaperWidth() * fr01cm * scaleX + offsetX) - 1,
                        RoundHalfEven(page.PaperHeight() * fr01cm * scaleY + offsetY) - 1));
}

}  // namespace

void TfrxPreviewPages::DrawPage(int index, TCanvas& canvas, double scaleX, double scaleY, double offsetX,
                                double offsetY, TfrxDrawTarget target)
{
    TfrxReportPage* page = GetPage(index);
    if (!page)
        return;
    const QRect paper = PaperRect(*page, scaleX, scaleY, offsetX, offsetY);
    const bool onScreen = target == dtScreen;
    if (onScreen)
        canvas.PushClip(paper);
    if (page->Color() != clNone) {
        canvas.Brush = TBrush{page->Color(), bsSolid};
        canvas.FillRect(paper.adjusted(0, 0, 1, 1));
    }

    // Odd pages swap their side margins when the page mirrors them.
    const bool mirrored = page->MirrorMargins() && index % 2 == 1;
    const double leftMargin = mirrored ? page->RightMargin() : page->LeftMargin();
    offsetX += leftMargin * fr01cm * scaleX;
    offsetY += page->TopMargin() * fr01cm * scaleY;

    const int totalPages = Count();
    for (TfrxComponent* object : page->AllObjects()) {
        auto* view = qobject_cast<TfrxView*>(object);
        if (!view || !DrawnOn(*view, target))
            continue;
        if (auto* memo = qobject_cast<TfrxCustomMemoView*>(view)) {
            memo->SetTotalPages(totalPages);
            memo->SetCopyNo(1);
            memo->SetPrintScale(1);
        }
        view->Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    }
    if (onScreen)
        canvas.PopClip();
}

void TfrxPreviewPages::PaintPage(int index, QPainter& painter, double scale)
{
    TCanvas canvas(painter);
    DrawPage(index, canvas, scale, scale, 0, 0);
}
