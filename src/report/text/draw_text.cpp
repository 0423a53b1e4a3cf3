#include "draw_text.h"

#include "line_break_wrap.h"
#include "text_wrap.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

TfrxDrawText& frxDrawText()
{
    // Never freed: fonts must not outlive the application object at exit.
    static TfrxDrawText* instance = new TfrxDrawText;
    return *instance;
}

int TfrxDrawText::FontUnits() const { return RoundHalfEven(font_.Size() * double(kModelPixelsPerInch) / 72); }

int TfrxDrawText::ToUnits(double pixels) const { return RoundHalfEven(kUnitsPerPixel * pixels); }

void TfrxDrawText::SetFont(const TFontDesc& font)
{
    font_ = font;
    measuringFont_ = font;
    measuringFont_.height = -FontUnits();
    measuringFont_.pixelsPerInch = kModelPixelsPerInch;
}

void TfrxDrawText::SetGaps(double lineSpacing, double charSpacing, double paragraphGap)
{
    lineSpacing_ = lineSpacing;
    charSpacing_ = charSpacing;
    paragraphGap_ = paragraphGap;
}

void TfrxDrawText::SetDimensions(const TextRect& unscaled, const TextRect& scaled, double printScale, double scaleY,
                                 double scaleX)
{
    unscaled_ = unscaled;
    scaled_ = scaled;
    printScale_ = printScale;
    scaleY_ = scaleY;
    scaleX_ = scaleX;
}

std::vector<int> TfrxDrawText::ModelAdvances(QStringView text)
{
    std::vector<int> advances = Measuring().Advances(text);
    const int spacing = ToUnits(charSpacing_);
    for (int& advance : advances)
        advance += spacing;
    return advances;
}

void TfrxDrawText::AppendParagraph(const QString& paragraph, int index, bool continues)
{
    const bool sideways = (options_.rotation >= 90 && options_.rotation < 180) || options_.rotation >= 270;
    const int wrapWidth = sideways ? unscaled_.Height() : unscaled_.Width();
    const int fullWidth = ToUnits(wrapWidth);
    const int firstWidth = continues ? fullWidth : ToUnits(wrapWidth - paragraphGap_);

    std::vector<int64_t> extents;
    int64_t extent = 0;
    for (int advance : ModelAdvances(paragraph))
        extents.push_back(extent += advance);
    const std::vector<WrappedLine> wrapped =
        options_.wordWrap && options_.lineBreaks == LineBreaks::AnyScript
            ? WrapParagraphAtLineBreaks(paragraph, extents, firstWidth, fullWidth)
            : WrapParagraph(paragraph, extents, firstWidth, fullWidth, options_.wordWrap);

    const qsizetype offset = plainText_.size();
    for (size_t i = 0; i < wrapped.size(); ++i) {
        int tag = 0;
        if (i == 0 && !continues)
            tag |= ltParagraphStart;
        if (i + 1 == wrapped.size())
            tag |= ltParagraphEnd;
        lines_.push_back({offset + wrapped[i].start, wrapped[i].length, index, tag});
    }
    plainText_ += paragraph + QStringLiteral("\r\n");
}

void TfrxDrawText::SetText(const QStringList& lines, bool firstParaBreak)
{
    plainText_.clear();
    lines_.clear();
    for (int i = 0; i < lines.size(); ++i) {
        // An empty paragraph still takes a line.
        const QString paragraph = lines[i].isEmpty() ? QStringLiteral(" ") : lines[i];
        AppendParagraph(paragraph, i, i == 0 && firstParaBreak);
    }
}

void TfrxDrawText::SetParaBreaks(bool first, bool last)
{
    if (lines_.empty())
        return;
    if (first)
        lines_.front().tag &= ~ltParagraphStart;
    if (last)
        lines_.back().tag &= ~ltParagraphEnd;
}

QStringList TfrxDrawText::WrappedLines() const
{
    QStringList result;
    for (const LaidOutLine& line : lines_)
        result << LineText(line);
    return result;
}

double TfrxDrawText::LineHeight() const { return FontUnits() / kUnitsPerPixel + lineSpacing_; }

double TfrxDrawText::CalcHeight() const
{
    if (lines_.empty())
        return 0;
    double height = double(lines_.size()) * LineHeight();
    if (lineSpacing_ < 0)
        height += -lineSpacing_;
    if (font_.Size() > 12) {
        // Large fonts reach below the em box.
        const double below = (TextHeight(measuringFont_) - FontUnits()) / kUnitsPerPixel;
        height += std::max(0.0, below);
    }
    return height;
}

double TfrxDrawText::CalcWidth()
{
    int64_t widest = 0;
    for (const LaidOutLine& line : lines_) {
        int64_t width = Measuring().Width(LineText(line)) + ToUnits(double(line.length) * charSpacing_);
        if (line.tag & ltParagraphStart)
            width += ToUnits(paragraphGap_);
        widest = std::max(widest, width);
    }
    return double(widest) / kUnitsPerPixel;
}

int TfrxDrawText::FittingLineCount() const
{
    const double height = unscaled_.Height() + 1;
    const double count = std::trunc(height / LineHeight());
    return int(std::clamp(count, 0.0, double(lines_.size())));
}

double TfrxDrawText::UnusedSpace() const
{
    const double height = unscaled_.Height() + 1;
    const double count = std::trunc(height / LineHeight());
    if (count <= 0)
        return 0;
    const double unused = height - count * LineHeight();
    return unused == 0 ? 0.0001 : unused;
}

QString TfrxDrawText::GetOutBoundsText(bool& paraBreak)
{
    paraBreak = false;
    const int fitting = FittingLineCount();
    if (fitting >= int(lines_.size()))
        return QString();
    const LaidOutLine& firstCut = lines_[size_t(fitting)];
    const bool insideParagraph = fitting > 0 && lines_[size_t(fitting - 1)].paragraph == firstCut.paragraph;
    paraBreak = insideParagraph;
    QString out = plainText_.mid(firstCut.start);
    if (insideParagraph && out.startsWith(u' '))
        out.remove(0, 1);
    plainText_.truncate(firstCut.start);
    lines_.resize(size_t(fitting));
    return out;
}
