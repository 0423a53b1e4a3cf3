#include "../qt_print.h"
#include "../report_engine_fixture.h"

#include "report/base/report_units.h"
#include "report/engine/report_engine.h"
#include "report/expressions/engine_values.h"
#include "report/model/band_kinds.h"
#include "report/model/preview_binding.h"
#include "report/model/report_page.h"

#include "platform/errors.h"
#include "platform/scripted_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kHeading = QStringLiteral("The following error(s) have occured:");

// The names of the objects directly on a prepared page.
QStringList PageObjectNames(const TfrxReportPage& page)
{
    QStringList names;
    for (const TfrxComponent* object : page.Objects())
        names << object->Name();
    return names;
}

// Stands in for the modal preview window: it records what it is told, and its message loop runs
// until the build it was opened for has finished.
struct ModalPreview : TfrxPreviewBinding {
    QStringList log;
    int pagesWhenShown = -1;
    bool built = false;
    bool modal = true;

    void ShowPreparedReport(TfrxReport& report) override
    {
        log << QStringLiteral("show");
        pagesWhenShown = ReportPreviewPages(report)->Count();
        built = false;
        while (modal && !built)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void ClosePreview() override { log << QStringLiteral("close"); }
    void BuildStarted() override { log << QStringLiteral("start"); }
    void PageAdded(int index) override { log << QStringLiteral("page %1").arg(index); }
    void BuildStopped() override
    {
        log << QStringLiteral("stop");
        built = true;
    }
};

TEST(ReportBuilding, ProgressTellsEveryNewPageAndCancelKeepsThePagesBuiltSoFar)
{
    DiaryBuild build;
    build.SetEntries(std::vector<int>(30, 1));
    QStringList log;
    build.report.OnProgressStart = [&](TfrxReport*, TfrxProgressType type, int) {
        log << QStringLiteral("start %1").arg(type);
    };
    build.report.OnProgress = [&](TfrxReport* report, TfrxProgressType, int page) {
        log << QStringLiteral("page %1").arg(page);
        if (page == 2)
            report->SetTerminated(true);  // the preview's cancel
    };
    build.report.OnProgressStop = [&](TfrxReport*, TfrxProgressType, int) { log << QStringLiteral("stop"); };

    EXPECT_TRUE(build.report.PrepareReport(true)) << "a cancelled build counts as done";
    EXPECT_EQ(log, QStringList({"start 0", "page 1", "page 2", "stop"}));
    ASSERT_EQ(build.store.Count(), 2);
    // The page being built when the cancel came still gets its footer.
    EXPECT_EQ(PageObjectNames(build.Page(1)), QStringList({"PageHeader1", "MasterData1", "PageFooter1"}));
    EXPECT_FALSE(build.report.Engine().Running());
}

TEST(ReportBuilding, AnErrorWhileBuildingEndsItAndIsReportedAfterwardsAsTheSilentModeSays)
{
    struct Case {
        TfrxSilentMode mode;
        int messageBoxes;
        bool raised;
    };
    for (const Case& c : {Case{simMessageBoxes, 1, false}, Case{simSilent, 0, false}, Case{simReThrow, 0, true}}) {
        SCOPED_TRACE(int(c.mode));
        ScriptedDialogs dialogs;
        dialogs.Queue(IDOK);
        DiaryBuild build;
        build.report.EngineOptions()->SetNewSilentMode(c.mode);
        build.SetEntries(std::vector<int>(20, 1));
        build.diary.dataSet->OnGetValue = [&](const QString&, QVariant& value) {
            if (build.diary.dataSet->RecNo() == 14)
                throw Exception(QStringLiteral("The diary file is locked"));
            value = QStringLiteral("Entry");
        };
        bool result = false;
        QString raised;
        try {
            result = build.report.PrepareReport(true);
        } catch (const Exception& error) {
            raised = error.Message();
        }
        const QString report = kHeading + QStringLiteral("\r\n") + build.report.Errors().join(QStringLiteral("\r\n"));
        EXPECT_FALSE(result);
        ASSERT_FALSE(build.report.Errors().isEmpty());
        EXPECT_TRUE(build.report.Errors().join(u' ').contains(QStringLiteral("The diary file is locked")));
        ASSERT_EQ(dialogs.Messages().size(), c.messageBoxes);
        if (c.messageBoxes) {
            EXPECT_EQ(dialogs.Messages()[0].text, report);
            EXPECT_EQ(dialogs.Messages()[0].caption, "Error");
            EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));
        }
        EXPECT_EQ(raised, c.raised ? report : QString());
        EXPECT_EQ(build.store.Count(), 2) << "the pages built so far stay";
        EXPECT_FALSE(build.report.Engine().Running());
        EXPECT_EQ(&build.report.EngineValues(), &IdleEngineValues());
    }
}

TEST(ReportBuilding, ABandTreeErrorStopsTheBuildBeforeAnyPageAndClosesThePreview)
{
    ScriptedDialogs dialogs;
    dialogs.Queue(IDOK);
    DiaryBuild build;
    build.report.EngineOptions()->SetNewSilentMode(simMessageBoxes);
    build.SetEntries({1, 1});
    auto& page = *qobject_cast<TfrxReportPage*>(build.report.FindObject(QStringLiteral("Page1")));
    auto* footer = new TfrxFooter(&page);
    footer->SetName(QStringLiteral("Footer1"));
    footer->SetTop(0);
    footer->SetHeight(20);
    ModalPreview preview;
    build.report.SetPreview(&preview);

    EXPECT_FALSE(build.report.PrepareReport(true));
    EXPECT_EQ(build.report.Errors(), QStringList({"Unconnected header/footer Footer1"}));
    EXPECT_EQ(build.store.Count(), 0);
    EXPECT_EQ(preview.log, QStringList({"start", "stop", "close"}));
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, kHeading + QStringLiteral("\r\nUnconnected header/footer Footer1"));
}

// A build the engine refuses leaves nothing to show; one stopped or failed later keeps its preview
// with the pages there are.
TEST(ReportBuilding, OnlyABuildTheEngineRefusesClosesThePreview)
{
    struct Case {
        const char* name;
        std::function<void(DiaryBuild&)> arrange;
        int pages;
        bool closed;
    };
    const std::vector<Case> cases = {
        {"band tree error",
         [](DiaryBuild& build) {
             auto* footer = new TfrxFooter(build.report.FindObject(QStringLiteral("Page1")));
             footer->SetName(QStringLiteral("Footer1"));
         },
         0, true},
        {"stopped before the engine ran",
         [](DiaryBuild& build) { build.report.OnBeginDoc = [](TfrxReport* report) { report->SetTerminated(true); }; },
         0, false},
        {"error on the second page",
         [](DiaryBuild& build) {
             build.diary.dataSet->OnGetValue = [&build](const QString&, QVariant&) {
                 if (build.diary.dataSet->RecNo() == 14)
                     throw Exception(QStringLiteral("The diary file is locked"));
             };
         },
         2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiaryBuild build;
        build.SetEntries(std::vector<int>(20, 1));
        ModalPreview preview;
        build.report.SetPreview(&preview);
        c.arrange(build);
        EXPECT_FALSE(build.report.PrepareReport(true));
        EXPECT_EQ(build.store.Count(), c.pages);
        EXPECT_EQ(preview.log.contains(QStringLiteral("close")), c.closed);
    }
}

TEST(ReportBuilding, ShowReportOpensThePreviewAtOnceAndBuildsFromTheMessageLoop)
{
    DiaryBuild build;
    build.SetEntries(std::vector<int>(13, 2));
    ModalPreview preview;
    build.report.SetPreview(&preview);

    build.report.ShowReport();
    EXPECT_EQ(preview.log, QStringList({"show", "start", "page 0", "page 1", "stop"}));
    EXPECT_EQ(preview.pagesWhenShown, 0) << "the preview opens before the first page";
    EXPECT_EQ(build.store.Count(), 2);
    EXPECT_FALSE(build.report.Engine().Running());

    // Showing again rebuilds the same pages in place of the old ones.
    build.report.ShowReport();
    EXPECT_EQ(build.store.Count(), 2);
    EXPECT_EQ(PageObjectNames(build.Page(1)), QStringList({"PageHeader1", "MasterData1", "PageFooter1"}));

    // Building without clearing appends the new pages, numbered on.
    ASSERT_TRUE(build.report.PrepareReport(false));
    ASSERT_EQ(build.store.Count(), 4);
    EXPECT_EQ(FirstText(*build.Page(3).Objects().last()), "4");
}

// The preview was closed before the build's start came due: the build is dropped.
TEST(ReportBuilding, NoBuildStartsAfterTheModalPreviewClosed)
{
    struct ClosedAtOnce : ModalPreview {
        bool PreviewOpen() const override { return false; }
    };
    DiaryBuild build;
    build.SetEntries(std::vector<int>(13, 1));
    ClosedAtOnce preview;
    preview.modal = false;
    build.report.SetPreview(&preview);
    build.report.ShowReport();
    QTest::qWait(200);
    EXPECT_EQ(preview.log, QStringList({"show"}));
    EXPECT_EQ(build.store.Count(), 0);
}

TEST(ReportBuilding, ShowReportDoesNothingWhileABuildRuns)
{
    DiaryBuild build;
    build.SetEntries(std::vector<int>(13, 1));
    ModalPreview preview;
    preview.modal = false;
    build.report.SetPreview(&preview);
    build.report.OnProgress = [&](TfrxReport* report, TfrxProgressType, int) { report->ShowReport(); };
    ASSERT_TRUE(build.report.PrepareReport(true));
    EXPECT_FALSE(preview.log.contains(QStringLiteral("show")));
    EXPECT_EQ(build.store.Count(), 2);
}

// Renders the first page as the preview shows it; the picture is left in the temporary folder to
// be looked at.
TEST(ReportBuilding, ThePreparedPagePaintsHeaderEntriesAndFooter)
{
    DiaryBuild build;
    build.SetEntries({2, 5, 1, 9});
    ASSERT_TRUE(build.report.PrepareReport(true));
    const QSize size = build.store.GetPageSize(0);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    build.store.PaintPage(0, painter, 1.0);
    painter.end();
    image.save(QDir::temp().filePath(QStringLiteral("kalvo_built_page.png")));

    const double margin = 10 * fr01cm;
    auto darkRows = [&](double top, double bottom) {
        int rows = 0;
        for (int y = int(top + margin); y < int(bottom + margin); ++y) {
            bool dark = false;
            for (int x = 0; x < image.width() && !dark; ++x)
                dark = qGray(image.pixel(x, y)) < 128;
            rows += dark ? 1 : 0;
        }
        return rows;
    };
    EXPECT_GT(darkRows(0, DiaryBuild::kHeaderHeight), 5) << "the date at the top";
    EXPECT_GT(darkRows(DiaryBuild::kFooterTop, DiaryBuild::kFooterTop + 19), 5) << "the page number";
    const double entriesBottom = DiaryBuild::kHeaderHeight + DiaryBuild::BandHeight(2) + DiaryBuild::BandHeight(5) +
                                 DiaryBuild::BandHeight(1) + DiaryBuild::BandHeight(9);
    EXPECT_GT(darkRows(DiaryBuild::kHeaderHeight, entriesBottom), 200) << "the entries";
    EXPECT_EQ(darkRows(entriesBottom + 2, DiaryBuild::kFooterTop), 0) << "nothing between the last entry and the footer";
}

}  // namespace
