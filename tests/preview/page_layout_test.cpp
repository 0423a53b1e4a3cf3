#include "preview/page_layout.h"
#include "preview/zoom_rules.h"

#include <gtest/gtest.h>

namespace {

// `count` A4 pages at the zoom, laid out in `availableWidth`.
TfrxPageList A4Pages(int count, double zoom, int availableWidth, int* maxWidth = nullptr)
{
    const QSize size = ZoomedPageSize({794, 1123}, zoom);
    TfrxPageList pages(size_t(count), TfrxPageItem{size.width(), size.height(), 0, 0});
    const int widest = CalcBounds(pages, availableWidth);
    if (maxWidth)
        *maxWidth = widest;
    return pages;
}

std::vector<QRect> Rects(const TfrxPageList& pages, const TfrxPageGeometry& geometry)
{
    std::vector<QRect> rects;
    for (int i = 0; i < int(pages.size()); ++i)
        rects.push_back(PageRect(pages, i, geometry));
    return rects;
}

TEST(PageLayout, PageSizesAtZoomRoundHalvesToEven)
{
    EXPECT_EQ(ZoomedPageSize({794, 1123}, 1), QSize(794, 1123));
    // 198.5 goes down to the even 198, 280.75 up to 281.
    EXPECT_EQ(ZoomedPageSize({794, 1123}, 0.25), QSize(198, 281));
    // 397 and 561.5 -> 562.
    EXPECT_EQ(ZoomedPageSize({794, 1123}, 0.5), QSize(397, 562));
}

TEST(PageLayout, PagesWiderThanTheAreaTakeOneRowEach)
{
    // An 819-pixel window leaves 776 pixels for the rows.
    int maxWidth = 0;
    const TfrxPageList pages = A4Pages(3, 1, 776, &maxWidth);
    const std::vector<QRect> expected{{10, 10, 794, 1123}, {10, 1143, 794, 1123}, {10, 2276, 794, 1123}};
    EXPECT_EQ(Rects(pages, {1, 819, false}), expected);
    EXPECT_EQ(maxWidth, 804);
    EXPECT_EQ(ContentsSize(pages, maxWidth), QSize(814, 3409));
}

TEST(PageLayout, SmallPagesShareCentredRows)
{
    // 198-pixel pages: four fit into 1000 pixels (running width 832), the fifth starts a row.
    int maxWidth = 0;
    const TfrxPageList pages = A4Pages(5, 0.25, 1000, &maxWidth);
    // Row shift (1000 - 832 + 10) / 2 + 10 = 99; the lone page (1000 - 208 + 10) / 2 + 10 = 411.
    const std::vector<QRect> expected{{99, 10, 198, 281},  {307, 10, 198, 281}, {515, 10, 198, 281},
                                      {723, 10, 198, 281}, {411, 301, 198, 281}};
    EXPECT_EQ(Rects(pages, {0.25, 1000, false}), expected);
    EXPECT_EQ(maxWidth, 832);
    EXPECT_EQ(ContentsSize(pages, maxWidth), QSize(842, 592));
}

TEST(PageLayout, RightToLeftMirrorsTheRowsAndMissingPagesGetAnA4Place)
{
    const TfrxPageList pages = A4Pages(5, 0.25, 1000);
    EXPECT_EQ(PageRect(pages, 0, {0.25, 1000, true}), QRect(1000 - 198 - 99, 10, 198, 281));

    // Outside the list: an A4 page at the zoom, centred, or at 10 when the area is narrower.
    EXPECT_EQ(PageRect(pages, 5, {0.5, 1000, false}), QRect(301, 5, 397, 562));
    EXPECT_EQ(PageRect({}, 0, {0.5, 300, false}), QRect(10, 5, 397, 562));
}

TEST(PageLayout, PageAtOffsetSwitchesAFifthOfAPageEarly)
{
    const TfrxPageList pages = A4Pages(3, 1, 776);
    // The second page's top is 1143; a fifth of its height is 224.
    const std::vector<std::pair<int, int>> cases{{0, 0}, {918, 0}, {919, 1}, {2051, 1}, {2052, 2}, {99999, 2}};
    for (const auto& [y, page] : cases)
        EXPECT_EQ(PageAtOffset(pages, y), page) << "y " << y;
    EXPECT_EQ(PageAtOffset({}, 0), -1);
}

TEST(PageLayout, PageAtPointFindsThePageInARow)
{
    const TfrxPageList pages = A4Pages(5, 0.25, 1000);
    const TfrxPageGeometry geometry{0.25, 1000, false};
    EXPECT_EQ(PageAtPoint(pages, {100, 20}, geometry), 0);
    EXPECT_EQ(PageAtPoint(pages, {520, 200}, geometry), 2);
    EXPECT_EQ(PageAtPoint(pages, {420, 400}, geometry), 4);
    // Between two pages the page found by height stands: the last of the first row.
    EXPECT_EQ(PageAtPoint(pages, {306, 20}, geometry), 3);
}

TEST(PageLayout, OnlyPagesAroundTheTopArePainted)
{
    const TfrxPageList pages = A4Pages(1000, 0.25, 1000);
    EXPECT_EQ(PagesToPaint(pages, 100).first, 40);
    EXPECT_EQ(PagesToPaint(pages, 100).last, 440);
    EXPECT_EQ(PagesToPaint(pages, 10).first, 0);
    EXPECT_EQ(PagesToPaint(pages, 900).last, 999);
}

TEST(ZoomRules, FittingModesAndLimits)
{
    const QSize a4(794, 1123);
    struct Case {
        TfrxZoomMode mode;
        QSize area;
        int pageCount;
        double zoom;
    };
    const Case cases[] = {
        // Taller than wide: the height decides (600 - 26 = 574).
        {zmWholePage, {819, 600}, 3, 574.0 / 1123},
        // A wide, tall area: the width decides; one page needs no scroll bar (1000 - 26).
        {zmWholePage, {1000, 3000}, 1, 974.0 / 794},
        {zmWholePage, {1000, 3000}, 2, 957.0 / 794},
        // Too small to fit anything: one pixel each way.
        {zmWholePage, {20, 20}, 1, 1.0 / 1123},
        {zmPageWidth, {819, 600}, 3, 776.0 / 794},
        {zmDefault, {819, 600}, 3, 1.5},
        {zmManyPages, {819, 600}, 3, 1.5},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(EffectiveZoom({c.mode, 1.5, a4, c.area, 17, c.pageCount}), c.zoom)
            << "mode " << c.mode << " area " << c.area.width() << "x" << c.area.height();

    EXPECT_EQ(ClampedZoom(0.2), 0.25);
    EXPECT_EQ(ClampedZoom(3), 3);
    EXPECT_DOUBLE_EQ(WheelZoom(1, 120), 1.1);
    EXPECT_DOUBLE_EQ(WheelZoom(0.35, -120), 0.3);
    EXPECT_DOUBLE_EQ(WheelZoom(0.3, -1), 0.3);
}

}  // namespace
