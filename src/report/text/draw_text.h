#pragma once

#include "char_measurer.h"
#include "text_rect.h"

#include "report/base/report_types.h"

#include "platform/font_desc.h"

#include <QRecursiveMutex>
#include <QStringList>
#include <vector>

class TCanvas;

// Bits of a laid-out line: the first and the last line of its paragraph.
enum TextLineTag { ltParagraphStart = 1, ltParagraphEnd = 2 };

struct LaidOutLine {
    qsizetype start = 0;  // in the plain text
    qsizetype length = 0;
    int paragraph = 0;
    int tag = 0;
};

// Where wrapped lines may break: at spaces only, as report texts always have, or wherever a line
// may break in any script (for text that must not run past the edge of its room).
enum class LineBreaks { AtSpaces, AnyScript };

struct DrawTextOptions {
    bool wordWrap = true;
    bool htmlTags = false;  // kept; tags are drawn as text
    int rotation = 0;
    bool wysiwyg = true;
    bool clipped = true;
    bool wordBreak = false;  // kept; words are broken as without it
    bool rtl = false;
    LineBreaks lineBreaks = LineBreaks::AtSpaces;
};

// The measurer and drawer of report texts. Texts are measured with the object's font at 600 dots
// per inch against a 96-per-inch screen, so one measuring unit is 1/6.25 px and lines break at
// the same places on every device. One instance serves the whole process; hold its lock
// (DrawTextLock) from loading a text until its results have been read.
class TfrxDrawText {
public:
    static constexpr double kUnitsPerPixel = 6.25;
    static constexpr int kModelPixelsPerInch = 600;

    void SetFont(const TFontDesc& font);
    void SetOptions(const DrawTextOptions& options) { options_ = options; }
    void SetGaps(double lineSpacing, double charSpacing, double paragraphGap);
    void SetDimensions(const TextRect& unscaled, const TextRect& scaled, double printScale, double scaleY,
                       double scaleX);
    // Lays out the lines, each a paragraph, in the unscaled rectangle's width. With a first
    // paragraph break the text continues a paragraph: its first line takes the full width.
    void SetText(const QStringList& lines, bool firstParaBreak = false);
    // Whether the laid-out text starts, or ends, inside a paragraph.
    void SetParaBreaks(bool first, bool last);

    double LineHeight() const;
    double CalcHeight() const;
    double CalcWidth();
    // The height left below the last whole line that fits the unscaled rectangle.
    double UnusedSpace() const;
    // Drops the lines below the unscaled rectangle and returns their text; `paraBreak` tells
    // whether the cut falls inside a paragraph.
    QString GetOutBoundsText(bool& paraBreak);
    // The plain text still laid out: each paragraph followed by CR LF.
    QString GetInBoundsText() const { return plainText_; }
    void DrawText(TCanvas& canvas, TfrxHAlign hAlign, TfrxUnderlinesTextMode underlines, TfrxVAlign vAlign);

    const std::vector<LaidOutLine>& Lines() const { return lines_; }
    QString LineText(const LaidOutLine& line) const { return plainText_.mid(line.start, line.length); }
    QStringList WrappedLines() const;

    void Lock() { mutex_.lock(); }
    void Unlock() { mutex_.unlock(); }

private:
    // round(size * 600 / 72): the measuring font's em height in measuring units.
    int FontUnits() const;
    int FittingLineCount() const;
    int ToUnits(double pixels) const;
    CharMeasurer& Measuring() { return measurers_.For(measuringFont_); }
    // Measuring-unit advances of a line's characters, character spacing included.
    std::vector<int> ModelAdvances(QStringView text);
    void AppendParagraph(const QString& paragraph, int index, bool continues);

    TFontDesc font_;
    TFontDesc measuringFont_;
    CharMeasurerCache measurers_;
    DrawTextOptions options_;
    double lineSpacing_ = 0;
    double charSpacing_ = 0;
    double paragraphGap_ = 0;
    TextRect unscaled_;
    TextRect scaled_;
    double printScale_ = 1;
    double scaleX_ = 1;
    double scaleY_ = 1;
    QString plainText_;
    std::vector<LaidOutLine> lines_;
    QRecursiveMutex mutex_;
};

// The process-wide measurer.
TfrxDrawText& frxDrawText();

// Holds the measurer's lock for a scope.
class DrawTextLock {
public:
    explicit DrawTextLock(TfrxDrawText& drawText) : drawText_(drawText) { drawText_.Lock(); }
    ~DrawTextLock() { drawText_.Unlock(); }
    DrawTextLock(const DrawTextLock&) = delete;
    DrawTextLock& operator=(const DrawTextLock&) = delete;

private:
    TfrxDrawText& drawText_;
};
