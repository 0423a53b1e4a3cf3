#include "report/views/frame_geometry.h"
#include "report/views/view.h"
#include "report/views/view_geometry.h"

#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A plain view at (10, 10), 20 x 10 px, drawn on a white image at the given scale.
struct FramedView {
    TfrxView view;
    FramedView(TfrxFrameTypes sides, TfrxFrameStyle style = fsSolid)
    {
        view.SetBounds(10, 10, 20, 10);
        view.Frame()->SetTyp(sides);
        view.Frame()->SetStyle(style);
    }
    QImage Render(double scale)
    {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TCanvas canvas(painter);
        view.Draw(canvas, scale, scale, 0, 0);
        return image;
    }
};

char Pixel(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y) & 0xFFFFFF;
    switch (c) {
    case 0x000000: return '#';
    case 0xFFFFFF: return '.';
    case 0xFF0000: return 'r';
    case 0x0000FF: return 'b';
    default: return '?';
    }
}

// The pixels of row y from x0 to x1 (both included) as characters.
std::string Row(const QImage& image, int y, int x0, int x1)
{
    std::string row;
    for (int x = x0; x <= x1; ++x)
        row += Pixel(image, x, y);
    return row;
}

std::string Column(const QImage& image, int x, int y0, int y1)
{
    std::string column;
    for (int y = y0; y <= y1; ++y)
        column += Pixel(image, x, y);
    return column;
}

int CountNotWhite(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += Pixel(image, x, y) != '.';
    return count;
}

std::string Repeat(const std::string& unit, size_t length)
{
    std::string s;
    while (s.size() < length)
        s += unit;
    return s.substr(0, length);
}

TEST(FramePainting, ASolidFrameClosesItsCornersAtEveryScale)
{
    FramedView v(ftLeft | ftRight | ftTop | ftBottom);
    const QImage one = v.Render(1);
    // One pixel wide on the positions 10 and 30, 10 and 20, both ends included.
    EXPECT_EQ(Row(one, 10, 9, 31), "." + std::string(21, '#') + ".");
    EXPECT_EQ(Row(one, 15, 9, 31), ".#" + std::string(19, '.') + "#.");
    EXPECT_EQ(Row(one, 20, 9, 31), "." + std::string(21, '#') + ".");
    EXPECT_EQ(CountNotWhite(one), 60);

    // Two pixels wide, centred on 20/60 and 20/40: the square caps reach into the corners.
    const QImage two = v.Render(2);
    EXPECT_EQ(Row(two, 19, 18, 61), "." + std::string(42, '#') + ".");
    EXPECT_EQ(Row(two, 21, 18, 61), ".##" + std::string(38, '.') + "##.");
    EXPECT_EQ(Column(two, 19, 18, 41), "." + std::string(22, '#') + ".");
    EXPECT_EQ(CountNotWhite(two), 42 * 22 - 38 * 18);
}

TEST(FramePainting, ALoneSolidSideEndsFlushWithTheRectangle)
{
    FramedView v(ftTop);
    EXPECT_EQ(Row(v.Render(1), 10, 9, 31), "." + std::string(21, '#') + ".");
    EXPECT_EQ(CountNotWhite(v.Render(1)), 21);
    const QImage two = v.Render(2);
    EXPECT_EQ(Row(two, 19, 19, 60), "." + std::string(40, '#') + ".");
    EXPECT_EQ(Row(two, 20, 19, 60), "." + std::string(40, '#') + ".");
    EXPECT_EQ(CountNotWhite(two), 80);

    // A wider side: three pixels across, still flush at both ends.
    v.view.Frame()->SetWidth(3);
    const QImage thick = v.Render(1);
    EXPECT_EQ(Column(thick, 20, 7, 13), "..###..");
    EXPECT_EQ(Row(thick, 9, 9, 31), "." + std::string(21, '#') + ".");
}

TEST(FramePainting, DashedStylesRepeatThePlatformPatternsAndStopBeforeTheFarCorner)
{
    struct Case {
        TfrxFrameStyle style;
        std::string unit;
    };
    const Case cases[] = {
        {fsDot, "###..."},
        {fsDash, std::string(18, '#') + "......"},
        {fsDashDot, "#########......###......"},
        {fsDashDotDot, "#########...###...###..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        FramedView v(ftTop, c.style);
        v.view.SetWidth(40);
        const QImage one = v.Render(1);
        const std::string expected = Repeat(c.unit, 40);
        EXPECT_EQ(Row(one, 10, 10, 50), expected + ".");
        EXPECT_EQ(CountNotWhite(one), int(std::count(expected.begin(), expected.end(), '#')));
    }
    // At scale 2 a dotted side is two one-pixel lines, one either side of the position.
    FramedView dotted(ftTop, fsDot);
    const QImage two = dotted.Render(2);
    EXPECT_EQ(Row(two, 19, 20, 60), Repeat("###...", 40) + ".");
    EXPECT_EQ(Row(two, 20, 20, 60), Repeat("###...", 40) + ".");
    EXPECT_EQ(Row(two, 21, 20, 60), std::string(41, '.'));
}

// The dashed pieces of a frame filled dash by dash, one rectangle per dash, the way frames were
// painted before dashes became stroked lines.
QImage FillDashByDash(const std::vector<FramePiece>& pieces, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const FramePiece& piece : pieces) {
        const QRect& r = piece.rect;
        const int length = piece.vertical ? r.height() : r.width();
        int along = 0;
        for (size_t i = 0; along < length; i = (i + 1) % piece.dashes.size()) {
            const int dash = std::min(piece.dashes[i], length - along);
            if (i % 2 == 0)
                painter.fillRect(piece.vertical ? QRect(r.left(), r.top() + along, r.width(), dash)
                                                : QRect(r.left() + along, r.top(), dash, r.height()),
                                 ToQColor(piece.color));
            along += piece.dashes[i];
        }
    }
    return image;
}

TEST(FramePainting, StrokedDashesCoverThePixelsOfTheirDashesAtEveryScale)
{
    for (TfrxFrameStyle style : {fsDash, fsDot, fsDashDot, fsDashDotDot, fsSquare}) {
        for (double scale : {1.0, 1.5, 2.0, 3.0}) {
            SCOPED_TRACE(testing::Message() << "style " << int(style) << " at " << scale);
            FramedView v(ftLeft | ftRight | ftTop | ftBottom, style);
            v.view.SetBounds(10.3, 9.6, 30.7, 17.2);
            const std::vector<FramePiece> pieces =
                FramePieces(ComputeDeviceRect(QRectF(10.3, 9.6, 30.7, 17.2), *v.view.Frame(), scale, scale, 0, 0),
                            *v.view.Frame());
            ASSERT_EQ(pieces.size(), 4u) << "one stroked line per side";
            const QImage stroked = v.Render(scale);
            EXPECT_EQ(stroked, FillDashByDash(pieces, stroked.size()));
            EXPECT_GT(CountNotWhite(stroked), 0);
        }
    }
}

TEST(FramePainting, ADoubleFrameIsTwoRingsJoinedAtTheCorners)
{
    FramedView v(ftLeft | ftRight | ftTop | ftBottom, fsDouble);
    const QImage one = v.Render(1);
    EXPECT_EQ(Row(one, 9, 8, 32), "." + std::string(23, '#') + ".");
    EXPECT_EQ(Row(one, 10, 8, 32), ".#" + std::string(21, '.') + "#.");
    EXPECT_EQ(Row(one, 11, 8, 32), ".#." + std::string(19, '#') + ".#.");
    EXPECT_EQ(Row(one, 15, 8, 32), ".#.#" + std::string(17, '.') + "#.#.");
    EXPECT_EQ(Row(one, 21, 8, 32), "." + std::string(23, '#') + ".");
    EXPECT_EQ(CountNotWhite(one), (23 * 2 + 11 * 2) + (19 * 2 + 7 * 2));
}

TEST(FramePainting, SquaresAndAltDotsRepeatAtTwiceTheirSize)
{
    FramedView alt(ftTop, fsAltDot);
    EXPECT_EQ(Row(alt.Render(1), 10, 10, 30), Repeat("#.", 20) + ".");

    FramedView square(ftTop, fsSquare);
    const QImage two = square.Render(2);
    EXPECT_EQ(Row(two, 19, 20, 60), Repeat("##..", 40) + ".");
    EXPECT_EQ(Row(two, 20, 20, 60), Repeat("##..", 40) + ".");

    // Round dots of three pixels every six, centred on the line.
    const QImage three = alt.Render(3);
    for (int x = 30; x <= 90; x += 6) {
        EXPECT_EQ(Pixel(three, x, 30), '#') << x;
        EXPECT_EQ(Pixel(three, x + 3, 30), '.') << x;
    }
    EXPECT_EQ(Pixel(three, 30, 33), '.');
}

TEST(FramePainting, FramesWithoutSidesColourOrWidthPaintNothing)
{
    struct Case {
        const char* name;
        TfrxFrameTypes sides;
        TColor color;
        double width;
        TColor sideColor;
    };
    const Case cases[] = {
        {"no side", {}, clBlack, 1, clBlack},
        {"no colour", ftTop, clNone, 1, clBlack},
        {"no width", ftTop | ftLeft, clBlack, 0, clBlack},
        {"a side without colour", ftTop, clBlack, 1, clNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FramedView v(c.sides);
        v.view.Frame()->SetColor(c.color);
        v.view.Frame()->SetWidth(c.width);
        v.view.Frame()->TopLine()->SetColor(c.sideColor);
        EXPECT_EQ(CountNotWhite(v.Render(1)), 0);
        EXPECT_EQ(CountNotWhite(v.Render(2)), 0);
    }
    // A side of zero width under a frame that has a width is still one pixel wide.
    FramedView thin(ftTop);
    thin.view.Frame()->TopLine()->SetWidth(0);
    EXPECT_EQ(Row(thin.Render(2), 20, 19, 61), "." + std::string(41, '#') + ".");
    EXPECT_EQ(CountNotWhite(thin.Render(2)), 41);
}

// Bounds and widths from a damaged file: drawing them paints what fits and computes nothing that
// overflows (the sanitizer build stops on any overflow).
TEST(FramePainting, AbsurdBoundsAndWidthsDrawWithoutOverflow)
{
    for (const double top : {3999999999.0, -3999999999.0, 1e300}) {
        for (const TfrxFrameStyle style : {fsSolid, fsDot, fsDouble, fsSquare}) {
            SCOPED_TRACE(top);
            FramedView v(ftLeft | ftRight | ftTop | ftBottom, style);
            v.view.SetBounds(10, top, 1e12, 1e12);
            v.view.Frame()->SetWidth(1e12);
            v.view.Frame()->SetDropShadow(true);
            v.view.Frame()->SetShadowWidth(1e12);
            EXPECT_NO_THROW(v.Render(2));
        }
    }
}

TEST(FramePainting, ADropShadowLiesAlongTheRightAndBottomEdges)
{
    FramedView v({});
    v.view.Frame()->SetDropShadow(true);
    const QImage one = v.Render(1);
    // The view shrinks to 16 x 6; the shadow strips are 4 px wide, moved 4 px in from the corner.
    EXPECT_EQ(Column(one, 27, 12, 21), "..######..");
    EXPECT_EQ(Row(one, 17, 12, 31), ".." + std::string(16, '#') + "..");
    EXPECT_EQ(CountNotWhite(one), 4 * 6 + 12 * 4);
    EXPECT_EQ(CountNotWhite(v.Render(2)), 8 * 12 + 24 * 8);
}

TEST(FramePainting, FillsCoverTheViewAndReachHalfwayUnderTheFrame)
{
    FramedView v({});
    v.view.Fill()->SetBackColor(clRed);
    const QImage one = v.Render(1);
    EXPECT_EQ(Row(one, 10, 9, 30), "." + std::string(20, 'r') + ".");
    EXPECT_EQ(CountNotWhite(one), 200);

    v.view.Frame()->SetTyp(ftLeft | ftTop);
    v.view.Frame()->SetWidth(4);
    v.view.Frame()->SetColor(clNone);  // only the fill shows
    const QImage widened = v.Render(1);
    EXPECT_EQ(Row(widened, 10, 7, 30), "." + std::string(22, 'r') + ".");
    EXPECT_EQ(Column(widened, 10, 7, 20), "." + std::string(12, 'r') + ".");
    EXPECT_EQ(CountNotWhite(widened), 22 * 12);

    // A hatch in the fore colour over a transparent back.
    FramedView hatched({});
    hatched.view.Fill()->SetStyle(frx::bsCross);
    hatched.view.Fill()->SetForeColor(clBlue);
    const QImage cross = hatched.Render(1);
    int blue = 0, outside = 0;
    for (int y = 0; y < cross.height(); ++y)
        for (int x = 0; x < cross.width(); ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 10 && y < 20;
            blue += inside && Pixel(cross, x, y) == 'b';
            outside += !inside && Pixel(cross, x, y) != '.';
        }
    EXPECT_GT(blue, 20);
    EXPECT_LT(blue, 200);
    EXPECT_EQ(outside, 0);
}

}  // namespace
