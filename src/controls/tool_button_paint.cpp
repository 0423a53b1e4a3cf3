// Painting of the tool button: face, image and caption.
#include "tool_button.h"

#include "controls/accelerator.h"
#include "controls/image_list.h"
#include "controls/tool_button_layout.h"
#include "platform/canvas.h"
#include "platform/error_box.h"
#include "platform/visual_styles.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The latched look: a checkerboard of face and highlight pixels.
QBrush LatchedPattern()
{
    QImage pattern(2, 2, QImage::Format_RGB32);
    const QRgb face = ToQColor(clBtnFace).rgb(), highlight = ToQColor(clBtnHighlight).rgb();
    pattern.setPixel(0, 0, face);
    pattern.setPixel(1, 1, face);
    pattern.setPixel(1, 0, highlight);
    pattern.setPixel(0, 1, highlight);
    return QBrush(pattern);
}

}  // namespace

void TRzToolButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Guarded([&] { PaintTo(painter); });
}

void TRzToolButton::PaintTo(QPainter& painter)
{
    TCanvas canvas(painter);
    canvas.Font = font_;
    Paint(canvas);
}

void TRzToolButton::Paint(TCanvas& canvas)
{
    const TToolButtonState state = State();
    const ButtonFace face = FaceFor(visualStyle_, state, mouseInControl_, flat_);
    const QRect part = ButtonPartRect(rect(), toolStyle_);
    PaintFace(canvas, part, face);
    if (toolStyle_ == tsDropDown) {
        const QRect arrow = DropDownArrowRect(rect(), toolStyle_);
        PaintFace(canvas, arrow, face);
        PaintDropDownArrow(canvas, arrow);
    }
    PaintContent(canvas, part);
}

void TRzToolButton::PaintFace(TCanvas& canvas, QRect rect, ButtonFace face) const
{
    switch (face) {
    case ButtonFace::None: break;
    case ButtonFace::Raised: canvas.Frame3D(rect, clBtnHighlight, clBtnShadow, 1); break;
    case ButtonFace::Sunken: canvas.Frame3D(rect, clBtnShadow, clBtnHighlight, 1); break;
    case ButtonFace::RaisedEdge:
        canvas.Frame3D(rect, cl3DLight, cl3DDkShadow, 1);
        canvas.Frame3D(rect, clBtnHighlight, clBtnShadow, 1);
        break;
    case ButtonFace::SunkenEdge:
        canvas.Frame3D(rect, clBtnShadow, clBtnHighlight, 1);
        canvas.Frame3D(rect, cl3DDkShadow, cl3DLight, 1);
        break;
    case ButtonFace::Gradient:
    case ButtonFace::GradientReversed: {
        canvas.Brush = {selectionFrameColor_, bsSolid};
        canvas.FrameRect(rect);
        rect.adjust(1, 1, -1, -1);
        const bool reversed = face == ButtonFace::GradientReversed;
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
        gradient.setColorAt(0, ToQColor(reversed ? selectionColorStop_ : selectionColorStart_));
        gradient.setColorAt(1, ToQColor(reversed ? selectionColorStart_ : selectionColorStop_));
        canvas.Painter().fillRect(rect, gradient);
        return;
    }
    }
    if (state_ == TToolButtonState::Exclusive && isEnabled())
        canvas.Painter().fillRect(rect, LatchedPattern());
    else if (!transparent_) {
        canvas.Brush = {color_, bsSolid};
        canvas.FillRect(rect);
    }
}

void TRzToolButton::PaintDropDownArrow(TCanvas& canvas, const QRect& rect) const
{
    // A small downward triangle, five pixels wide, centred in the arrow part.
    const QColor ink = ToQColor(isEnabled() ? clBtnText : clBtnShadow);
    const int left = rect.left() + (rect.width() - 5) / 2 + (LooksPushed(State()) ? 1 : 0);
    const int top = rect.top() + (rect.height() - 3) / 2 + (LooksPushed(State()) ? 1 : 0);
    for (int row = 0; row < 3; ++row)
        canvas.Painter().fillRect(QRect(left + row, top + row, 5 - 2 * row, 1), ink);
}

void TRzToolButton::PaintContent(TCanvas& canvas, const QRect& part)
{
    const TToolButtonState state = State();
    const ImageChoice image = ChooseImage(EffectiveImages(), state, LooksHovered(state, mouseInControl_));
    ToolButtonContent content;
    content.bounds = part;
    content.imageSize = image.Drawn() ? image.list->Size() : QSize();
    content.caption = showCaption_ ? CaptionDisplayText(caption_) : QString();
    content.font = font_;
    content.layout = layout_;
    content.spacing = spacing_;
    content.alignment = alignment_;
    content.pushed = state == TToolButtonState::Down || state == TToolButtonState::Dropped;
    const ToolButtonContentLayout layout = LayoutToolButtonContent(content);

    if (image.Drawn())
        image.list->Draw(canvas, layout.imageRect.left(), layout.imageRect.top(), image.index, !image.greyed);
    if (layout.captionLines.isEmpty())
        return;
    canvas.Brush.style = bsClear;
    canvas.Font.color = CaptionColorFor(state, font_.color, VisualStyles::Instance().IsSystemStyle());
    const int lineHeight = TextHeight(font_);
    QRect line(layout.captionRect.left(), layout.captionRect.top(), layout.captionRect.width(), lineHeight);
    for (const QString& text : layout.captionLines) {
        canvas.DrawTextLine(line, text, TTextAlign::Center);
        line.translate(0, lineHeight);
    }
}
