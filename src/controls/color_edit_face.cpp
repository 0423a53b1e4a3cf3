#include "color_edit_face.h"

#include "platform/canvas.h"

#include <algorithm>

namespace {

constexpr int kEditFrameWidth = 2;
// The drop-down button is as wide as a vertical scroll bar.
constexpr int kScrollBarWidth = 17;
constexpr int kSwatchMargin = 2;
// The button's arrow: rows of 7, 5, 3 and 1 pixels.
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 4;

void FillArrow(TCanvas& canvas, QPoint topLeft, TColor color)
{
    canvas.Brush = {color, bsSolid};
    for (int row = 0; row < kArrowHeight; ++row)
        canvas.FillRect(QRect(topLeft.x() + row, topLeft.y() + row, kArrowWidth - 2 * row, 1));
}

}  // namespace

ColorEditFace ColorEditFaceLayout(QSize size, bool buttonVisible, DropButtonSide side)
{
    ColorEditFace face;
    face.inside = QRect(QPoint(0, 0), size).adjusted(kEditFrameWidth, kEditFrameWidth, -kEditFrameWidth, -kEditFrameWidth);
    QRect client = face.inside;
    if (buttonVisible) {
        const int width = std::min(kScrollBarWidth, client.width());
        if (side == DropButtonSide::Right) {
            face.button = QRect(client.left() + client.width() - width, client.top(), width, client.height());
            client.setWidth(client.width() - width);
        } else {
            face.button = QRect(client.left(), client.top(), width, client.height());
            client.setLeft(client.left() + width);
        }
    }
    face.swatch = client.adjusted(kSwatchMargin, kSwatchMargin, -kSwatchMargin, -kSwatchMargin);
    return face;
}

void PaintEditFrame(TCanvas& canvas, QRect rect)
{
    canvas.Frame3D(rect, clBtnShadow, clBtnHighlight, 1);
    canvas.Frame3D(rect, cl3DDkShadow, cl3DLight, 1);
}

void PaintDropButton(TCanvas& canvas, const QRect& button, DropButtonState state)
{
    if (button.isEmpty())
        return;
    QRect face = button;
    if (state == DropButtonState::Pushed) {
        canvas.Brush = {clBtnShadow, bsSolid};
        canvas.FrameRect(face);
        face.adjust(1, 1, -1, -1);
    } else {
        canvas.Frame3D(face, cl3DLight, cl3DDkShadow, 1);
        canvas.Frame3D(face, clBtnHighlight, clBtnShadow, 1);
    }
    canvas.Brush = {clBtnFace, bsSolid};
    canvas.FillRect(face);
    // The arrow sits in the middle of the whole button and moves with it when pushed.
    QPoint arrow(button.left() + (button.width() - kArrowWidth) / 2, button.top() + (button.height() - kArrowHeight) / 2);
    switch (state) {
    case DropButtonState::Normal: FillArrow(canvas, arrow, clBtnText); break;
    case DropButtonState::Pushed: FillArrow(canvas, arrow + QPoint(1, 1), clBtnText); break;
    case DropButtonState::Inactive:
        FillArrow(canvas, arrow + QPoint(1, 1), clBtnHighlight);
        FillArrow(canvas, arrow, clBtnShadow);
        break;
    }
}

void PaintColorFace(TCanvas& canvas, const QRect& swatch, TColor color, bool marked)
{
    if (swatch.isEmpty())
        return;
    if (color == clNone) {
        const TColor ink = marked ? clBtnShadow : clBtnFace;
        canvas.Brush = {ink, bsSolid};
        canvas.FrameRect(swatch);
        canvas.Brush = {ink, bsBDiagonal};
        canvas.FillRect(swatch.adjusted(1, 1, -1, -1));
    } else {
        canvas.Brush = {clBtnShadow, bsSolid};
        canvas.FrameRect(swatch);
        canvas.Brush = {color, bsSolid};
        canvas.FillRect(swatch.adjusted(1, 1, -1, -1));
    }
    if (marked) {
        canvas.Pen.color = clWindowText;
        canvas.DrawFocusRect(swatch);
    }
}
