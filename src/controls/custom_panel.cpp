#include "custom_panel.h"

#include "controls/assign_changed.h"
#include "platform/canvas.h"
#include "platform/error_box.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

// One ring of a frame: the colour of its top and left lines and of its bottom and right lines.
struct Ring {
    TColor topLeft;
    TColor bottomRight;
};

// Draws one 1-pixel ring on the chosen sides and shrinks the rectangle on those sides.
void DrawRing(TCanvas& canvas, QRect& rect, Ring ring, TSides sides)
{
    QPainter& painter = canvas.Painter();
    const QColor topLeft = ToQColor(ring.topLeft), bottomRight = ToQColor(ring.bottomRight);
    const int rightEnd = sides.Contains(sdRight) ? 1 : 0, bottomEnd = sides.Contains(sdBottom) ? 1 : 0;
    if (sides.Contains(sdTop))
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - rightEnd, 1), topLeft);
    if (sides.Contains(sdLeft))
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - bottomEnd), topLeft);
    if (sides.Contains(sdBottom))
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    if (sides.Contains(sdRight))
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    rect.adjust(sides.Contains(sdLeft), sides.Contains(sdTop), -rightEnd, -bottomEnd);
}

}  // namespace

int FrameStyleWidth(TFrameStyle style, int bevelWidth)
{
    switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
    }
}

QMargins FrameMargins(const TPanelFrame& frame)
{
    const int edge = FrameStyleWidth(frame.outer, frame.bevelWidth) + FrameStyleWidth(frame.inner, frame.bevelWidth);
    auto side = [&](TSide s) { return (frame.sides.Contains(s) ? edge : 0) + frame.borderWidth; };
    return {side(sdLeft), side(sdTop), side(sdRight), side(sdBottom)};
}

TRzCustomPanel::TRzCustomPanel(QWidget* parent) : QWidget(parent)
{
    // Every paint covers the whole control, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

template <typename T>
void TRzCustomPanel::SetFrameValue(T& field, T value)
{
    if (AssignChanged(field, value))
        FrameChanged();
}

void TRzCustomPanel::SetBorderOuter(TFrameStyle style) { SetFrameValue(frame_.outer, style); }
void TRzCustomPanel::SetBorderInner(TFrameStyle style) { SetFrameValue(frame_.inner, style); }
void TRzCustomPanel::SetBorderSides(TSides sides) { SetFrameValue(frame_.sides, sides); }
void TRzCustomPanel::SetBorderWidth(int width) { SetFrameValue(frame_.borderWidth, std::max(0, width)); }
void TRzCustomPanel::SetBevelWidth(int width) { SetFrameValue(frame_.bevelWidth, std::max(0, width)); }
void TRzCustomPanel::SetBorderColor(TColor color) { SetFrameValue(borderColor_, color); }
void TRzCustomPanel::SetBorderHighlight(TColor color) { SetFrameValue(borderHighlight_, color); }
void TRzCustomPanel::SetBorderShadow(TColor color) { SetFrameValue(borderShadow_, color); }
void TRzCustomPanel::SetFlatColor(TColor color) { SetFrameValue(flatColor_, color); }
void TRzCustomPanel::SetFlatColorAdjustment(int amount) { SetFrameValue(flatColorAdjustment_, amount); }

void TRzCustomPanel::SetColor(TColor color)
{
    if (AssignChanged(color_, color))
        update();
}

void TRzCustomPanel::SetFont(const TFontDesc& font)
{
    if (AssignChanged(font_, font))
        FontChanged();
}

TColor TRzCustomPanel::AdjustedFlatColor() const
{
    const TColor rgb = ColorToRGB(flatColor_);
    auto channel = [&](int value) { return std::clamp(value - flatColorAdjustment_, 0, 255); };
    return RGB(channel(GetRValue(rgb)), channel(GetGValue(rgb)), channel(GetBValue(rgb)));
}

void TRzCustomPanel::PaintFrameStyle(TCanvas& canvas, QRect& rect, TFrameStyle style) const
{
    const TColor hi = borderHighlight_, sh = borderShadow_, flat = AdjustedFlatColor();
    std::vector<Ring> rings;
    switch (style) {
    case fsNone: break;
    case fsFlat: rings = {{flat, flat}}; break;
    case fsFlatBold:
    case fsFlatRounded: rings = {{flat, flat}, {flat, flat}}; break;
    case fsGroove: rings = {{sh, hi}, {hi, sh}}; break;
    case fsBump: rings = {{hi, sh}, {sh, hi}}; break;
    case fsLowered: rings = {{sh, hi}, {cl3DDkShadow, cl3DLight}}; break;
    case fsRaised: rings = {{cl3DLight, cl3DDkShadow}, {hi, sh}}; break;
    case fsButtonDown: rings = {{cl3DDkShadow, hi}, {sh, cl3DLight}}; break;
    case fsButtonUp: rings = {{hi, cl3DDkShadow}, {cl3DLight, sh}}; break;
    case fsStatus: rings.assign(frame_.bevelWidth, Ring{sh, hi}); break;
    case fsPopup: rings.assign(frame_.bevelWidth, Ring{hi, sh}); break;
    }
    for (const Ring& ring : rings)
        DrawRing(canvas, rect, ring, frame_.sides);
}

QRect TRzCustomPanel::PaintFrame(TCanvas& canvas) const
{
    QRect rect = this->rect();
    PaintFrameStyle(canvas, rect, frame_.outer);
    if (frame_.borderWidth > 0) {
        const QRect outer = rect;
        rect.adjust(frame_.borderWidth, frame_.borderWidth, -frame_.borderWidth, -frame_.borderWidth);
        QPainter& painter = canvas.Painter();
        const QRegion gap = QRegion(outer).subtracted(QRegion(rect));
        for (const QRect& part : gap)
            painter.fillRect(part, ToQColor(borderColor_));
    }
    PaintFrameStyle(canvas, rect, frame_.inner);
    return rect;
}

void TRzCustomPanel::Paint(TCanvas& canvas)
{
    const QRect inside = PaintFrame(canvas);
    canvas.Brush = {color_, bsSolid};
    canvas.FillRect(inside);
}

void TRzCustomPanel::PaintTo(QPainter& painter, std::vector<RecordedText>* texts)
{
    TCanvas canvas(painter);
    canvas.Font = font_;
    canvas.SetTextRecorder(texts);
    Paint(canvas);
}

void TRzCustomPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Guarded([&] { PaintTo(painter); });
}

void TRzCustomPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (handleAllocated_)
        return;
    handleAllocated_ = true;
    Guarded([this] { CreateWnd(); });
}

void TRzCustomPanel::RecreateWnd()
{
    if (handleAllocated_)
        CreateWnd();
}
