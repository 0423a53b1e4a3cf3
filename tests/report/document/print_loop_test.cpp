// The print loop of the prepared pages, through the recording spooler.
#include "../report_engine_fixture.h"

#include "report/document/print_hooks.h"
#include "report/document/print_layout.h"
#include "report/model/report_page.h"
#include "report/printers/print_texts.h"
#include "report/printers/printer.h"

#include "platform/errors.h"
#include "platform/recording_printers.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace {

using Sheet = RecordingSpooler::Sheet;

// The page number each drawing on the sheet shows in its footer.
std::vector<int> PagesOn(const Sheet& sheet)
{
    std::vector<int> pages;
    for (const RecordingSpooler::Drawing& drawing : sheet.drawings) {
        int number = 0;
        for (const QString& text : drawing.texts) {
            bool ok = false;
            const int value = text.toInt(&ok);
            if (ok)
                number = value;
        }
        pages.push_back(number);
    }
    return pages;
}

// Every page printed, in order; a blank sheet counts as 0.
std::vector<int> PrintedPages(const RecordingSpooler::Job& job)
{
    std::vector<int> pages;
    for (const Sheet& sheet : job.sheets) {
        const std::vector<int> on = PagesOn(sheet);
        if (on.empty())
            pages.push_back(0);
        pages.insert(pages.end(), on.begin(), on.end());
    }
    return pages;
}

class PrintLoop : public ::testing::Test {
protected:
    PrintLoop()
    {
        spooler.printers = {RecordingSpooler::StandardPrinter(QStringLiteral("Office")),
                            RecordingSpooler::StandardPrinter(QStringLiteral("Attic"))};
        spooler.defaultPrinter = QStringLiteral("Office");
        options().SetShowDialog(false);
    }
    ~PrintLoop() override { frxPrintHooks() = {}; }

    // One entry per page: each text is too tall to share a page.
    void BuildPages(int count, int lines = 40)
    {
        build.SetEntries(std::vector<int>(size_t(count), lines));
        ASSERT_TRUE(build.report.PrepareReport(true));
        ASSERT_EQ(build.store.Count(), count);
    }

    TfrxPrintOptions& options() { return *build.report.PrintOptions(); }
    const RecordingSpooler::Job& OnlyJob() const
    {
        EXPECT_EQ(spooler.jobs.size(), 1u);
        return spooler.jobs.front();
    }

    ScriptedDialogs dialogs;
    RecordingSpooler spooler;
    DiaryBuild build;
};

TEST_F(PrintLoop, DefaultsSendEveryPageOnceOnItsPaperFromTheDefaultBinAsOneNamedJob)
{
    BuildPages(3);
    EXPECT_TRUE(build.store.Print());

    const RecordingSpooler::Job& job = OnlyJob();
    EXPECT_EQ(job.printer, QStringLiteral("Office"));
    EXPECT_EQ(job.title, kDefaultDocumentTitle);
    EXPECT_TRUE(job.fileName.isEmpty());
    EXPECT_EQ(PrintedPages(job), (std::vector<int>{1, 2, 3}));
    for (const Sheet& sheet : job.sheets) {
        EXPECT_EQ(sheet.mode.paper, 9);
        EXPECT_EQ(sheet.mode.orientation, kPortraitMode);
        EXPECT_EQ(sheet.mode.bin, kAutomaticBin);
        EXPECT_EQ(sheet.mode.copies, 1);
        EXPECT_EQ(sheet.mode.duplex, kSimplexMode);
        // 600 dpi, paper corner at the device's corner.
        ASSERT_EQ(sheet.drawings.size(), 1u);
        EXPECT_DOUBLE_EQ(sheet.drawings[0].scaleX, 6.25);
        EXPECT_DOUBLE_EQ(sheet.drawings[0].offsetX, 0);
    }
    // The device is set up once, before the document starts; every page is ended, then the job.
    EXPECT_EQ(spooler.calls.count(QStringLiteral("SetMode")), 0);
    EXPECT_EQ(spooler.calls.first(), QStringLiteral("BeginDoc"));
    EXPECT_EQ(spooler.calls.last(), QStringLiteral("EndDoc"));
    EXPECT_TRUE(job.ended);
    EXPECT_FALSE(job.aborted);
}

TEST_F(PrintLoop, PageListsCopiesOrderAndParityDecideWhatComesOut)
{
    struct Case {
        const char* what;
        QString pages;
        int copies;
        bool collate;
        TfrxPrintPages parity;
        bool reverse;
        std::vector<int> printed;  // empty: no job at all
        int deviceCopies;
    };
    const Case cases[] = {
        {"5- runs to the last page", "5-", 1, true, ppAll, false, {5, 6, 7}, 1},
        {"a range running backwards is empty", "7-5", 1, true, ppAll, false, {}, 1},
        {"a page named twice prints twice", "2,2", 1, true, ppAll, false, {2, 2}, 1},
        {"pages outside the report are skipped", "0,9", 1, true, ppAll, false, {}, 1},
        {"spaces do not count", " 1 , 3", 1, true, ppAll, false, {1, 3}, 1},
        {"collated copies repeat the run", "", 3, true, ppAll, false,
         {1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7}, 1},
        {"uncollated copies are the device's", "", 3, false, ppAll, false, {1, 2, 3, 4, 5, 6, 7}, 3},
        {"copies below one print once", "1", 0, true, ppAll, false, {1}, 1},
        {"odd pages of 1-4", "1-4", 1, true, ppOdd, false, {1, 3}, 1},
        {"even pages of all", "", 1, true, ppEven, false, {2, 4, 6}, 1},
        {"reverse order of 1,3,5", "1,3,5", 1, true, ppAll, true, {5, 3, 1}, 1},
    };
    BuildPages(7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        spooler.jobs.clear();
        options().SetPageNumbers(c.pages);
        options().SetCopies(c.copies);
        options().SetCollate(c.collate);
        options().SetPrintPages(c.parity);
        options().SetReverse(c.reverse);
        EXPECT_TRUE(build.store.Print());
        if (c.printed.empty()) {
            EXPECT_TRUE(spooler.jobs.empty()) << "no document is started without pages";
            continue;
        }
        ASSERT_EQ(spooler.jobs.size(), 1u);
        EXPECT_EQ(PrintedPages(spooler.jobs[0]), c.printed);
        for (const Sheet& sheet : spooler.jobs[0].sheets)
            EXPECT_EQ(sheet.mode.copies, c.deviceCopies);
    }
}

TEST_F(PrintLoop, AnInvalidPageListRaisesTheConversionErrorAndPrintsNothing)
{
    BuildPages(2);
    options().SetPageNumbers(QStringLiteral("1,x"));
    options().SetCopies(4);
    try {
        build.store.Print();
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'x' is not a valid integer value"));
    }
    EXPECT_TRUE(spooler.jobs.empty());
    EXPECT_EQ(options().Copies(), 4) << "the options are as before";
}

TEST_F(PrintLoop, TheDialogsChoicesLastOneJobExceptTheDuplexAskedFor)
{
    BuildPages(3);
    options().SetShowDialog(true);
    frxPrintHooks().ShowPrintDialog = [this](TfrxReport&, TfrxDuplexMode& duplex) {
        options().SetPageNumbers(QStringLiteral("2"));
        options().SetCopies(2);
        options().SetCollate(false);
        frxPrinters().SetPrinterIndex(frxPrinters().IndexOf(QStringLiteral("Attic")));
        frxPrinters().Printer()->FileName = QStringLiteral("/tmp/out.prn");
        duplex = dmVertical;
        return true;
    };
    EXPECT_TRUE(build.store.Print());

    const RecordingSpooler::Job& job = OnlyJob();
    EXPECT_EQ(job.printer, QStringLiteral("Attic"));
    EXPECT_EQ(job.fileName, QStringLiteral("/tmp/out.prn"));
    EXPECT_EQ(PrintedPages(job), std::vector<int>{2});
    EXPECT_EQ(job.sheets[0].mode.copies, 2);
    EXPECT_EQ(job.sheets[0].mode.duplex, kVerticalDuplexMode);

    EXPECT_TRUE(options().PageNumbers().isEmpty());
    EXPECT_EQ(options().Copies(), 1);
    EXPECT_TRUE(options().Collate());
    EXPECT_EQ(options().Duplex(), dmVertical);
    EXPECT_TRUE(frxPrinters().Printer()->FileName.isEmpty()) << "the next job goes to the printer again";

    // Cancelling the dialog prints nothing.
    frxPrintHooks().ShowPrintDialog = [](TfrxReport&, TfrxDuplexMode&) { return false; };
    EXPECT_FALSE(build.store.Print());
    EXPECT_EQ(spooler.jobs.size(), 1u);
}

TEST_F(PrintLoop, CollatedDuplexCopiesEachStartOnASheetOfTheirOwn)
{
    BuildPages(3);
    options().SetCopies(2);
    options().SetDuplex(dmVertical);
    build.store.Print();
    EXPECT_EQ(PrintedPages(OnlyJob()), (std::vector<int>{1, 2, 3, 0, 1, 2, 3})) << "one blank page between copies";
}

TEST_F(PrintLoop, TheJobIsNamedAfterTheReportWhichHearsOfEveryPageAndCopy)
{
    BuildPages(2);
    build.report.ReportOptions()->SetName(QStringLiteral("June"));
    options().SetCopies(2);
    QStringList events;
    build.report.OnPrintReport = [&](TfrxReport*) { events << QStringLiteral("print"); };
    build.report.OnPrintPage = [&](const TfrxReportPage& page, int copyNo) {
        events << QStringLiteral("page %1 copy %2").arg(page.Orientation() == poPortrait ? "A4" : "?").arg(copyNo);
    };
    build.report.OnAfterPrintReport = [&](TfrxReport*) { events << QStringLiteral("after"); };
    build.store.Print();
    EXPECT_EQ(OnlyJob().title, QStringLiteral("June"));
    EXPECT_EQ(events, QStringList({"print", "page A4 copy 1", "page A4 copy 1", "page A4 copy 2", "page A4 copy 2", "after"}));
}

TEST_F(PrintLoop, CancelInTheProgressWindowAbortsBeforeTheNextPage)
{
    BuildPages(4);
    QStringList messages;
    frxPrintHooks().ProgressStart = [&](TfrxReport&) { messages << QStringLiteral("open"); };
    frxPrintHooks().ProgressMessage = [&](const QString& text) {
        messages << text;
        if (messages.size() == 3)
            build.report.SetTerminated(true);  // what Cancel does
    };
    frxPrintHooks().ProgressStop = [&] { messages << QStringLiteral("closed"); };
    EXPECT_TRUE(build.store.Print());

    EXPECT_EQ(messages, QStringList({"open", "Printing page 1", "Printing page 2", "closed"}));
    EXPECT_EQ(PrintedPages(OnlyJob()), (std::vector<int>{1, 2}));
    EXPECT_TRUE(OnlyJob().aborted);
    EXPECT_EQ(spooler.calls.count(QStringLiteral("Abort")), 1);
}

TEST_F(PrintLoop, ErrorBoxesForNoPrinterAnInvalidOneAndADocumentThatCouldNotBeFinished)
{
    BuildPages(1);
    spooler.printers.clear();
    EXPECT_FALSE(build.store.Print());
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("No printers installed on your system"));
    EXPECT_EQ(dialogs.Messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));
    EXPECT_EQ(frxPrinters().Printer()->Name(), QStringLiteral("Virtual"));

    RecordingSpooler::Printer broken = RecordingSpooler::StandardPrinter(QStringLiteral("Broken"));
    broken.dpi = 0;
    RecordingSpooler::Printer failing = RecordingSpooler::StandardPrinter(QStringLiteral("Failing"));
    failing.failEndDoc = true;
    spooler.printers = {broken, failing};
    spooler.defaultPrinter = QStringLiteral("Broken");
    SetSpooler(&spooler);  // a new list of printers
    options().SetPrinter(QStringLiteral("Broken"));
    EXPECT_FALSE(build.store.Print());
    ASSERT_GE(dialogs.Messages().size(), 2);
    EXPECT_EQ(dialogs.Messages().last().text, QStringLiteral("Printer selected is not valid"));
    EXPECT_TRUE(spooler.jobs.empty());

    options().SetPrinter(QStringLiteral("failing"));  // names are found without regard to case
    // A device that could not finish the document (a PDF that did not reach the disk) has not printed.
    const int boxes = dialogs.Messages().size();
    EXPECT_FALSE(build.store.Print());
    ASSERT_EQ(dialogs.Messages().size(), boxes + 1);
    EXPECT_EQ(dialogs.Messages().last().text, QStringLiteral("The document could not be finished"));
    EXPECT_TRUE(OnlyJob().ended);
    EXPECT_FALSE(frxPrinters().Printer()->Printing());
}

TEST(SheetCounting, JoinAndSplitChooseTheTurnedSheetOnlyWhenItNeedsFewer)
{
    EXPECT_EQ(SheetCount(210, 148), 2);
    EXPECT_EQ(SheetCount(297, 148), 2) << "1 mm left over counts as nothing";
    EXPECT_EQ(SheetCount(148, 210), 1);
    EXPECT_EQ(SheetCount(420, 210), 2);
    EXPECT_EQ(SheetCount(431, 210), 3) << "11 mm over needs another sheet";

    const SheetFit join = JoinFit(148, 210, 210, 297);
    EXPECT_EQ(join.across, 2);
    EXPECT_EQ(join.down, 1);
    EXPECT_TRUE(join.turned);

    const SheetFit split = SplitFit(420, 297, 210, 297);  // A3 landscape on A4
    EXPECT_EQ(split.across, 2);
    EXPECT_EQ(split.down, 1);
    EXPECT_FALSE(split.turned);
}

TEST_F(PrintLoop, JoinPutsTwoA5PagesSideBySideOnALandscapeA4Sheet)
{
    auto& page = *qobject_cast<TfrxReportPage*>(build.report.FindObject(QStringLiteral("Page1")));
    page.SetPaperSize(11);
    BuildPages(3, 30);
    options().SetPrintMode(pmJoin);
    options().SetPrintOnSheet(9);
    build.store.Print();

    const RecordingSpooler::Job& job = OnlyJob();
    ASSERT_EQ(job.sheets.size(), 2u);
    EXPECT_EQ(PagesOn(job.sheets[0]), (std::vector<int>{1, 2}));
    EXPECT_EQ(PagesOn(job.sheets[1]), std::vector<int>{3});
    EXPECT_EQ(job.sheets[0].mode.paper, 9);
    EXPECT_EQ(job.sheets[0].mode.orientation, kLandscapeMode);
    EXPECT_EQ(job.sheets[0].mode.copies, 1);
    // The second page starts 148 mm to the right, at 600 dpi.
    EXPECT_DOUBLE_EQ(job.sheets[0].drawings[0].offsetX, 0);
    EXPECT_NEAR(job.sheets[0].drawings[1].offsetX, 148 / 25.4 * 600, 1e-6);
    EXPECT_DOUBLE_EQ(job.sheets[0].drawings[1].offsetY, 0);
}

TEST_F(PrintLoop, ScaleFillsTheSheetAndSplitSpreadsABigPageOverSheets)
{
    BuildPages(1);
    spooler.printers[0].border = 60;  // 2.54 mm unprintable on each side at 600 dpi
    SetSpooler(&spooler);
    options().SetPrintMode(pmScale);
    options().SetPrintOnSheet(11);  // A4 page on A5
    build.store.Print();
    const RecordingSpooler::Drawing& scaled = OnlyJob().sheets.at(0).drawings.at(0);
    EXPECT_NEAR(scaled.scaleX, 148.0 / 210 * 6.25, 1e-9);
    EXPECT_NEAR(scaled.scaleY, 210.0 / 297 * 6.25, 1e-9);
    EXPECT_EQ(OnlyJob().sheets[0].mode.paper, 11);
    EXPECT_EQ(PagesOn(OnlyJob().sheets[0]), std::vector<int>{1});

    spooler.jobs.clear();
    options().SetPrintMode(pmSplit);
    build.store.Print();
    const RecordingSpooler::Job& split = OnlyJob();
    // A4 over A5 sheets turned to landscape, one above the other, each clipped to its printable
    // area. The margins come out as 3 mm on the left and top, 2 mm on the right and bottom (the
    // paper less the rounded printable size less the other margin), so each sheet moves on by
    // 148 - 3 - 3 - 2 = 140 mm and 297 mm take three sheets.
    ASSERT_EQ(split.sheets.size(), 3u);
    EXPECT_EQ(split.sheets[0].mode.orientation, kLandscapeMode);
    const RecordingSpooler::Drawing& top = split.sheets[0].drawings.at(0);
    const RecordingSpooler::Drawing& bottom = split.sheets[1].drawings.at(0);
    EXPECT_DOUBLE_EQ(top.scaleX, 6.25);
    EXPECT_NEAR(top.offsetX, -3 / 25.4 * 600, 1e-6) << "the margin of 3 mm (2.54 rounded)";
    EXPECT_NEAR(top.offsetY - bottom.offsetY, 140 / 25.4 * 600, 1e-6);
    EXPECT_FALSE(top.clip.isEmpty());
    EXPECT_EQ(PagesOn(split.sheets[1]), std::vector<int>{1});
}

// With a cache of one page, a handler that looks at another page while one is printed makes the
// store let go of the page being printed: the print loop must keep it alive itself.
TEST_F(PrintLoop, APageBeingPrintedOutlivesAHandlerThatReadsOtherPagesThroughACacheOfOne)
{
    BuildPages(3);
    build.report.PreviewOptions()->SetPagesInCache(1);
    std::vector<int> seen;
    build.report.OnPrintPage = [&](const TfrxReportPage&, int) {
        seen.push_back(int(build.store.GetPage(0)->Objects().size()));
        build.store.GetPage(2);
    };
    for (const TfrxPrintMode mode : {pmDefault, pmScale, pmSplit}) {
        SCOPED_TRACE(int(mode));
        spooler.jobs.clear();
        seen.clear();
        options().SetPrintMode(mode);
        build.store.Print();
        EXPECT_EQ(seen.size(), 3u);
        EXPECT_FALSE(OnlyJob().sheets.empty());
    }
}

}  // namespace
