// The viewer scrolling through a diary while the store keeps a single decoded page: pages are
// dropped from the cache and decoded again while they are painted, selected and hit-tested.
#include "viewer_fixture.h"

#include "report/model/preview_options.h"
#include "report/model/report.h"
#include "report/views/view.h"

#include <QImage>
#include <QTest>
#include <QWheelEvent>

namespace {

constexpr int kPageCount = 6;

std::vector<DiaryEntry> TwoEntriesAPage()
{
    std::vector<DiaryEntry> entries;
    for (int i = 0; i < 2 * kPageCount; ++i)
        entries.push_back({QStringLiteral("2021/07/%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                           QStringLiteral("Entry number %1.\r\nA second line.").arg(i + 1)});
    return entries;
}

void Wheel(QWidget& area, int delta)
{
    QWheelEvent event(QPointF(100, 100), area.mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&area, &event);
}

// What a tour of the pages showed: the viewer's picture at every stop, what the store found
// under a point of the page at the top, and the selection the shift-clicks there made.
struct Tour {
    std::vector<QImage> pictures;
    QStringList found;
    std::vector<TfrxSelectedObject> selection;
};

class CachedViewerTest : public ViewerTest {
protected:
    CachedViewerTest() : ViewerTest(TwoEntriesAPage()) {}

    void SetUp() override
    {
        diary.Start();
        for (int i = 0; i < kPageCount; ++i) {
            diary.NewPage();
            diary.OutputEntry();
            diary.OutputEntry();
            diary.EndPage();
        }
        diary.Finish();
        Open({900, 1000});
    }

    // From the top down with the wheel, the keys and the scroll bar, and back up.
    Tour TakeTour()
    {
        viewer.ClearSelection();
        Pages().verticalScrollBar()->setValue(0);
        QWidget& keys = Pages();
        const std::vector<std::function<void()>> moves{
            [&] { Wheel(*Pages().viewport(), -360); },
            [&] { QTest::keyClick(&keys, Qt::Key_PageDown); },
            [&] { Pages().verticalScrollBar()->setValue(Pages().verticalScrollBar()->value() + 1500); },
            [&] { QTest::keyClick(&keys, Qt::Key_End); },
            [&] { Wheel(*Pages().viewport(), 720); },
            [&] { QTest::keyClick(&keys, Qt::Key_PageUp); },
            [&] { Pages().verticalScrollBar()->setValue(900); },
        };
        // Found views are kept to the end of the tour: their pages must outlive the cache.
        std::vector<std::shared_ptr<const TfrxView>> held;
        Tour tour;
        for (const auto& move : moves) {
            move();
            Visit(tour, held);
        }
        for (const auto& view : held)
            tour.found << view->Name() + u'@' + QString::number(view->AbsTop(), 'f', 2);
        tour.selection = viewer.Selection();
        return tour;
    }

private:
    // Paints, hit-tests the page at the top under a point of its first entry's heading and
    // shift-clicks there, then paints again with the selection shown.
    void Visit(Tour& tour, std::vector<std::shared_ptr<const TfrxView>>& held)
    {
        tour.pictures.push_back(viewer.grab().toImage());
        const int index = Pages().PageAt(QPoint(400, 10));
        const QRect paper = Pages().PageRectInView(index);
        const QPointF heading = QPointF(paper.topLeft()) + QPointF(120, 100) * viewer.Zoom();
        if (auto view = diary.pages.ObjectOver(index, heading, viewer.Zoom(), viewer.Zoom(), paper.left(), paper.top()))
            held.push_back(std::move(view));
        QTest::mouseClick(Pages().viewport(), Qt::LeftButton, Qt::ShiftModifier, heading.toPoint());
        tour.pictures.push_back(viewer.grab().toImage());
    }
};

TEST_F(CachedViewerTest, OnePageInTheCacheShowsAndFindsWhatAFullCacheDoes)
{
    // The single page first, so that every page the tour needs is decoded while it goes on.
    diary.pages.Report()->PreviewOptions()->SetPagesInCache(1);
    const Tour single = TakeTour();
    diary.pages.Report()->PreviewOptions()->SetPagesInCache(50);
    const Tour full = TakeTour();

    ASSERT_EQ(full.found.size(), 7) << "each stop finds a view";
    ASSERT_FALSE(full.selection.empty());
    EXPECT_EQ(single.found, full.found);
    EXPECT_EQ(single.selection, full.selection);
    ASSERT_EQ(single.pictures.size(), full.pictures.size());
    for (size_t i = 0; i < full.pictures.size(); ++i)
        EXPECT_EQ(single.pictures[i], full.pictures[i]) << "picture " << i;
}

}  // namespace
