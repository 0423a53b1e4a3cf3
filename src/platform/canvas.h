#pragma once

#include "colors.h"
#include "font_desc.h"

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <optional>
#include <vector>

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle };
enum class TPenCap { Square, Flat, Round };

struct TPen {
    TColor color = clBlack;
    double width = 1;
    TPenStyle style = psSolid;
    std::vector<double> pattern;  // psUserStyle: on/off lengths in pixels at width 1
    TPenCap cap = TPenCap::Square;
};

enum class TTextAlign { Left, Center, Right };

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

struct TBrush {
    TColor color = clWhite;
    TBrushStyle style = bsSolid;
};

// A text the canvas put out, for search in the preview: the text and its cell.
struct RecordedText {
    QString text;
    QRectF bounds;
};

// A GDI-like drawing surface over a QPainter, so that the self-drawn controls and the report's
// output share one set of drawing rules on screen, printer and images. Rectangles follow the
// platform's convention: right and bottom edges are outside the shape.
class TCanvas {
public:
    explicit TCanvas(QPainter& painter) : painter_(&painter) {}
    virtual ~TCanvas() = default;

    TPen Pen;
    TBrush Brush;
    TFontDesc Font;

    QPainter& Painter() const { return *painter_; }

    // Lines: LineTo leaves out its end point, as the platform does.
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    QPoint PenPos() const { return penPos_; }
    // A line in floating coordinates with the pen's caps, for report output.
    void Line(QPointF from, QPointF to);
    // The same without anti-aliasing, so that a line whose edges and dashes fall on whole pixels
    // covers exactly those pixels.
    void AliasedLine(QPointF from, QPointF to);

    void FillRect(const QRect& rect);            // with the brush, no outline
    void FrameRect(const QRect& rect);           // one-pixel frame in the brush colour
    void Rectangle(const QRect& rect);           // pen outline, brush inside
    void Ellipse(const QRect& rect);
    void Polygon(const std::vector<QPoint>& points);
    void DrawFocusRect(const QRect& rect);       // dotted frame
    // Raised or sunken frame of `width` pixels; the rectangle shrinks by it.
    void Frame3D(QRect& rect, TColor topLeft, TColor bottomRight, int width);

    // Text with its cell's top-left at (x, y). An opaque brush fills the cell first.
    void TextOut(int x, int y, const QString& text);
    // The same, clipped to `clip`.
    void TextRect(const QRect& clip, int x, int y, const QString& text);
    // One line of text aligned horizontally in `rect` and centred vertically, not clipped.
    void DrawTextLine(const QRect& rect, const QString& text, TTextAlign align);
    // Text whose characters are placed by explicit advances (floating pixels), drawn as glyph
    // runs: one draw call per line and font rather than one per character. Virtual so that a
    // canvas can put such text out its own way.
    virtual void TextOutAdvances(QPointF topLeft, const QString& text, const std::vector<double>& advances);
    int TextWidth(const QString& text) const { return ::TextWidth(Font, text); }
    int TextHeight(const QString& text = QString()) const;
    QSize TextExtent(const QString& text) const { return ::TextExtent(Font, text); }

    // Clipping nests: PushClip intersects with the current clip, PopClip restores it. Only the
    // clip: other painter state set in between stays.
    void PushClip(const QRect& rect);
    void PopClip();

    // Every text output is added here when set.
    void SetTextRecorder(std::vector<RecordedText>* recorder) { recorder_ = recorder; }

protected:
    void Record(const QString& text, const QRectF& bounds);

private:
    // A font of placed text with what drawing it needs, kept for the few fonts a page alternates.
    struct TextFont {
        TFontDesc desc;
        QFont font;
        TextMetrics metrics;
    };
    const TextFont& TextFontOf(const TFontDesc& desc);

    QPen MakeQPen() const;
    QBrush MakeQBrush() const;

    QPainter* painter_;
    QPoint penPos_;
    std::vector<RecordedText>* recorder_ = nullptr;
    std::vector<QRect> clips_;           // each open level's clip: its rectangle and those below
    std::optional<QRegion> outerClip_;  // the painter's own clip under the first level
    std::vector<TextFont> textFonts_;  // the most recently used last
};

// The platform's on/off lengths of a pen style at width 1 (empty for solid and clear).
std::vector<double> DashPattern(TPenStyle style);
