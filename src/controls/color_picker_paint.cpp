#include "color_picker.h"

#include "platform/visual_styles.h"

#include <QColor>

#include <algorithm>

namespace {

// Swatches and buttons sit this far inside their cells.
constexpr int kSwatchInset = 3;
// The hover frame of a button lies this far outside it.
constexpr int kButtonHoverGap = 2;
// The system band's line: below the band's top, and from the sides.
constexpr int kBandLineDepth = 4;
constexpr int kBandLineIndent = 3;
// Steps on the platform's 0-240 luminance scale by which the chosen cell's frame is darker.
constexpr int kChosenFrameDarkening = 20;
constexpr double kLuminanceScale = 240.0;

TColor DarkerByLuminance(TColor color, int steps)
{
    float hue = 0, saturation = 0, lightness = 0;
    ToQColor(color).getHslF(&hue, &saturation, &lightness);
    lightness = std::max(0.0f, lightness - static_cast<float>(steps / kLuminanceScale));
    return FromQColor(QColor::fromHslF(std::max(0.0f, hue), saturation, lightness));
}

}  // namespace

// Paints the palette's parts from its layout.
struct TRzColorPicker::Painter {
    const TRzColorPicker& picker;
    TCanvas& canvas;
    const PickerLayout layout;

    struct ButtonLook {
        TColor frame, face, text;
    };

    // A stored visual style decides the buttons' colours itself.
    ButtonLook Look() const
    {
        if (!VisualStyles::Instance().IsSystemStyle())
            return {clBtnShadow, clBtnFace, clBtnText};
        return {picker.FlatColor(), picker.buttonColor_, picker.buttonFontColor_};
    }

    void Fill(const QRect& rect, TColor color)
    {
        canvas.Brush = {color, bsSolid};
        canvas.FillRect(rect);
    }

    void Frame(const QRect& rect, TColor color)
    {
        canvas.Brush = {color, bsSolid};
        canvas.FrameRect(rect);
    }

    void PaintMark(const QRect& cell, int code)
    {
        const QRect inside = cell.adjusted(1, 1, -1, -1);
        if (code == picker.selColorIndex_) {
            Frame(cell, DarkerByLuminance(clHighlight, kChosenFrameDarkening));
            Fill(inside, clHighlight);
        } else if (code == picker.highlightColorIndex_) {
            Frame(cell, clHighlight);
            Fill(inside, clWindow);
        }
    }

    void PaintSwatchCell(const QRect& cell, TColor color, int code)
    {
        if (cell.isEmpty())
            return;
        PaintMark(cell, code);
        const QRect swatch = cell.adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset);
        Frame(swatch, clBtnShadow);
        Fill(swatch.adjusted(1, 1, -1, -1), color);
    }

    void PaintButton(const QRect& area, const QString& caption, bool marked)
    {
        if (area.isEmpty())
            return;
        const QRect button = area.adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset);
        if (marked)
            Frame(button.adjusted(-kButtonHoverGap, -kButtonHoverGap, kButtonHoverGap, kButtonHoverGap), clHighlight);
        const ButtonLook look = Look();
        Frame(button, look.frame);
        Fill(button.adjusted(1, 1, -1, -1), look.face);
        canvas.Font = picker.Font();
        canvas.Font.color = look.text;
        canvas.Brush.style = bsClear;
        canvas.DrawTextLine(button, caption, TTextAlign::Center);
    }

    void PaintSystemBand()
    {
        const QRect band = layout.SystemBand();
        if (band.isEmpty())
            return;
        canvas.Pen = TPen();
        canvas.Pen.color = clBtnShadow;
        canvas.MoveTo(band.left() + kBandLineIndent, band.top() + kBandLineDepth);
        canvas.LineTo(band.right() + 1 - kBandLineIndent, band.top() + kBandLineDepth);
    }

    void PaintGrid()
    {
        const int last = layout.Rows().showSystemColors ? kLastSystemCode : kStandardColorCount - 1;
        for (int code = 0; code <= last; ++code)
            PaintSwatchCell(layout.GridCell(code), GridColor(code), code);
    }

    void PaintAll(const QRect& client)
    {
        Fill(client, picker.Color());
        const int sel = picker.selColorIndex_, hover = picker.highlightColorIndex_;
        PaintButton(layout.NoColorRow(), picker.Caption(picker.noColorCaption_, "None"),
                    sel == kNoColorCode || hover == kNoColorCode);
        PaintButton(layout.DefaultButtonArea(), picker.Caption(picker.defaultColorCaption_, "Default"), false);
        PaintSwatchCell(layout.DefaultSwatchCell(), picker.defaultColor_, kDefaultColorCode);
        PaintGrid();
        PaintSystemBand();
        PaintButton(layout.MoreColorsArea(), picker.Caption(picker.customColorCaption_, "More Colors..."),
                    hover == kMoreColorsCode);
        PaintSwatchCell(layout.CustomSwatchCell(), picker.customColor_, kCustomColorCode);
    }
};

void TRzColorPicker::Paint(TCanvas& canvas)
{
    const QRect client = PaintFrame(canvas);
    Painter{*this, canvas, Layout()}.PaintAll(client);
}
