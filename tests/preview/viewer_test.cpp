#include "viewer_fixture.h"

#include "platform/rounding.h"

#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

namespace {

std::vector<QRect> PageRects(const TfrxPreviewWorkspace& area)
{
    std::vector<QRect> rects;
    for (int i = 0; i < int(area.PageList().size()); ++i)
        rects.push_back(PageRect(area.PageList(), i, area.Geometry()));
    return rects;
}

void Wheel(QWidget& area, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWheelEvent event(QPointF(100, 100), area.mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&area, &event);
}

TEST_F(ViewerTest, DiaryPagesSitOnTheirOwnRowsAtZoomOne)
{
    PrintPages(3);
    Open({819, 600});
    EXPECT_EQ(viewer.PageNo(), 1);
    EXPECT_EQ(viewer.Zoom(), 1);
    const std::vector<QRect> expected{{10, 10, 794, 1123}, {10, 1143, 794, 1123}, {10, 2276, 794, 1123}};
    EXPECT_EQ(PageRects(Pages()), expected);
    // The last page's bottom plus a gap, less what the window shows.
    EXPECT_EQ(Pages().verticalScrollBar()->maximum(), 3409 - Pages().viewport()->height());
    // The thumbnails are laid out at a tenth of the size.
    EXPECT_EQ(viewer.Thumbnail()->PageList().at(0).Width, 79);
    EXPECT_EQ(viewer.Thumbnail()->PageList().at(0).Height, 112);
}

TEST_F(ViewerTest, ZoomModesFitThePageAndFactorsHaveAFloor)
{
    PrintPages(3);
    Open({819, 600});

    viewer.SetZoomMode(zmPageWidth);
    EXPECT_DOUBLE_EQ(viewer.Zoom(), double(819 - ScrollBarWidth() - 26) / 794);
    EXPECT_EQ(Pages().PageList().at(0).Width, RoundHalfEven(794 * viewer.Zoom()));

    // The whole page also brings the current page's top into view.
    viewer.SetPageNo(2);
    Pages().SetPosition({0, Top() + 50});
    viewer.SetZoomMode(zmWholePage);
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 574.0 / 1123);
    EXPECT_EQ(Pages().PageList().at(0).Height, 574);
    EXPECT_EQ(Top(), Pages().PageList().at(1).OffsetY - 10);

    viewer.SetZoom(0.2);
    EXPECT_EQ(viewer.Zoom(), 0.25);
    EXPECT_EQ(viewer.ZoomMode(), zmDefault);
    EXPECT_EQ(Pages().PageList().at(1).Width, 198);

    // Ctrl+wheel steps by a tenth and stops at 0.3.
    viewer.SetZoom(0.35);
    Wheel(*Pages().viewport(), -120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 0.3);
    Wheel(*Pages().viewport(), -120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 0.3);
    Wheel(*Pages().viewport(), 120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 0.4);
}

TEST_F(ViewerTest, NavigationScrollsToThePageAndReportsIt)
{
    PrintPages(5);
    Open({819, 600});
    // The last page's top (4542) is within the scroll range, so it too goes to 10 pixels below the edge.
    const int lastTop = 4532;
    ASSERT_GT(Pages().verticalScrollBar()->maximum(), lastTop);

    struct Step {
        std::function<void()> action;
        int page;
        int top;
    };
    QWidget& keys = Pages();
    const Step steps[] = {
        {[&] { viewer.Next(); }, 2, 1133},
        {[&] { QTest::keyClick(&keys, Qt::Key_PageDown, Qt::ControlModifier); }, 3, 2266},
        {[&] { viewer.Prior(); }, 2, 1133},
        {[&] { QTest::keyClick(&keys, Qt::Key_End); }, 5, lastTop},
        {[&] { QTest::keyClick(&keys, Qt::Key_Home); }, 1, 0},
        {[&] { viewer.SetPageNo(99); }, 5, lastTop},
        {[&] { viewer.SetPageNo(-3); }, 1, 0},
        {[&] { viewer.Last(); }, 5, lastTop},
        {[&] { QTest::keyClick(&keys, Qt::Key_PageUp, Qt::ControlModifier); }, 4, 3399},
    };
    for (const Step& step : steps) {
        pageLog.clear();
        step.action();
        EXPECT_EQ(pageLog, std::vector<int>{step.page});
        EXPECT_EQ(viewer.PageNo(), step.page);
        EXPECT_EQ(Top(), step.top);
    }
}

TEST_F(ViewerTest, ScrollingFollowsThePageAtTheTop)
{
    PrintPages(3);
    Open({819, 600});
    QWidget& keys = Pages();

    QTest::keyClick(&keys, Qt::Key_PageDown);
    EXPECT_EQ(Top(), 300);
    QTest::keyClick(&keys, Qt::Key_Down);
    EXPECT_EQ(Top(), 308);
    QTest::keyClick(&keys, Qt::Key_Up);
    EXPECT_EQ(Top(), 300);
    // The scroll bar steps the same way.
    Pages().verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Top(), 600);
    Pages().verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Top(), 592);
    Pages().SetPosition({0, 300});
    // One wheel message is 20 pixels, whatever its size.
    Wheel(*Pages().viewport(), -360);
    EXPECT_EQ(Top(), 320);
    Wheel(*Pages().viewport(), 1);
    EXPECT_EQ(Top(), 300);

    // The second page (top 1143) becomes current a fifth of its height (224) early.
    pageLog.clear();
    Pages().SetPosition({0, 918});
    EXPECT_EQ(viewer.PageNo(), 1);
    Pages().SetPosition({0, 919});
    EXPECT_EQ(viewer.PageNo(), 2);
    EXPECT_EQ(pageLog, (std::vector<int>{1, 2}));

    // Dragging pans opposite to the mouse; scroll positions stay in range.
    QTest::mousePress(Pages().viewport(), Qt::LeftButton, {}, {400, 300});
    QTest::mouseMove(Pages().viewport(), {400, 250});
    QTest::mouseRelease(Pages().viewport(), Qt::LeftButton, {}, {400, 250});
    EXPECT_EQ(Top(), 969);
    Pages().SetPosition({-50, 99999});
    EXPECT_EQ(Pages().Position(), QPoint(0, Pages().verticalScrollBar()->maximum()));
    EXPECT_EQ(viewer.PageNo(), 3);
}

TEST_F(ViewerTest, ClickingAThumbnailMovesOnlyThePageArea)
{
    PrintPages(8);
    Open({819, 600});
    viewer.SetThumbnailVisible(true);
    EXPECT_FALSE(viewer.OutlineVisible());
    TfrxPreviewWorkspace& thumbnails = *viewer.Thumbnail();
    EXPECT_EQ(thumbnails.width(), 120);
    thumbnails.SetPosition({0, 100});

    const QPoint third = thumbnails.PageRectInView(2).center();
    QTest::mouseClick(thumbnails.viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(viewer.PageNo(), 3);
    EXPECT_EQ(Top(), Pages().PageList().at(2).OffsetY - 10);
    EXPECT_EQ(thumbnails.Position().y(), 100);

    // A click on a page makes it current without moving the page area.
    const int top = Top();
    QTest::mouseClick(Pages().viewport(), Qt::LeftButton, {}, Pages().PageRectInView(3).topLeft() + QPoint(5, 5));
    EXPECT_EQ(viewer.PageNo(), 4);
    EXPECT_EQ(Top(), top);

    viewer.SetOutlineVisible(true);
    EXPECT_FALSE(viewer.ThumbnailVisible());
}

TEST_F(ViewerTest, PagesShowWhileTheyAreBuilt)
{
    Open({819, 600});
    EXPECT_EQ(viewer.PageNo(), 0);
    std::vector<QString> events;
    viewer.OnBuildStarted = [&](TfrxPreview*) { events.push_back(QStringLiteral("start")); };
    viewer.OnFirstPage = [&](TfrxPreview*) { events.push_back(QStringLiteral("first page")); };
    viewer.OnBuildStopped = [&](TfrxPreview*) { events.push_back(QStringLiteral("stop")); };
    diary.pages.OnProgressStart = [&] { viewer.InternalOnProgressStart(); };
    diary.pages.OnProgress = [&](int pageNumber) { viewer.InternalOnProgress(pageNumber - 1); };
    diary.pages.OnProgressStop = [&] { viewer.InternalOnProgressStop(); };

    diary.Start();
    EXPECT_TRUE(viewer.Running());
    diary.NewPage();
    EXPECT_EQ(viewer.PageNo(), 1);
    EXPECT_EQ(Pages().PageList().size(), 1u);
    diary.EndPage();
    diary.NewPage();
    diary.EndPage();
    diary.NewPage();
    EXPECT_EQ(Pages().PageList().size(), 3u);
    // The thumbnails wait for the end of the build.
    EXPECT_EQ(viewer.Thumbnail()->PageList().size(), 0u);
    diary.EndPage();
    diary.Finish();

    EXPECT_FALSE(viewer.Running());
    EXPECT_EQ(viewer.Thumbnail()->PageList().size(), 3u);
    EXPECT_EQ(events, (std::vector<QString>{"start", "first page", "stop"}));
    EXPECT_EQ(viewer.PageNo(), 1);
}

}  // namespace

namespace {

TEST_F(ViewerTest, LockingFreezesThePicturesUntilUnlocked)
{
    PrintPages(3);
    Open({819, 600});
    const QImage top = Pages().viewport()->grab().toImage();
    viewer.Lock();
    viewer.ShowMessage(QStringLiteral("Printing"));
    EXPECT_TRUE(viewer.MessagePanel()->isVisible());
    EXPECT_EQ(viewer.MessagePanel()->geometry(), QRect((819 - 260) / 2, 200, 260, 75));
    // Scrolling and zooming while locked leave the frozen picture and the layout alone.
    Pages().SetPosition({0, 700});
    viewer.SetZoom(0.5);
    EXPECT_EQ(Pages().PageList().at(0).Width, 794);
    EXPECT_EQ(Pages().viewport()->grab().toImage(), top);

    viewer.Unlock();
    EXPECT_FALSE(viewer.MessagePanel()->isVisible());
    EXPECT_EQ(Pages().PageList().at(0).Width, 397);
    EXPECT_NE(Pages().viewport()->grab().toImage(), top);
}

TEST_F(ViewerTest, SetPositionShowsAPlaceInsideAPageAndDoubleClicksAreReported)
{
    PrintPages(3);
    Open({819, 600});
    viewer.SetPosition(2, 300);
    EXPECT_EQ(Top(), 1143 + 300 - 10);
    EXPECT_EQ(viewer.PageNo(), 2);
    viewer.SetPosition(99, 0);
    EXPECT_EQ(Top(), 2276 - 10);
    EXPECT_EQ(viewer.PageNo(), 3);

    int doubleClicks = 0;
    viewer.OnDblClick = [&](TfrxPreview*) { ++doubleClicks; };
    QTest::mouseDClick(Pages().viewport(), Qt::LeftButton, {}, {100, 100});
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ViewerTest, OutlineEntriesLeadToTheirPlaces)
{
    diary.Start();
    for (const char* month : {"June", "July"}) {
        diary.NewPage();
        diary.pages.Outline().LevelRoot();
        diary.pages.Outline().AddItem(QString::fromLatin1(month), 200);
        diary.EndPage();
    }
    diary.Finish();
    Open({819, 600});
    viewer.SetOutlineVisible(true);
    EXPECT_FALSE(viewer.ThumbnailVisible());
    QTreeWidget& outline = *viewer.Outline();
    EXPECT_EQ(outline.width(), 120);
    ASSERT_EQ(outline.topLevelItemCount(), 2);
    EXPECT_EQ(outline.topLevelItem(1)->text(0), QStringLiteral("July"));

    QTest::mouseClick(outline.viewport(), Qt::LeftButton, {}, outline.visualItemRect(outline.topLevelItem(1)).center());
    EXPECT_EQ(viewer.PageNo(), 2);
    EXPECT_EQ(Top(), 1143 + 200 - 10);
}

}  // namespace
