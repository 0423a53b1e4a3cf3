#include "controls/color_popup_placement.h"

#include <gtest/gtest.h>

TEST(ColorPopupPlacement, DropsBelowTheAnchorAligned)
{
    const QRect anchor(100, 200, 67, 21);  // right edge 167, bottom edge 221
    EXPECT_EQ(DropDownPoint(anchor, 144, taLeftJustify), QPoint(100, 221));
    EXPECT_EQ(DropDownPoint(anchor, 144, taRightJustify), QPoint(23, 221));
    EXPECT_EQ(DropDownPoint(anchor, 144, taCenter), QPoint(61, 221));
}

TEST(ColorPopupPlacement, StaysInsideTheWorkArea)
{
    const QSize size(144, 113);
    const QRect screen(0, 0, 1000, 800);
    struct Case {
        const char* what;
        QRect anchor;
        TAlignment alignment;
        QRect workArea;
        QPoint expected;
    } const cases[] = {
        {"fits", {100, 200, 67, 21}, taRightJustify, screen, {23, 221}},
        {"past the right edge", {950, 200, 67, 21}, taLeftJustify, screen, {856, 221}},
        {"no room below: opens above", {100, 700, 67, 21}, taLeftJustify, screen, {100, 587}},
        {"past the left edge", {10, 200, 67, 21}, taRightJustify, {50, 0, 950, 800}, {50, 221}},
        {"no room above either", {100, 700, 67, 21}, taLeftJustify, {0, 600, 1000, 200}, {100, 600}},
    };
    for (const Case& c : cases) {
        const QPoint start = DropDownPoint(c.anchor, size.width(), c.alignment);
        EXPECT_EQ(KeepInWorkArea(start, c.anchor, size, c.workArea), c.expected) << c.what;
    }
}
