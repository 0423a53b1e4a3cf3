#include "controls/color_palette.h"
#include "controls/color_picker_keys.h"
#include "controls/color_picker_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr PickerRows kBare{};
constexpr PickerRows kNone{.showNoColor = true};
constexpr PickerRows kDefault{.showDefaultColor = true};
constexpr PickerRows kNoneDefault{.showNoColor = true, .showDefaultColor = true};
constexpr PickerRows kSystem{.showSystemColors = true};
constexpr PickerRows kCustom{.showCustomColor = true};
constexpr PickerRows kSystemCustom{.showSystemColors = true, .showCustomColor = true};
constexpr PickerRows kAll{true, true, true, true};

// Tahoma 8 pt: 11 pixels high, so a button row is 23 high.
constexpr int kButtonRow = 23;
// A natural-size palette's client: the outer size less a 2-pixel edge and a 2-pixel border.
QRect NaturalClient(const PickerRows& rows)
{
    const QSize outer = PickerNaturalSize(rows, kButtonRow);
    return QRect(4, 4, outer.width() - 8, outer.height() - 8);
}

}  // namespace

TEST(ColorPickerLayout, NaturalSizeGrowsByEachOptionalPart)
{
    EXPECT_EQ(PickerButtonRowHeight(-11), kButtonRow);
    EXPECT_EQ(PickerNaturalSize(kBare, kButtonRow), QSize(144, 90));
    EXPECT_EQ(PickerNaturalSize(kCustom, kButtonRow), QSize(144, 113));
    EXPECT_EQ(PickerNaturalSize(kSystem, kButtonRow), QSize(144, 170));
    // None and Default each add B + 1, even though the Default row is only B high below None.
    EXPECT_EQ(PickerNaturalSize(kAll, kButtonRow), QSize(144, 241));
}

TEST(ColorPickerLayout, CellsFollowTheRowsAbove)
{
    const PickerLayout custom(NaturalClient(kCustom), kCustom, kButtonRow);
    EXPECT_EQ(custom.CellSize(), QSize(17, 16));  // 136 / 8, (105 - 23) / 5
    EXPECT_EQ(custom.GridCell(13), QRect(4 + 5 * 17, 4 + 16, 17, 16));
    EXPECT_EQ(custom.MoreColorsArea(), QRect(4, 86, 113, 23));
    EXPECT_EQ(custom.CustomSwatchCell(), QRect(117, 86, 23, 23));

    const PickerLayout all(NaturalClient(kAll), kAll, kButtonRow);
    EXPECT_EQ(all.NoColorRow(), QRect(4, 4, 136, 24));
    EXPECT_EQ(all.DefaultRow(), QRect(4, 28, 136, 23));
    EXPECT_EQ(all.CellSize(), QSize(17, 17));  // (233 - 24 - 23 - 23 - 8) / 9
    EXPECT_EQ(all.GridCell(0).topLeft(), QPoint(4, 51));
    EXPECT_EQ(all.SystemBand(), QRect(4, 136, 136, 8));
    EXPECT_EQ(all.GridCell(40).topLeft(), QPoint(4, 144));
    EXPECT_EQ(all.GridCell(69), QRect(4 + 5 * 17, 144 + 3 * 17, 17, 17));
}

struct HitCase {
    const char* where;
    PickerRows rows;
    QPoint point;
    int code;
};

TEST(ColorPickerLayout, HitTestCodes)
{
    const HitCase cases[] = {
        {"first cell", kCustom, {5, 5}, 0},
        {"Blue, row 1 column 5", kCustom, {90, 21}, 13},
        {"last pixel of White", kCustom, {139, 83}, 39},
        {"gap between grid and custom row", kCustom, {10, 85}, kMoreColorsCode},
        {"More Colors button", kCustom, {116, 90}, kMoreColorsCode},
        {"custom swatch", kCustom, {117, 90}, kCustomColorCode},
        {"below the grid, no custom row", kBare, {10, 85}, kNoColorCode},
        {"None row", kAll, {10, 10}, kNoColorCode},
        {"Default button", kAll, {10, 30}, kDefaultColorCode},
        {"Default swatch", kAll, {130, 50}, kDefaultColorCode},
        {"first standard cell below the rows", kAll, {5, 51}, 0},
        {"system band", kAll, {70, 140}, kGapCode},
        {"first system colour", kAll, {5, 144}, 40},
        {"last system colour", kAll, {90, 196}, 69},
        {"empty cell after the system colours", kAll, {107, 196}, kGapCode},
        {"custom row with all parts", kAll, {130, 220}, kCustomColorCode},
    };
    for (const HitCase& c : cases) {
        const PickerLayout layout(NaturalClient(c.rows), c.rows, kButtonRow);
        EXPECT_EQ(layout.HitTest(c.point), c.code) << c.where;
    }
}

TEST(ColorPalette, ColoursChooseTheirEntries)
{
    struct Case {
        const char* what;
        TColor color;
        PaletteMatchOptions options;
        int code;
    } const cases[] = {
        {"no colour", clNone, {}, kNoColorCode},
        {"red", 255, {}, 16},
        {"blue", 0xFF0000, {}, 13},
        {"white", clWhite, {}, 39},
        {"not in the grid", RGB(1, 2, 3), {}, kCustomColorCode},
        {"default colour by value", RGB(0x33, 0x99, 0xFF), {.showDefaultColor = true}, kDefaultColorCode},
        {"default colour hidden", clHighlight, {}, kCustomColorCode},
        {"button face among system colours", clBtnFace, {.showSystemColors = true}, 55},
        {"hot light skips number 25", clHotLight, {.showSystemColors = true}, 65},
        {"button face without system colours", clBtnFace, {}, kCustomColorCode},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaletteCodeForColor(c.color, c.options), c.code) << c.what;
    EXPECT_EQ(GridColorName(16), "Red");
    EXPECT_EQ(GridColorName(55), "Button Face");
    EXPECT_EQ(GridColorName(69), "Menu Bar");
    EXPECT_EQ(GridColor(69), clMenuBar);
}

struct KeyCase {
    int from;
    PickerArrow arrow;
    PickerRows rows;
    int to;
};

TEST(ColorPickerKeys, ArrowTable)
{
    using enum PickerArrow;
    const KeyCase cases[] = {
        {kDefaultColorCode, Left, kNoneDefault, kNoColorCode},
        {kDefaultColorCode, Left, kDefault, kDefaultColorCode},
        {kCustomColorCode, Left, kSystemCustom, 69},
        {kCustomColorCode, Left, kCustom, 39},
        {0, Left, kNoneDefault, kDefaultColorCode},
        {0, Left, kNone, kNoColorCode},
        {0, Left, kBare, 0},
        {kNoColorCode, Left, kAll, kNoColorCode},
        {40, Left, kSystem, 39},
        {13, Left, kBare, 12},

        {kNoColorCode, Right, kNoneDefault, kDefaultColorCode},
        {kNoColorCode, Right, kNone, 0},
        {kDefaultColorCode, Right, kDefault, 0},
        {39, Right, kSystemCustom, 40},
        {39, Right, kCustom, kCustomColorCode},
        {39, Right, kBare, 39},
        {69, Right, kSystemCustom, kCustomColorCode},
        {69, Right, kSystem, 69},
        {kCustomColorCode, Right, kCustom, kCustomColorCode},
        {13, Right, kBare, 14},

        {kDefaultColorCode, Up, kNoneDefault, kNoColorCode},
        {kDefaultColorCode, Up, kDefault, kDefaultColorCode},
        {kCustomColorCode, Up, kSystemCustom, 69},
        {kCustomColorCode, Up, kCustom, 39},
        {kNoColorCode, Up, kAll, kNoColorCode},
        {5, Up, kDefault, kDefaultColorCode},
        {5, Up, kNone, kNoColorCode},
        {5, Up, kBare, 5},
        {40, Up, kSystem, 32},
        {13, Up, kBare, 5},

        {kNoColorCode, Down, kNoneDefault, kDefaultColorCode},
        {kNoColorCode, Down, kNone, 0},
        {kDefaultColorCode, Down, kDefault, 7},
        {kCustomColorCode, Down, kAll, kCustomColorCode},
        {39, Down, kSystemCustom, 47},
        {39, Down, kCustom, kCustomColorCode},  // White to the custom swatch
        {35, Down, kBare, 35},
        {62, Down, kSystemCustom, kCustomColorCode},
        {69, Down, kSystem, 69},
        {31, Down, kBare, 39},

        {kGapCode, Left, kAll, kGapCode},
        {kGapCode, Down, kAll, kGapCode},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(NextPickerCode(c.from, c.arrow, c.rows), c.to)
            << "from " << c.from << " arrow " << static_cast<int>(c.arrow);
}
