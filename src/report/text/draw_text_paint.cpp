#include "draw_text.h"
#include "text_placement.h"

#include "platform/canvas.h"
#include "platform/rounding.h"

#include <QPaintDevice>
#include <cmath>
#include <numeric>

namespace {

// How model pixels become device pixels: on the screen by the drawing's scale, on a printer by
// its resolution and the print scale.
struct DeviceScale {
    double x = 1;
    double y = 1;
    int fontPixels = 0;
};

DeviceScale DeviceScaleOf(const TCanvas& canvas, int fontSize, double scaleX, double scaleY, double printScale)
{
    const QPaintDevice* device = canvas.Painter().device();
    if (device && device->devType() == QInternal::Printer) {
        return {device->logicalDpiX() / 96.0 * printScale, device->logicalDpiY() / 96.0 * printScale,
                RoundHalfEven(device->logicalDpiY() * fontSize * printScale / 72)};
    }
    return {scaleX, scaleY, RoundHalfEven(fontSize * scaleY * 96 / 72)};
}

std::vector<double> ToDoubles(const std::vector<int>& values) { return {values.begin(), values.end()}; }

}  // namespace

void TfrxDrawText::DrawText(TCanvas& canvas, TfrxHAlign hAlign, TfrxUnderlinesTextMode, TfrxVAlign vAlign)
{
    if (lines_.empty())
        return;
    const DeviceScale device = DeviceScaleOf(canvas, font_.Size(), scaleX_, scaleY_, printScale_);
    TFontDesc deviceFont = font_;
    deviceFont.height = -device.fontPixels;
    deviceFont.pixelsPerInch = 96;

    CharMeasurer& deviceMeasurer = measurers_.For(deviceFont);
    const int count = int(lines_.size());
    int modelHeight =
        RoundHalfEven(count * (lineSpacing_ * kUnitsPerPixel + FontUnits()) / kUnitsPerPixel * device.y);
    if (lineSpacing_ < 0 && vAlign != vaTop)
        modelHeight += RoundHalfEven(std::abs(2 * lineSpacing_));
    const int step = RoundHalfEven(lineSpacing_ * scaleY_) + device.fontPixels;
    int firstTop = scaled_.top;
    if (vAlign == vaBottom)
        firstTop += scaled_.Height() - modelHeight;
    else if (vAlign == vaCenter)
        firstTop += RoundHalfEven((scaled_.Height() - modelHeight) / 2.0);
    const std::vector<int> tops = LineTops(firstTop, count, step, modelHeight, options_.wysiwyg);

    const TFontDesc savedFont = canvas.Font;
    canvas.Font = deviceFont;
    if (options_.clipped)
        canvas.PushClip(scaled_.ToQRect());
    const bool boldOrItalic = font_.style & (fsBold | fsItalic);
    const int available = scaled_.Width();
    const int indent = RoundHalfEven(paragraphGap_ * scaleX_);
    const int deviceSpacing = RoundHalfEven(charSpacing_ * device.x);
    for (int i = 0; i < count; ++i) {
        const LaidOutLine& line = lines_[size_t(i)];
        const QString text = LineText(line);
        std::vector<int> deviceAdvances = deviceMeasurer.Advances(text);
        for (int& advance : deviceAdvances)
            advance += deviceSpacing;
        std::vector<int> advances =
            CharacterAdvances(ModelAdvances(text), std::move(deviceAdvances), device.x, options_.wysiwyg);
        const bool startsParagraph = line.tag & ltParagraphStart;
        const int lineIndent = startsParagraph && (hAlign == haLeft || hAlign == haBlock) ? indent : 0;
        TfrxHAlign align = hAlign;
        if (hAlign == haBlock) {
            const int width = std::accumulate(advances.begin(), advances.end(), 0);
            const bool justified = !(line.tag & ltParagraphEnd) &&
                                   JustifyLine(text, advances, available - lineIndent - width);
            align = justified || !options_.rtl ? haLeft : haRight;
        }
        const int width = std::accumulate(advances.begin(), advances.end(), 0);
        const int x = LineStartX(align, scaled_.left, available, width, lineIndent, boldOrItalic);
        canvas.TextOutAdvances(QPointF(x, tops[size_t(i)]), text, ToDoubles(advances));
    }
    if (options_.clipped)
        canvas.PopClip();
    canvas.Font = savedFont;
}
