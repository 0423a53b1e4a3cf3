// Painting the page area: background around the pages, the current page's frame, the pages.
#include "preview_workspace.h"

#include "report/document/preview_pages.h"

#include "platform/canvas.h"
#include "platform/errors.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

void TfrxPreviewWorkspace::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (locked_) {
        painter.drawPixmap(0, 0, lockedImage_);
        return;
    }
    const TfrxPageRange range = PagesToPaint(pageList_, PageAtTop());
    PaintBackground(painter, range);
    PaintActiveFrame(painter);
    for (int i = range.first; i <= range.last; ++i) {
        const QRect rect = PageRectInView(i);
        if (rect.intersects(viewport()->rect()))
            PaintPage(painter, i, rect);
    }
    PaintSelectRect(painter);
}

void TfrxPreviewWorkspace::PaintSelectRect(QPainter& painter)
{
    if (!down_ || !SelectionEnabled || selectRect_.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(ToQColor(0xC0C0C0), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selectRect_);
    painter.restore();
}

void TfrxPreviewWorkspace::PaintBackground(QPainter& painter, const TfrxPageRange& range)
{
    QRegion background(viewport()->rect());
    for (int i = range.first; i <= range.last; ++i)
        background -= PageRectInView(i);
    painter.save();
    painter.setClipRegion(background);
    painter.fillRect(viewport()->rect(), ToQColor(BackColor));
    painter.restore();
}

void TfrxPreviewWorkspace::PaintActiveFrame(QPainter& painter)
{
    if (activePage_ < 0 || activePage_ >= int(pageList_.size()))
        return;
    const QRect page = PageRectInView(activePage_);
    // The platform's rectangles end outside the shape; QRect's right() is inside it.
    const int left = page.left(), top = page.top();
    const int right = page.right() + 1, bottom = page.bottom() + 1;
    const QPoint frame[] = {{left - 1, top - 1}, {right + 1, top - 1}, {right + 1, bottom + 1},
                            {left - 1, bottom + 1}, {left - 1, top - 2}};
    painter.save();
    painter.setPen(QPen(ToQColor(ActiveFrameColor), 2));
    painter.drawPolyline(frame, 5);
    painter.restore();
}

void TfrxPreviewWorkspace::PaintPage(QPainter& painter, int index, const QRect& rect)
{
    TCanvas canvas(painter);
    canvas.Pen.color = FrameColor;
    canvas.Brush = TBrush{clWhite, bsSolid};
    canvas.Rectangle(rect);
    if (pages_) {
        try {
            pages_->DrawPage(index, canvas, zoom_, zoom_, rect.left(), rect.top());
        } catch (const Exception&) {
            // A damaged page stays blank; the other pages still show.
        }
    }
    if (IsThumbnail()) {
        TFontDesc font;
        font.name = QStringLiteral("Arial");
        font.SetSize(8);
        font.color = clWhite;
        canvas.Font = font;
        canvas.Brush = TBrush{BackColor, bsSolid};
        canvas.TextOut(rect.left() + 1, rect.top() + 1, QStringLiteral(" %1 ").arg(index + 1));
    }
    if (OnPaintPage)
        OnPaintPage(painter, index, rect);
}
