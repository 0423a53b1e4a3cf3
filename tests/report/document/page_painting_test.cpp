#include "prepared_diary.h"

#include "report/line_view.h"
#include "report/memo_view.h"
#include "report/report_units.h"

#include "platform/rounding.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Rows and columns of the rectangle that hold a pixel darker than mid grey.
int DarkPixels(const QImage& image, const QRect& rect)
{
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

QImage Paint(TfrxPreviewPages& pages, int index, double scale)
{
    const QSize size = pages.GetPageSize(index) * scale;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.PaintPage(index, painter, scale);
    painter.end();
    return image;
}

TEST(PagePainting, ThePrintedObjectsAppearWhereThePageHasThem)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    const QImage image = Paint(pages, 0, 1.0);
    image.save(QDir::temp().filePath(QStringLiteral("kalvo_prepared_page.png")));

    // Where the decoded objects are, in page pixels (the printable area starts at the margins).
    TfrxReportPage& page = *pages.GetPage(0);
    const double marginX = page.LeftMargin() * fr01cm;
    const double marginY = page.TopMargin() * fr01cm;
    auto rectOf = [&](const TfrxComponent& object) {
        return QRectF(object.AbsLeft() + marginX, object.AbsTop() + marginY, object.Width(), std::max(object.Height(), 1.0))
            .toAlignedRect();
    };
    const TfrxComponent& secondEntry = *page.Objects()[2];
    const QRect heading = rectOf(*secondEntry.Objects()[0]);
    const QRect text = rectOf(*secondEntry.Objects()[1]);
    const QRect footerNumber = rectOf(*page.Objects()[3]->Objects()[0]);
    EXPECT_GT(DarkPixels(image, heading), 100) << "bold date heading";
    EXPECT_GT(DarkPixels(image, text.adjusted(0, 0, 0, 4)), 50) << "entry text";
    EXPECT_GT(DarkPixels(image, footerNumber), 5) << "page number";

    // The dotted rule: dots along the row, with gaps.
    const TfrxComponent& line = *secondEntry.Objects()[2];
    const QRect rule = rectOf(line).adjusted(0, -1, 0, 1);
    const int dots = DarkPixels(image, rule);
    EXPECT_GT(dots, 150);
    EXPECT_LT(dots, 3 * rule.width() / 2) << "a dotted line is not solid";

    // Nothing between the entries' texts and the footer, nothing in the margins.
    EXPECT_EQ(DarkPixels(image, QRect(0, 400, image.width(), 500)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(0, 0, RoundHalfEven(marginX) - 1, image.height())), 0);

    // At twice the scale the same heading is drawn twice as far from the corner.
    const QImage doubled = Paint(pages, 0, 2.0);
    EXPECT_EQ(doubled.size(), QSize(1588, 2246));
    const QRect doubledHeading(heading.topLeft() * 2, heading.size() * 2);
    EXPECT_GT(DarkPixels(doubled, doubledHeading), 4 * 100);
    EXPECT_EQ(DarkPixels(doubled, QRect(0, 800, doubled.width(), 1000)), 0);
}

}  // namespace
