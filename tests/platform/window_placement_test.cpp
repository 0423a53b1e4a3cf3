#include "platform/window_placement.h"

#include <gtest/gtest.h>

// Two monitors side by side, the second one left of the primary and smaller; the primary work
// area leaves a 30-pixel panel at the top.
TEST(WindowPlacement, PlacedFrameKeepsTheWindowOnTheMonitorThatHoldsItsCorner)
{
    const QRect primary(0, 30, 1920, 1050);
    const QRect second(-1024, 0, 1024, 768);
    const QList<QRect> areas{primary, second};
    const QSize fallback(561, 229);
    struct Case {
        const char* label;
        TEdgeRect normal;  // in coordinates of the primary work area
        QRect expected;    // on the screen
    };
    const Case cases[] = {
        {"on the primary", {100, 100, 700, 500}, QRect(100, 130, 600, 400)},
        {"on the second, left of the primary", {-1000, 10, -400, 310}, QRect(-1000, 40, 600, 300)},
        {"too wide for the second: shrunk into it", {-1000, 10, 2000, 310}, QRect(-1024, 40, 1024, 300)},
        {"too high for the second: shrunk into it", {-500, -30, -100, 2000}, QRect(-500, 0, 400, 768)},
        {"inverted on the second: fallback size there", {-900, 100, -950, 50}, QRect(-900, 130, 561, 229)},
        {"corner below both: moved onto the primary", {-500, 2000, 0, 2300}, QRect(0, 780, 500, 300)},
        {"empty at the second's corner", {-1024, 0, -1024, 0}, QRect(-1024, 30, 561, 229)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(PlacedFrame(c.normal, fallback, areas, primary), c.expected);
    }
}

TEST(WindowPlacement, PlacedFrameWithoutScreensOrWithATinyFallbackStillGivesAWindow)
{
    const TEdgeRect inverted{50, 50, 0, 0};
    EXPECT_EQ(PlacedFrame(inverted, QSize(300, 200), {}, QRect()), QRect(0, 0, 300, 200));
    EXPECT_EQ(PlacedFrame(TEdgeRect{5000, 5000, 5400, 5300}, QSize(300, 200), {}, QRect()), QRect(0, 0, 300, 200));
    EXPECT_EQ(PlacedFrame(inverted, QSize(0, 0), {QRect(0, 0, 800, 600)}, QRect(0, 0, 800, 600)),
              QRect(QPoint(50, 50), kSmallestWindowFrame));
}
