#include "viewer_fixture.h"

#include "platform/colors.h"

#include <QDir>
#include <QImage>

namespace {

QRgb Rgb(TColor color) { return ToQColor(color).rgb(); }

int InkPixels(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

TEST_F(ViewerTest, TwoDiaryPagesSideBySideOnTheGreyBackground)
{
    diary.PrintTwoPages();
    Open({900, 700});
    viewer.SetZoom(0.5);
    const QImage image = viewer.grab().toImage();
    const QString file = QDir::temp().filePath(QStringLiteral("kalvo_preview_viewer.png"));
    image.save(file);
    std::printf("viewer picture: %s\n", qPrintable(file));

    // Half-size pages (397 x 562) fit next to each other.
    const QRect first = Pages().PageRectInView(0);
    const QRect second = Pages().PageRectInView(1);
    ASSERT_EQ(first.size(), QSize(397, 562));
    EXPECT_EQ(second.top(), first.top());
    EXPECT_EQ(second.left(), first.right() + 1 + 10);

    const TfrxPreviewWorkspace& area = Pages();
    EXPECT_EQ(image.pixel(2, 2), Rgb(area.BackColor));
    EXPECT_EQ(image.pixel(first.center().x(), first.bottom() + 6), Rgb(area.BackColor));
    // The current page has the highlighted frame just outside it, the other a plain border.
    EXPECT_EQ(image.pixel(first.left() - 1, first.center().y()), Rgb(area.ActiveFrameColor));
    EXPECT_EQ(image.pixel(first.center().x(), first.top() - 1), Rgb(area.ActiveFrameColor));
    EXPECT_EQ(image.pixel(second.left(), second.center().y()), Rgb(area.FrameColor));
    EXPECT_EQ(image.pixel(second.left() - 1, second.center().y()), Rgb(area.BackColor));
    EXPECT_EQ(image.pixel(second.left() + 3, second.top() + 3), qRgb(255, 255, 255));

    // Both pages carry their header and entries: the first two entries, the second one.
    const QRect firstInside = first.adjusted(2, 2, -2, -2);
    const QRect secondInside = second.adjusted(2, 2, -2, -2);
    EXPECT_GT(InkPixels(image, firstInside), 500);
    EXPECT_GT(InkPixels(image, firstInside), InkPixels(image, secondInside));
    EXPECT_GT(InkPixels(image, secondInside), 200);
}

TEST_F(ViewerTest, ThumbnailsShowTheirPageNumbersOnGrey)
{
    diary.PrintTwoPages();
    Open({900, 700});
    viewer.SetThumbnailVisible(true);
    TfrxPreviewWorkspace& thumbnails = *viewer.Thumbnail();
    const QImage image = thumbnails.viewport()->grab().toImage();
    const QRect second = thumbnails.PageRectInView(1);
    ASSERT_EQ(second.size(), QSize(79, 112));
    // " 2 " sits on a grey patch at the page's corner; the number is drawn in white.
    const QRect label(second.topLeft() + QPoint(1, 1), QSize(12, 10));
    int light = 0, grey = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x) {
            light += qGray(image.pixel(x, y)) > 200;
            grey += image.pixel(x, y) == qRgb(128, 128, 128);
        }
    EXPECT_GT(grey, 40);
    EXPECT_GT(light, 3);
}

}  // namespace
