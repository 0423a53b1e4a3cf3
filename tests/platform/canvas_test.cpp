#include "character_canvas.h"

#include "platform/canvas.h"
#include "platform/glyph_runs.h"
#include "platform/rounding.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace {

struct Surface {
    QImage image{20, 20, QImage::Format_RGB32};
    QPainter painter;
    TCanvas canvas{painter};
    Surface()
    {
        image.fill(Qt::white);
        painter.begin(&image);
    }
    QRgb At(int x, int y)
    {
        painter.end();
        const QRgb rgb = image.pixel(x, y) & 0xFFFFFF;
        painter.begin(&image);
        return rgb;
    }
};

constexpr QRgb kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kBlue = 0x0000FF;

}  // namespace

TEST(Canvas, LinesLeaveOutTheirEndPoint)
{
    Surface s;
    s.canvas.MoveTo(2, 5);
    s.canvas.LineTo(8, 5);
    EXPECT_EQ(s.At(2, 5), kBlack);
    EXPECT_EQ(s.At(7, 5), kBlack);
    EXPECT_EQ(s.At(8, 5), kWhite);
    EXPECT_EQ(s.canvas.PenPos(), QPoint(8, 5));
}

TEST(Canvas, RectangleKeepsRightAndBottomOutside)
{
    Surface s;
    s.canvas.Pen.color = clRed;
    s.canvas.Brush.color = clBlue;
    s.canvas.Rectangle(QRect(QPoint(2, 2), QPoint(9, 9)));  // 8 x 8
    EXPECT_EQ(s.At(2, 2), kRed);
    EXPECT_EQ(s.At(9, 9), kRed);
    EXPECT_EQ(s.At(5, 5), kBlue);
    EXPECT_EQ(s.At(10, 10), kWhite);
}

TEST(Canvas, Frame3DDrawsBothColoursAndShrinks)
{
    Surface s;
    QRect r(0, 0, 10, 10);
    s.canvas.Frame3D(r, clRed, clBlue, 2);
    EXPECT_EQ(r, QRect(2, 2, 6, 6));
    EXPECT_EQ(s.At(0, 0), kRed);
    EXPECT_EQ(s.At(1, 5), kRed);
    EXPECT_EQ(s.At(9, 9), kBlue);
    EXPECT_EQ(s.At(8, 5), kBlue);
    EXPECT_EQ(s.At(5, 5), kWhite);
}

TEST(Canvas, ClipsNestAndTextIsRecorded)
{
    Surface s;
    std::vector<RecordedText> texts;
    s.canvas.SetTextRecorder(&texts);
    s.canvas.Brush.color = clRed;
    s.canvas.PushClip(QRect(0, 0, 10, 10));
    s.canvas.PushClip(QRect(5, 5, 10, 10));
    s.canvas.FillRect(QRect(0, 0, 20, 20));
    s.canvas.PopClip();
    s.canvas.PopClip();
    EXPECT_EQ(s.At(4, 4), kWhite);
    EXPECT_EQ(s.At(6, 6), kRed);
    EXPECT_EQ(s.At(12, 12), kWhite);

    s.canvas.Brush.style = bsClear;
    s.canvas.TextOut(1, 2, QStringLiteral("Hi"));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, QStringLiteral("Hi"));
    EXPECT_EQ(texts[0].bounds.toRect(), QRect(1, 2, s.canvas.TextWidth(QStringLiteral("Hi")), 13));
}

TEST(Canvas, DottedPenLeavesGaps)
{
    Surface s;
    s.canvas.Pen.style = psDot;
    s.canvas.MoveTo(0, 3);
    s.canvas.LineTo(19, 3);
    int black = 0;
    for (int x = 0; x < 18; ++x)
        black += s.At(x, 3) == kBlack;
    EXPECT_GT(black, 6);
    EXPECT_LT(black, 12);
}

namespace {

// A line of text placed by explicit advances, drawn on a white picture by a canvas of type C.
struct PlacedLine {
    TFontDesc font;
    QString text;
    std::vector<double> advances;
    QPointF topLeft{3, 4};

    template <typename C>
    QImage Draw(std::vector<RecordedText>* records = nullptr) const
    {
        QImage image(480, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        C canvas(painter);
        canvas.Font = font;
        canvas.SetTextRecorder(records);
        canvas.TextOutAdvances(topLeft, text, advances);
        return image;
    }
};

TFontDesc Font(const char* name, int pixels, TFontStyles style = 0)
{
    TFontDesc font;
    font.name = QString::fromLatin1(name);
    font.height = -pixels;
    font.style = style;
    font.color = clBlack;
    return font;
}

// The font's own whole-pixel advances plus `extra` on every other character, one per UTF-16 unit
// (0 for the second unit of a pair).
std::vector<double> Advances(const TFontDesc& font, const QString& text, int extra = 0)
{
    const QFontMetricsF metrics(ToQFont(font));
    std::vector<double> advances;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        advances.push_back(RoundHalfEven(metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1))) + (i % 2) * extra);
        if (pair)
            advances.push_back(0);
        i += pair ? 1 : 0;
    }
    return advances;
}

PlacedLine Line(const TFontDesc& font, const QString& text, int extra = 0)
{
    return {font, text, Advances(font, text, extra)};
}

}  // namespace

TEST(CanvasText, GlyphRunsDrawWhatCharacterByCharacterDrawingDrew)
{
    const QString japanese = QStringLiteral("今日は雨でした。本を読みました。");
    const struct {
        const char* name;
        PlacedLine line;
    } cases[] = {
        {"Arial", Line(Font("Arial", 13), QStringLiteral("Walked \"far\" & back, 3 km."))},
        {"Arial bold, larger", Line(Font("Arial", 26, fsBold), QStringLiteral("2021/06/01 (Tue)"))},
        {"Tahoma, widened", Line(Font("Tahoma", 11), QStringLiteral("Letters <to> friends."), 2)},
        {"Tahoma, narrowed", Line(Font("Tahoma", 11), QStringLiteral("Letters <to> friends."), -1)},
        {"Japanese falling back from Tahoma", Line(Font("Tahoma", 13), japanese)},
        {"Japanese and Latin mixed", Line(Font("Arial", 13), QStringLiteral("Rain 雨 all day 一日中."), 1)},
        {"a character outside the BMP", Line(Font("Arial", 13), QStringLiteral("a\U00020BB7b"))},
        {"italic", Line(Font("Arial", 13, fsItalic), QStringLiteral("Slanted words"))},
        {"half-pixel places",
         PlacedLine{Font("Arial", 13), QStringLiteral("abc"), {6.5, 6.5, 6.5}, QPointF(3.5, 4)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage before = c.line.Draw<CharacterByCharacterCanvas>();
        const QImage after = c.line.Draw<TCanvas>();
        const PixelDifference difference = ComparePixels(before, after);
        EXPECT_EQ(difference.count, 0) << difference.Describe().toStdString();
        EXPECT_NE(before, QImage(before.size(), before.format())) << "something was drawn";
    }
}

TEST(CanvasText, EachCharacterLandsOnItsPlaceInOneRunPerFont)
{
    const QFont tahoma = ToQFont(Font("Tahoma", 13));
    const QString text = QStringLiteral("ab日本cd");
    const std::vector<double> advances{7, 8, 13, 13, 6, 5};
    const PlacedGlyphs placed = PlaceGlyphs(tahoma, text, advances, QPointF(10, 20));
    EXPECT_EQ(placed.endX, 10 + 7 + 8 + 13 + 13 + 6 + 5);
    ASSERT_EQ(placed.runs.size(), 3u) << "Latin, the fallback for Japanese, Latin again";
    EXPECT_EQ(placed.runs[0].rawFont(), placed.runs[2].rawFont());
    EXPECT_NE(placed.runs[0].rawFont(), placed.runs[1].rawFont());
    EXPECT_TRUE(placed.runs[1].rawFont().supportsCharacter(QChar(0x65E5)));
    QList<QPointF> positions;
    for (const QGlyphRun& run : placed.runs)
        positions += run.positions();
    EXPECT_EQ(positions, (QList<QPointF>{{10, 20}, {17, 20}, {25, 20}, {38, 20}, {51, 20}, {57, 20}}));

    // A surrogate pair is one character placed by the advance of its first unit.
    const PlacedGlyphs pair = PlaceGlyphs(tahoma, QStringLiteral("\U00020BB7x"), {13, 0, 7}, QPointF(0, 5));
    EXPECT_EQ(pair.endX, 20);
    QList<QPointF> pairPositions;
    for (const QGlyphRun& run : pair.runs)
        pairPositions += run.positions();
    EXPECT_EQ(pairPositions, (QList<QPointF>{{0, 5}, {13, 5}}));
}

TEST(CanvasText, PlacedTextIsRecordedWithItsCell)
{
    const PlacedLine line = Line(Font("Arial", 13), QStringLiteral("Read a book."), 1);
    std::vector<RecordedText> before, after;
    line.Draw<CharacterByCharacterCanvas>(&before);
    line.Draw<TCanvas>(&after);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].text, line.text);
    const double width = std::accumulate(line.advances.begin(), line.advances.end(), 0.0);
    EXPECT_EQ(after[0].bounds, QRectF(line.topLeft, QSizeF(width, TextHeight(line.font))));
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(before[0].bounds, after[0].bounds);
}

// Drawn character by character an underline broke wherever a character was placed further than
// its own width; a line's underline now runs unbroken under the whole line.
TEST(CanvasText, AnUnderlineRunsUnderTheWholeLine)
{
    const PlacedLine line = Line(Font("Arial", 13, fsUnderline), QStringLiteral("under lined"), 3);
    const QImage image = line.Draw<TCanvas>();
    const QImage plain = PlacedLine{Font("Arial", 13), line.text, line.advances}.Draw<TCanvas>();
    // The underline's row: dark under the underlined text, white without it.
    int row = -1;
    for (int y = 0; y < image.height() && row < 0; ++y)
        if (qGray(image.pixel(20, y)) < 128 && qGray(plain.pixel(20, y)) > 200)
            row = y;
    ASSERT_GE(row, 0);
    const int last = int(line.topLeft.x() + std::accumulate(line.advances.begin(), line.advances.end() - 1, 0.0));
    for (int x = int(line.topLeft.x()) + 1; x < last; ++x)
        EXPECT_LT(qGray(image.pixel(x, row)), 128) << x;
}
