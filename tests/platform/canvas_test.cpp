#include "platform/canvas.h"

#include <QImage>
#include <gtest/gtest.h>

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
