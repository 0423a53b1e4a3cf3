#include "canvas.h"

#include "glyph_runs.h"

#include <QFontMetricsF>
#include <QPaintEngine>

#include <algorithm>

std::vector<double> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QPen TCanvas::MakeQPen() const
{
    if (Pen.style == psClear)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(Pen.color));
    pen.setWidthF(Pen.width <= 1 ? 1 : Pen.width);
    pen.setCapStyle(Pen.cap == TPenCap::Flat ? Qt::FlatCap : Pen.cap == TPenCap::Round ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    const std::vector<double> pattern = Pen.style == psUserStyle ? Pen.pattern : DashPattern(Pen.style);
    if (!pattern.empty()) {
        // Qt measures dashes in pen widths; the pattern is in pixels at width 1 and grows with the pen.
        QList<qreal> dashes(pattern.begin(), pattern.end());
        pen.setDashPattern(dashes);
    }
    return pen;
}

QBrush TCanvas::MakeQBrush() const
{
    // bsFDiagonal runs down to the right, bsBDiagonal up to the right, as on the platform.
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush, Qt::HorPattern, Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(ToQColor(Brush.color), styles[Brush.style]);
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint from = penPos_;
    penPos_ = {x, y};
    if (Pen.style == psClear || from == penPos_)
        return;
    // Stop one pixel short of the end point along the dominant direction.
    QPoint end = penPos_;
    const int dx = end.x() - from.x(), dy = end.y() - from.y();
    if (std::abs(dx) >= std::abs(dy))
        end.rx() -= dx > 0 ? 1 : -1;
    else
        end.ry() -= dy > 0 ? 1 : -1;
    painter_->save();
    QPen pen = MakeQPen();
    if (Pen.width <= 1)
        pen.setCapStyle(Qt::SquareCap);
    painter_->setPen(pen);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    if (Pen.width <= 1 && (dx == 0 || dy == 0) && pen.style() == Qt::SolidLine)
        painter_->fillRect(QRect(QPoint(std::min(from.x(), end.x()), std::min(from.y(), end.y())),
                                 QPoint(std::max(from.x(), end.x()), std::max(from.y(), end.y()))),
                           ToQColor(Pen.color));
    else
        painter_->drawLine(from, end);
    painter_->restore();
}

void TCanvas::Line(QPointF from, QPointF to)
{
    if (Pen.style == psClear)
        return;
    painter_->save();
    painter_->setPen(MakeQPen());
    painter_->drawLine(from, to);
    painter_->restore();
}

void TCanvas::AliasedLine(QPointF from, QPointF to)
{
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    Line(from, to);
    painter_->restore();
}

void TCanvas::FillRect(const QRect& rect)
{
    if (Brush.style == bsClear || rect.isEmpty())
        return;
    painter_->fillRect(rect, MakeQBrush());
}

void TCanvas::FrameRect(const QRect& rect)
{
    if (rect.isEmpty())
        return;
    const QColor color = ToQColor(Brush.color);
    painter_->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter_->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter_->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter_->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

void TCanvas::Rectangle(const QRect& rect)
{
    if (rect.isEmpty())
        return;
    FillRect(rect);
    if (Pen.style == psClear)
        return;
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setPen(MakeQPen());
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(rect.adjusted(0, 0, -1, -1));
    painter_->restore();
}

void TCanvas::Ellipse(const QRect& rect)
{
    painter_->save();
    painter_->setPen(MakeQPen());
    painter_->setBrush(MakeQBrush());
    painter_->drawEllipse(rect.adjusted(0, 0, -1, -1));
    painter_->restore();
}

void TCanvas::Polygon(const std::vector<QPoint>& points)
{
    painter_->save();
    painter_->setPen(MakeQPen());
    painter_->setBrush(Brush.style == bsClear ? QBrush(Qt::NoBrush) : MakeQBrush());
    painter_->drawPolygon(points.data(), static_cast<int>(points.size()));
    painter_->restore();
}

void TCanvas::DrawFocusRect(const QRect& rect)
{
    if (rect.isEmpty())
        return;
    // Every other pixel along the edges, starting at the corner.
    const QColor color = ToQColor(Pen.color == clNone ? clBlack : Pen.color);
    auto dot = [&](int x, int y) {
        if (((x - rect.left()) + (y - rect.top())) % 2 == 0)
            painter_->fillRect(QRect(x, y, 1, 1), color);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
}

void TCanvas::Frame3D(QRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    const QColor tl = ToQColor(topLeft), br = ToQColor(bottomRight);
    for (int i = 0; i < width && !rect.isEmpty(); ++i) {
        painter_->fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), tl);
        painter_->fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), tl);
        painter_->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), br);
        painter_->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), br);
        rect.adjust(1, 1, -1, -1);
    }
}

int TCanvas::TextHeight(const QString&) const { return ::TextHeight(Font); }

void TCanvas::Record(const QString& text, const QRectF& bounds)
{
    if (recorder_ && !text.isEmpty())
        recorder_->push_back({text, bounds});
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    const TextMetrics m = FontMetrics(Font);
    const QRect cell(x, y, TextWidth(text), m.Height());
    FillRect(cell);
    painter_->save();
    painter_->setFont(ToQFont(Font));
    painter_->setPen(ToQColor(Font.color));
    painter_->drawText(QPointF(x, y + m.ascent), text);
    painter_->restore();
    Record(text, cell);
}

void TCanvas::TextRect(const QRect& clip, int x, int y, const QString& text)
{
    PushClip(clip);
    TextOut(x, y, text);
    PopClip();
}

void TCanvas::DrawTextLine(const QRect& rect, const QString& text, TTextAlign align)
{
    const QSize size = TextExtent(text);
    int x = rect.left();
    if (align == TTextAlign::Center)
        x = (rect.left() + rect.left() + rect.width() - size.width()) / 2;
    else if (align == TTextAlign::Right)
        x = rect.left() + rect.width() - size.width();
    const int y = (rect.top() + rect.top() + rect.height() - size.height()) / 2;
    TextOut(x, y, text);
}

const TCanvas::TextFont& TCanvas::TextFontOf(const TFontDesc& desc)
{
    constexpr size_t kFonts = 4;
    auto found = std::find_if(textFonts_.begin(), textFonts_.end(), [&](const TextFont& f) { return f.desc == desc; });
    if (found == textFonts_.end()) {
        if (textFonts_.size() == kFonts)
            textFonts_.erase(textFonts_.begin());
        textFonts_.push_back({desc, ToQFont(desc), FontMetrics(desc)});
    } else if (found + 1 != textFonts_.end()) {
        std::rotate(found, found + 1, textFonts_.end());
    }
    return textFonts_.back();
}

void TCanvas::TextOutAdvances(QPointF topLeft, const QString& text, const std::vector<double>& advances)
{
    const TextFont& font = TextFontOf(Font);
    const TextMetrics& m = font.metrics;
    // A PDF keeps the text for copying, searching and reading aloud, so its words must read as words.
    const QPaintEngine* engine = painter_->paintEngine();
    const GlyphPlacement placement =
        engine && engine->type() == QPaintEngine::Pdf ? GlyphPlacement::Readable : GlyphPlacement::Exact;
    const PlacedGlyphs line = PlaceGlyphs(font.font, text, advances, {topLeft.x(), topLeft.y() + m.ascent}, placement);
    const QPen pen = painter_->pen();
    painter_->setPen(ToQColor(Font.color));
    for (const QGlyphRun& run : line.runs)
        painter_->drawGlyphRun(QPointF(), run);
    painter_->setPen(pen);
    Record(text, QRectF(topLeft, QPointF(line.endX, topLeft.y() + m.Height())));
}

// The painter's clip is set anew rather than saved and restored with the rest of its state, which
// costs much more for every text drawn.
void TCanvas::PushClip(const QRect& rect)
{
    if (clips_.empty())
        outerClip_ = painter_->hasClipping() ? std::optional<QRegion>(painter_->clipRegion()) : std::nullopt;
    clips_.push_back(clips_.empty() ? rect : clips_.back() & rect);
    painter_->setClipRect(rect, painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::PopClip()
{
    if (clips_.empty())
        return;
    clips_.pop_back();
    if (outerClip_)
        painter_->setClipRegion(*outerClip_);
    if (!clips_.empty())
        painter_->setClipRect(clips_.back(), outerClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    else if (!outerClip_)
        painter_->setClipping(false);
}
