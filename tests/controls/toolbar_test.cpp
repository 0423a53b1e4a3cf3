#include "toolbar_harness.h"

#include "controls/tool_button_layout.h"
#include "controls/toolbar_layout.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

std::vector<QRect> Geometries(const std::vector<QWidget*>& controls)
{
    std::vector<QRect> rects;
    for (const QWidget* control : controls)
        rects.push_back(control->geometry());
    return rects;
}

// Counts the re-align requests a parent receives.
class LayoutRequests : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::LayoutRequest;
        return false;
    }
};

}  // namespace

TEST(Toolbar, StartsAsAnEmptyTopToolbarWithAGrooveOnTop)
{
    TRzToolbar toolbar;
    EXPECT_EQ(toolbar.size(), QSize(32, 32));
    EXPECT_EQ(toolbar.Align(), alTop);
    EXPECT_TRUE(toolbar.AutoResize());
    EXPECT_TRUE(toolbar.AutoStyle());
    EXPECT_EQ(toolbar.TextOptions(), ttoNoTextLabels);
    EXPECT_EQ(toolbar.BorderOuter(), fsGroove);
    EXPECT_EQ(toolbar.BorderInner(), fsNone);
    EXPECT_EQ(toolbar.BorderSides(), TSides{sdTop});
    EXPECT_EQ(toolbar.ButtonWidth(), 25);
    EXPECT_EQ(toolbar.RowHeight(), 25);
    EXPECT_FALSE(toolbar.ShowButtonCaptions());
}

TEST(Toolbar, DesignedCaptionWidthsGiveTheDesignedPlaces)
{
    // The main window was designed with captions 66, 68, 24, 63 and 39 pixels wide; with 16-pixel
    // images and ButtonWidth 60 that gives these buttons, the spacer between Post and Print Preview.
    std::vector<QSize> sizes;
    for (int caption : {66, 68, 24, 63, 39})
        sizes.push_back(ToolButtonSize({60, 25, true, blGlyphLeft, caption, {16, 16}, false}));
    sizes.insert(sizes.begin() + 3, QSize(8, 25));
    EXPECT_EQ(sizes, (std::vector<QSize>{{94, 25}, {96, 25}, {60, 25}, {8, 25}, {91, 25}, {67, 25}}));

    ToolbarLayoutInput input;
    input.toolbarSize = {545, 29};
    input.controls = sizes;
    ToolbarLayout layout = LayoutToolbarControls(input);
    EXPECT_EQ(layout.positions, (std::vector<QPoint>{{4, 2}, {98, 2}, {194, 2}, {254, 2}, {262, 2}, {353, 2}}));
    EXPECT_EQ(AutoResizedToolbarSize(input, layout, alTop), QSize(545, 29));

    input.toolbarSize = {300, 29};
    layout = LayoutToolbarControls(input);
    EXPECT_EQ(layout.positions[3], QPoint(254, 2));  // the spacer still ends before 300 - 4
    EXPECT_EQ(layout.positions[4], QPoint(4, 27));
    EXPECT_EQ(layout.positions[5], QPoint(95, 27));
    EXPECT_EQ(AutoResizedToolbarSize(input, layout, alTop), QSize(300, 54));
}

// Tahoma 8 pt measures the captions 66, 68, 20, 63 and 39 pixels wide, so the live toolbar has the
// designed layout.
TEST(Toolbar, MainWindowButtonsAreLaidOutInOneRow)
{
    MainToolbar main;
    ASSERT_EQ(TextWidth(TFontDesc{}, QStringLiteral("Insert Record")), 66);
    const std::vector<QRect> expected = {{4, 2, 94, 25},  {98, 2, 96, 25},  {194, 2, 60, 25},
                                         {254, 2, 8, 25}, {262, 2, 91, 25}, {353, 2, 67, 25}};
    EXPECT_EQ(Geometries(main.Controls()), expected);
    EXPECT_EQ(main.toolbar->height(), 29);
    EXPECT_EQ(main.toolbar->InsideFrameRect(), QRect(0, 2, 545, 27));
    EXPECT_EQ(main.toolbar->ToolbarControls(), main.Controls());
}

TEST(Toolbar, NarrowToolbarWrapsTheLastTwoButtonsIntoASecondRowAndTellsItsParent)
{
    MainToolbar main;
    LayoutRequests requests;
    main.window->installEventFilter(&requests);
    main.toolbar->resize(300, 29);
    QApplication::processEvents();
    EXPECT_EQ(main.toolbar->height(), 25 * 2 + 4);
    EXPECT_EQ(main.spacer->pos(), QPoint(254, 2));
    EXPECT_EQ(main.preview->pos(), QPoint(4, 27));
    EXPECT_EQ(main.setting->pos(), QPoint(95, 27));
    EXPECT_GE(requests.count, 1);

    main.toolbar->resize(545, 54);
    EXPECT_EQ(main.toolbar->height(), 29);
    EXPECT_EQ(main.setting->pos(), QPoint(353, 2));
}

TEST(Toolbar, LayoutFollowsTheControlOrderAndSkipsHiddenControls)
{
    MainToolbar main;
    main.toolbar->SetToolbarControls({main.setting, main.insert, main.remove, main.post, main.spacer, main.preview});
    EXPECT_EQ(main.setting->pos(), QPoint(4, 2));
    EXPECT_EQ(main.insert->pos(), QPoint(4 + 67, 2));

    main.remove->hide();
    EXPECT_EQ(main.post->pos(), QPoint(4 + 67 + 94, 2));
    main.remove->show();
    EXPECT_EQ(main.post->pos(), QPoint(4 + 67 + 94 + 96, 2));

    delete main.insert;
    EXPECT_EQ(main.toolbar->ToolbarControls().size(), 5u);
    EXPECT_EQ(main.remove->pos(), QPoint(4 + 67, 2));

    auto* added = main.AddButton(QStringLiteral("Added"), 0, 1);
    added->show();  // a child added to a shown toolbar stays hidden until shown
    EXPECT_EQ(main.toolbar->ToolbarControls().back(), added);
    EXPECT_EQ(added->pos(), QPoint(4 + 67 + 96 + 60 + 8 + 91, 2));
}

TEST(Toolbar, RightToLeftLayoutStartsAtTheRightEdge)
{
    MainToolbar main;
    main.toolbar->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(main.insert->pos(), QPoint(545 - 4 - 94, 2));
    EXPECT_EQ(main.setting->pos(), QPoint(545 - 353 - 67, 2));
}

TEST(Toolbar, TextOptionsPresetsReachTheButtonsAndOwnSettingsMakeThemCustom)
{
    MainToolbar main;
    main.toolbar->SetTextOptions(ttoShowTextLabels);
    EXPECT_EQ(main.toolbar->RowHeight(), 40);
    EXPECT_EQ(main.insert->Layout(), blGlyphTop);
    EXPECT_EQ(main.insert->size(), QSize(66 + 8, 40));  // caption + 8 beats 60
    EXPECT_EQ(main.post->size(), QSize(60, 40));
    EXPECT_EQ(main.spacer->pos(), QPoint(4 + 74 + 76 + 60, 2 + 20 - 12));
    EXPECT_EQ(main.toolbar->height(), 44);

    main.toolbar->SetTextOptions(ttoNoTextLabels);
    EXPECT_FALSE(main.insert->ShowCaption());
    EXPECT_EQ(main.insert->size(), QSize(25, 25));
    EXPECT_EQ(main.toolbar->TextOptions(), ttoNoTextLabels);

    main.toolbar->SetButtonHeight(30);
    EXPECT_EQ(main.toolbar->TextOptions(), ttoCustom);
    EXPECT_EQ(main.insert->height(), 30);

    // A button with its own layout keeps it.
    main.post->SetLayout(blGlyphRight);
    main.toolbar->SetTextOptions(ttoShowTextLabels);
    EXPECT_EQ(main.post->Layout(), blGlyphRight);
    EXPECT_EQ(main.insert->Layout(), blGlyphTop);
}

TEST(Toolbar, AutoStyleDrawsTheDividerOnTheSideThatFacesTheClientArea)
{
    struct Case {
        TAlign align;
        TSides sides;
    };
    for (const Case& c : {Case{alBottom, {sdBottom}}, Case{alLeft, {sdLeft}}, Case{alRight, {sdRight}}, Case{alNone, {sdTop}}}) {
        TRzToolbar toolbar;
        toolbar.SetAlign(c.align);
        EXPECT_EQ(toolbar.BorderSides(), c.sides) << c.align;
        EXPECT_EQ(toolbar.BorderOuter(), fsGroove);
        EXPECT_TRUE(toolbar.AutoStyle());
    }
    TRzToolbar toolbar;
    toolbar.SetShowDivider(false);
    EXPECT_EQ(toolbar.BorderOuter(), fsNone);
    EXPECT_TRUE(toolbar.AutoStyle());
}

TEST(Toolbar, AnExplicitFrameSwitchesAutoStyleOff)
{
    TRzToolbar toolbar;
    toolbar.SetBorderOuter(fsGroove);  // the same value changes nothing
    EXPECT_TRUE(toolbar.AutoStyle());
    toolbar.SetBorderOuter(fsNone);
    EXPECT_FALSE(toolbar.AutoStyle());
    toolbar.SetAlign(alBottom);
    EXPECT_EQ(toolbar.BorderOuter(), fsNone);
    EXPECT_EQ(toolbar.BorderSides(), TSides{sdTop});

    TRzToolbar sides;
    sides.SetBorderSides({sdTop, sdBottom});
    EXPECT_FALSE(sides.AutoStyle());
}

TEST(Toolbar, AutoResizeSizesAcrossTheRowsOrAlongThem)
{
    struct Case {
        TAlign align;
        TOrientation orientation;
        QSize expected;
    };
    // Two controls 30 x 20 and 40 x 20 on a 200 x 100 toolbar, one row.
    const Case cases[] = {
        {alTop, orHorizontal, {200, 25 + 4}},
        {alNone, orHorizontal, {200, 25 + 4}},
        {alLeft, orHorizontal, {4 + 4 + 30 + 40, 100}},  // margin + the furthest x
        {alClient, orHorizontal, {200, 100}},
        {alLeft, orVertical, {25 + 4, 100}},
        {alTop, orVertical, {200, 4 + 4 + 20 + 20}},
    };
    for (const Case& c : cases) {
        ToolbarLayoutInput input;
        input.toolbarSize = {200, 100};
        input.orientation = c.orientation;
        input.controls = {{30, 20}, {40, 20}};
        const ToolbarLayout layout = LayoutToolbarControls(input);
        EXPECT_EQ(AutoResizedToolbarSize(input, layout, c.align), c.expected) << c.align << " " << c.orientation;
    }
}

TEST(Toolbar, VerticalToolbarStacksControlsInColumns)
{
    ToolbarLayoutInput input;
    input.toolbarSize = {30, 60};
    input.orientation = orVertical;
    input.controls = {{25, 25}, {25, 20}, {20, 25}};
    const ToolbarLayout layout = LayoutToolbarControls(input);
    // The third control would end at 49 + 25, past 60 - 4: it starts a new column, centred in it.
    const std::vector<QPoint> expected = {{2, 4}, {2, 29}, {25 + 2 + 12 - 10, 4}};
    EXPECT_EQ(layout.positions, expected);
    EXPECT_EQ(layout.rows, 2);
}

TEST(Toolbar, PaintsItsGrooveAndColourAndTilesItsBackground)
{
    MainToolbar main;
    const QImage idle = main.Render();
    for (int x : {0, 300, 544}) {
        EXPECT_EQ(idle.pixel(x, 0), RgbOf(clBtnShadow));
        EXPECT_EQ(idle.pixel(x, 1), RgbOf(clBtnHighlight));
    }
    EXPECT_EQ(idle.pixel(500, 15), RgbOf(clBtnFace));

    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(Qt::red);
    main.toolbar->SetBackground(tile);
    const QImage tiled = main.Render();
    EXPECT_EQ(tiled.pixel(500, 15), qRgb(255, 0, 0));
    EXPECT_EQ(tiled.pixel(500, 0), RgbOf(clBtnShadow));
}

TEST(Spacer, IsAnEmptyGapOrAGrooveAcrossItsMiddle)
{
    TRzSpacer spacer;
    EXPECT_EQ(spacer.size(), QSize(8, 25));
    auto render = [&] {
        QImage image(spacer.size(), QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        spacer.PaintTo(painter);
        return image;
    };
    QImage plain(spacer.size(), QImage::Format_RGB32);
    plain.fill(Qt::red);
    EXPECT_EQ(render(), plain);

    spacer.SetGrooved(true);
    const QImage grooved = render();
    for (int y : {0, 12, 24}) {
        EXPECT_EQ(grooved.pixel(3, y), RgbOf(clBtnShadow)) << y;
        EXPECT_EQ(grooved.pixel(4, y), RgbOf(clBtnHighlight)) << y;
        EXPECT_EQ(grooved.pixel(2, y), qRgb(255, 0, 0)) << y;
    }
}
