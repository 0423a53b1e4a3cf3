#include "toolbar_harness.h"

#include "controls/main_images.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <set>

namespace {

// The average colour of a picture's clearly visible pixels, and how many there are.
struct Coverage {
    int opaque = 0;
    int transparent = 0;
    double red = 0, green = 0, blue = 0;
};

Coverage Measure(const QImage& premultiplied)
{
    const QImage image = premultiplied.convertToFormat(QImage::Format_ARGB32);
    Coverage c;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0)
                ++c.transparent;
            if (qAlpha(p) < 200)
                continue;
            ++c.opaque;
            c.red += qRed(p);
            c.green += qGreen(p);
            c.blue += qBlue(p);
        }
    if (c.opaque > 0) {
        c.red /= c.opaque;
        c.green /= c.opaque;
        c.blue /= c.opaque;
    }
    return c;
}

enum class Hue { Blue, Green, Dark, Any };

}  // namespace

TEST(MainImages, TwentyEightPicturesEachFollowedByItsGreyCopy)
{
    TImageList list;
    AddMainImages(list);
    ASSERT_EQ(list.Count(), kMainImageCount);
    const Hue hues[] = {Hue::Blue, Hue::Blue, Hue::Blue, Hue::Blue, Hue::Blue, Hue::Any, Hue::Any,
                        Hue::Blue, Hue::Dark, Hue::Dark, Hue::Dark, Hue::Green, Hue::Blue, Hue::Blue};
    std::set<QByteArray> distinct;
    for (int i = 0; i < kMainImageCount; i += 2) {
        const QImage picture = list.Image(i), grey = list.Image(i + 1);
        EXPECT_EQ(picture.size(), QSize(16, 16));
        const Coverage c = Measure(picture);
        EXPECT_GE(c.opaque, 20) << i;
        EXPECT_GE(c.transparent, 40) << i;  // the toolbar shows around the shape
        switch (hues[i / 2]) {
        case Hue::Blue: EXPECT_TRUE(c.blue > c.red + 40 && c.blue > c.green + 20) << i; break;
        case Hue::Green: EXPECT_TRUE(c.green > c.red + 40 && c.green > c.blue + 40) << i; break;
        case Hue::Dark: EXPECT_LT(c.red + c.green + c.blue, 3 * 60) << i; break;
        case Hue::Any: break;
        }
        // The grey copy: same shape, no colour, lighter.
        const QImage a = picture.convertToFormat(QImage::Format_ARGB32), b = grey.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb p = b.pixel(x, y);
                ASSERT_EQ(qAlpha(p), qAlpha(a.pixel(x, y))) << i << " at " << x << "," << y;
                if (qAlpha(p) == 255) {
                    ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) >= 128) << i;
                }
            }
        distinct.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), 14u);

    // Enlarged, for looking at them.
    QImage sheet(14 * 80, 2 * 80, QImage::Format_RGB32);
    sheet.fill(ToQColor(clBtnFace));
    QPainter painter(&sheet);
    for (int i = 0; i < kMainImageCount; ++i)
        painter.drawImage(QRect((i / 2) * 80 + 8, (i % 2) * 80 + 8, 64, 64), list.Image(i));
    painter.end();
    SaveSnapshot(sheet, QStringLiteral("main_images"));
}

TEST(ImageList, DisabledDrawingIsAnEmbossedSilhouette)
{
    QImage square(16, 16, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter(&square).fillRect(QRect(4, 4, 6, 6), Qt::blue);
    const QImage embossed = EmbossedDisabledImage(square);
    EXPECT_EQ(embossed.pixel(4, 4), RgbOf(clBtnShadow));
    EXPECT_EQ(embossed.pixel(9, 9), RgbOf(clBtnShadow));
    EXPECT_EQ(embossed.pixel(10, 10), RgbOf(clBtnHighlight));  // the highlight peeks out below right
    EXPECT_EQ(qAlpha(embossed.pixel(3, 3)), 0);

    TImageList list;
    EXPECT_EQ(list.Add(QImage(32, 32, QImage::Format_RGB32)), 0);
    EXPECT_EQ(list.Image(0).size(), QSize(16, 16));  // scaled to the list's size
    EXPECT_TRUE(list.Image(5).isNull());
}
