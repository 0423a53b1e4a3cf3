#include "../report/report_engine_fixture.h"

#include "preview/preview.h"
#include "preview/preview_workspace.h"

#include <QLayout>
#include <gtest/gtest.h>

namespace {

// The viewer on the diary's own store while the report engine builds it.
class BuildTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        viewer.resize(819, 600);
        viewer.show();
        viewer.layout()->activate();
        viewer.Init(&build.report, &build.store);
        build.report.OnProgressStart = [this](TfrxReport*, TfrxProgressType, int) { viewer.InternalOnProgressStart(); };
        build.report.OnProgress = [this](TfrxReport*, TfrxProgressType, int page) { viewer.InternalOnProgress(page - 1); };
        build.report.OnProgressStop = [this](TfrxReport*, TfrxProgressType, int) { viewer.InternalOnProgressStop(); };
    }

    TfrxPreviewWorkspace& Pages() const { return *viewer.Workspace(); }

    DiaryBuild build;
    TfrxPreview viewer;
};

TEST_F(BuildTest, PagesAppearAsTheEngineAddsThem)
{
    build.SetEntries(std::vector<int>(40, 3));
    std::vector<size_t> laidOutAtFirstPage;
    viewer.OnFirstPage = [&](TfrxPreview*) { laidOutAtFirstPage.push_back(Pages().PageList().size()); };
    ASSERT_TRUE(build.report.PrepareReport(true));

    const int count = viewer.PageCount();
    ASSERT_GT(count, 2);
    EXPECT_EQ(laidOutAtFirstPage, std::vector<size_t>{1});
    EXPECT_FALSE(viewer.Running());
    EXPECT_EQ(int(Pages().PageList().size()), count);
    EXPECT_EQ(int(viewer.Thumbnail()->PageList().size()), count);
    EXPECT_EQ(viewer.PageNo(), 1);
    EXPECT_TRUE(viewer.FindText(QStringLiteral("Entry 40, line 3"), true, true));
}

TEST_F(BuildTest, CancelStopsTheBuildWithThePagesSoFar)
{
    build.SetEntries(std::vector<int>(40, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    const int fullCount = viewer.PageCount();

    viewer.OnFirstPage = [&](TfrxPreview* sender) { sender->Cancel(); };
    build.report.PrepareReport(true);
    EXPECT_FALSE(viewer.Running());
    EXPECT_GE(viewer.PageCount(), 1);
    EXPECT_LT(viewer.PageCount(), fullCount);
    EXPECT_EQ(int(Pages().PageList().size()), viewer.PageCount());
}

TEST_F(BuildTest, RefreshKeepsThePageAndTheScrollPosition)
{
    build.SetEntries(std::vector<int>(40, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    viewer.SetPageNo(3);
    Pages().SetPosition({0, Pages().Position().y() + 100});
    const QPoint position = Pages().Position();

    build.texts[0] = QStringLiteral("Changed\r\n");
    viewer.RefreshReport();
    EXPECT_FALSE(viewer.Locked());
    EXPECT_EQ(viewer.PageNo(), 3);
    EXPECT_EQ(Pages().Position(), position);
    EXPECT_TRUE(viewer.FindText(QStringLiteral("Changed"), true, true));

    // With fewer pages the viewer stays on the last one.
    build.SetEntries({1});
    viewer.SetPageNo(3);
    viewer.RefreshReport();
    EXPECT_EQ(viewer.PageCount(), 1);
    EXPECT_EQ(viewer.PageNo(), 1);
}

TEST_F(BuildTest, ClearingOrDestroyingTheReportLeavesAnEmptyViewer)
{
    build.SetEntries(std::vector<int>(40, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    viewer.Clear();
    EXPECT_EQ(build.store.Count(), 0);
    EXPECT_EQ(viewer.PageNo(), 0);
    EXPECT_TRUE(Pages().PageList().empty());

    ASSERT_TRUE(build.report.PrepareReport(true));
    build.form.reset();
    EXPECT_EQ(viewer.Report(), nullptr);
    EXPECT_EQ(viewer.PageCount(), 0);
    // Only the background is left to paint.
    const QImage image = Pages().viewport()->grab().toImage();
    EXPECT_EQ(image.pixel(image.width() / 2, 50), qRgb(128, 128, 128));
}

}  // namespace
