#include "controls/custom_panel.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor color) { return ToQColor(color).rgb() & 0xFFFFFF; }

QImage RenderPanel(TRzCustomPanel& panel)
{
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    panel.PaintTo(painter);
    painter.end();
    return image;
}

struct FrameCase {
    TFrameStyle outer;
    TFrameStyle inner;
    TSides sides;
    int bevelWidth;
    QMargins expected;
};

}  // namespace

TEST(CustomPanel, FrameTakesItsWidthOnTheChosenSides)
{
    const FrameCase cases[] = {
        {fsLowered, fsNone, sdAllSides, 1, {2, 2, 2, 2}},  // the calendar's frame
        {fsGroove, fsNone, {sdTop}, 1, {0, 2, 0, 0}},      // the toolbar's divider
        {fsFlat, fsLowered, {sdLeft, sdBottom}, 1, {3, 0, 0, 3}},
        {fsStatus, fsPopup, sdAllSides, 3, {6, 6, 6, 6}},  // bevel-wide styles
        {fsNone, fsNone, sdAllSides, 1, {0, 0, 0, 0}},
    };
    for (const FrameCase& c : cases) {
        TPanelFrame frame;
        frame.outer = c.outer;
        frame.inner = c.inner;
        frame.sides = c.sides;
        frame.bevelWidth = c.bevelWidth;
        EXPECT_EQ(FrameMargins(frame), c.expected) << "outer " << c.outer << " inner " << c.inner;
    }
}

TEST(CustomPanel, LoweredFrameIsASunkenEdge)
{
    TRzCustomPanel panel;
    panel.resize(20, 20);
    panel.SetBorderOuter(fsLowered);
    panel.SetColor(clRed);
    const QImage image = RenderPanel(panel);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(10, 0) & 0xFFFFFF, Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(19, 10) & 0xFFFFFF, Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(10, 19) & 0xFFFFFF, Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(1, 10) & 0xFFFFFF, Rgb(cl3DDkShadow));
    EXPECT_EQ(image.pixel(18, 10) & 0xFFFFFF, Rgb(cl3DLight));
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, Rgb(clRed));
    EXPECT_EQ(panel.InsideFrameRect(), QRect(2, 2, 16, 16));
}

TEST(CustomPanel, GrooveOnTheTopSideOnly)
{
    TRzCustomPanel panel;
    panel.resize(30, 10);
    panel.SetBorderOuter(fsGroove);
    panel.SetBorderSides({sdTop});
    const QImage image = RenderPanel(panel);
    for (int x : {0, 15, 29}) {
        EXPECT_EQ(image.pixel(x, 0) & 0xFFFFFF, Rgb(clBtnShadow)) << x;
        EXPECT_EQ(image.pixel(x, 1) & 0xFFFFFF, Rgb(clBtnHighlight)) << x;
    }
    EXPECT_EQ(image.pixel(0, 5) & 0xFFFFFF, Rgb(clBtnFace));
    EXPECT_EQ(image.pixel(29, 9) & 0xFFFFFF, Rgb(clBtnFace));
}

TEST(CustomPanel, FlatFrameIsOnePixelOfTheAdjustedFlatColour)
{
    TRzCustomPanel panel;
    panel.resize(10, 10);
    panel.SetBorderOuter(fsFlat);
    panel.SetFlatColor(RGB(100, 150, 200));
    panel.SetFlatColorAdjustment(20);
    panel.SetColor(clWhite);
    const QImage image = RenderPanel(panel);
    const QRgb darker = qRgb(80, 130, 180);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, darker & 0xFFFFFF);
    EXPECT_EQ(image.pixel(9, 9) & 0xFFFFFF, darker & 0xFFFFFF);
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, Rgb(clWhite));
}
