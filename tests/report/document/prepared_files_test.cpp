#include "prepared_diary.h"

#include "document_test_support.h"
#include "file_size_limit.h"

#include "../report_engine_fixture.h"

#include "report/document/document_texts.h"
#include "report/document/io_transport.h"

#include "platform/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>


namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QImage Paint(TfrxPreviewPages& pages, int index)
{
    QImage image(pages.GetPageSize(index), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.PaintPage(index, painter, 1.0);
    return image;
}

QStringList DescribeAll(TfrxPreviewPages& pages)
{
    QStringList pageTexts;
    for (int i = 0; i < pages.Count(); ++i)
        pageTexts << Describe(*pages.GetPage(i)).join(u'\n');
    return pageTexts;
}

// The diary printed by hand on `pages` pages, two entries each.
void PrintPages(PreparedDiary& diary, int pages)
{
    diary.Start();
    for (int i = 0; i < pages; ++i) {
        diary.NewPage();
        diary.OutputEntry();
        diary.OutputEntry();
        diary.EndPage();
    }
    diary.Finish();
}

std::vector<DiaryEntry> Entries(int count)
{
    std::vector<DiaryEntry> entries;
    for (int i = 1; i <= count; ++i)
        entries.push_back({QStringLiteral("2021/06/%1").arg(i, 2, 10, QLatin1Char('0')),
                           QStringLiteral("Entry %1 & \"more\"\r\n<second line>").arg(i)});
    return entries;
}

TEST(PreparedFiles, ASavedDiaryReportReopensWithTheSamePagesAndSettings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diary.fp3"));
    DiaryBuild built;
    built.form->setObjectName(QStringLiteral("Form1"));
    built.SetEntries({2, 30, 5, 40, 1, 60, 3, 3, 20, 1});
    built.report.ReportOptions()->SetName(QStringLiteral("June & July"));
    built.report.PreviewOptions()->SetOutlineWidth(150);
    ASSERT_TRUE(built.report.PrepareReport(true));
    ASSERT_GE(built.store.Count(), 4);
    built.store.SaveToFile(path);

    DiaryBuild opened;
    ASSERT_TRUE(opened.store.LoadFromFile(path));
    EXPECT_EQ(opened.report.ReportOptions()->Name(), "June & July");
    EXPECT_EQ(opened.report.PreviewOptions()->OutlineWidth(), 150);
    ASSERT_EQ(opened.store.Count(), built.store.Count());
    EXPECT_EQ(DescribeAll(opened.store), DescribeAll(built.store));
    for (int i = 0; i < built.store.Count(); ++i) {
        EXPECT_EQ(opened.store.GetPageSize(i), built.store.GetPageSize(i)) << i;
        EXPECT_TRUE(Paint(opened.store, i) == Paint(built.store, i)) << "page " << i << " draws the same";
    }
    EXPECT_EQ(opened.store.FindSection("logicalpagenumbers")->Count(), built.store.Count());

    // A reopened report saves as the same file, less the markers of pages a build may swap out.
    QByteArray first = ReadFile(path);
    ASSERT_EQ(first.count(" DataSet=\"Form1.frxUserDataSet1\""), 1);
    first.replace(" ld=\"0\"", "");
    EXPECT_EQ(SavePages(opened.store), first);
}

// The head of the file and the sections a save adds, byte for byte.
TEST(PreparedFiles, ASmallReportIsWrittenExactly)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    const QByteArray file = SavePages(diary.pages);

    EXPECT_TRUE(file.startsWith(kCurrentHeader + "<preparedreport><previewpages><page0><b2 t=\"0\"><m3 u=\"6/30/2021\"/>"
                                                 "</b2><b1 t=\"22.67718\" h=\"79.37013\"><m1 u=\"2021/06/01 (Tue)\"/>"
                                                 "<m2 h=\"33\" u=\"Rain all day.&#13;&#10;Read a book.\"/><l1/></b1>"))
        << file.left(400).toStdString();
    EXPECT_FALSE(file.contains('\n') || file.contains('\r')) << "one line";
    EXPECT_TRUE(file.contains("</previewpages><logicalpagenumbers><page n=\"1\"/><page n=\"2\"/></logicalpagenumbers>"
                              "<report><TfrxReport DotMatrixReport=\"0\" PreviewOptions.OutlineVisible=\"0\" "
                              "PreviewOptions.OutlineWidth=\"120\" ReportOptions.Name=\"\"/></report>"
                              "<sourcepages><TfrxReportPage "));
    EXPECT_TRUE(file.endsWith("</TfrxReportPage></sourcepages><dictionary>"
                              "<b0 name=\"Page0.MasterData1\"/><b1 name=\"Page0.MasterData1\"/>"
                              "<b2 name=\"Page0.PageHeader1\"/><b3 name=\"Page0.PageFooter1\"/>"
                              "<bA name=\"Page0.MasterData1\"/><l1 name=\"Page0.Line1\"/>"
                              "<m0 name=\"Page0.MasterData1\"/><m1 name=\"Page0.frxUserDataSet1Data1\"/>"
                              "<m2 name=\"Page0.frxUserDataSet1Data2\"/><m3 name=\"Page0.Memo1\"/>"
                              "<m4 name=\"Page0.Memo2\"/><mA name=\"Page0.MasterData1\"/></dictionary>"
                              "<picturecache/><postprocessing/></preparedreport>"))
        << file.right(600).toStdString();
    EXPECT_EQ(SavePages(diary.pages), file) << "saving twice writes the same file";
}

TEST(PreparedFiles, PagesABuildMaySwapOutAreMarkedUntilTheFileIsReadBack)
{
    PreparedDiary diary(Entries(8));
    PrintPages(diary, 4);
    const QByteArray built = SavePages(diary.pages);
    EXPECT_EQ(built.count(" ld=\"0\""), 2);
    const qsizetype third = built.indexOf("<page0 ld=\"0\"><b2");
    ASSERT_GT(third, 0) << "the third page element carries ld and nothing else";
    EXPECT_EQ(built.left(third).count("<page0>"), 2);

    TfrxPreviewPages loaded(nullptr);
    LoadPages(loaded, built);
    const TfrxXMLItem& pages = *loaded.FindSection("previewpages");
    for (int i = 0; i < pages.Count(); ++i) {
        EXPECT_FALSE(pages.Items(i)->Unloadable()) << i;
        EXPECT_EQ(pages.Items(i)->Text(), "") << i;
    }
    const QByteArray again = SavePages(loaded);
    EXPECT_FALSE(again.contains("ld="));
    EXPECT_EQ(DescribeAll(loaded), DescribeAll(diary.pages));
}

TEST(PreparedFiles, FilesMoveBetweenDecimalCommaAndDecimalPoint)
{
    for (const auto& [writer, reader] : {std::pair{QChar(u','), QChar(u'.')}, std::pair{QChar(u'.'), QChar(u',')}}) {
        SetCurrentLocale(EnglishWithDecimalSeparator(writer));
        PreparedDiary diary(ThreeEntries());
        diary.Start();
        diary.NewPage();
        diary.OutputEntry();
        diary.pages.UpdatePageDimension(210, 150.5);
        diary.Finish();
        const QByteArray file = SavePages(diary.pages);
        EXPECT_TRUE(file.contains((QStringLiteral("t=\"22") + writer + QStringLiteral("67718\"")).toUtf8()));

        SetCurrentLocale(EnglishWithDecimalSeparator(reader));
        TfrxPreviewPages loaded(nullptr);
        LoadPages(loaded, file);
        EXPECT_EQ(DescribeAll(loaded), DescribeAll(diary.pages)) << char(writer.unicode());
        EXPECT_EQ(loaded.GetPageSize(0), QSize(794, 569));
        SetCurrentLocale(EnglishLocale());
    }
}

// Sections and the attributes read from them and from pages are found whatever their case.
TEST(PreparedFiles, NamesAreReadWithoutRegardToCase)
{
    DiaryBuild built;
    built.SetEntries({2, 3});
    built.report.ReportOptions()->SetName(QStringLiteral("Cased"));
    ASSERT_TRUE(built.report.PrepareReport(true));
    built.store.UpdatePageDimension(210, 150.5);
    QByteArray file = SavePages(built.store);
    const std::pair<const char*, const char*> renames[] = {
        {"<previewpages>", "<PreviewPages>"}, {"</previewpages>", "</PREVIEWPAGES>"},
        {"sourcepages>", "SourcePages>"},     {"<dictionary>", "<DICTIONARY>"},
        {"<report>", "<Report>"},             {"ReportOptions.Name=", "reportoptions.name="},
        {" name=\"Page0.", " NAME=\"Page0."}, {"PaperWidth=", "paperwidth="},
        {"PaperHeight=", "PAPERHEIGHT="},     {"<logicalpagenumbers>", "<LogicalPageNumbers>"},
    };
    for (const auto& [from, to] : renames) {
        ASSERT_TRUE(file.contains(from)) << from;
        file.replace(from, to);
    }

    DiaryBuild opened;
    LoadPages(opened.store, file);
    EXPECT_EQ(opened.report.ReportOptions()->Name(), "Cased");
    EXPECT_EQ(opened.store.SourcePageCount(), 1);
    EXPECT_EQ(opened.store.Dictionary().Count(), built.store.Dictionary().Count());
    EXPECT_EQ(DescribeAll(opened.store), DescribeAll(built.store));
    EXPECT_EQ(opened.store.GetPageSize(0), QSize(794, 569));
}

TEST(PreparedFiles, ShortAndPartialFilesLoadWhatTheyHold)
{
    // One diary at a time: their data sources share a name.
    QByteArray full;
    {
        PreparedDiary diary(Entries(6));
        PrintPages(diary, 3);
        full = SavePages(diary.pages);
    }
    const qsizetype secondPageEnd = full.indexOf("</page0>", full.indexOf("</page0>") + 1) + 8;

    struct Case {
        const char* name;
        QByteArray file;
        int pages;
        int sourcePages;
    };
    const Case cases[] = {
        {"only the header", kCurrentHeader, 0, 0},
        {"cut between two tags in the page list", full.left(secondPageEnd), 2, 0},
        {"whole", full, 3, 1},
    };
    for (const Case& c : cases) {
        PreparedDiary onShow(ThreeEntries());
        onShow.PrintTwoPages();
        LoadPages(onShow.pages, c.file);
        EXPECT_EQ(onShow.pages.Count(), c.pages) << c.name;
        EXPECT_EQ(onShow.pages.SourcePageCount(), c.sourcePages) << c.name;
        EXPECT_EQ(onShow.pages.CurPage(), -1) << c.name;
        EXPECT_EQ(onShow.pages.Document().Root().Name(), "preparedreport") << c.name;
    }
}

// Only the four settings a file writes are taken from it.
TEST(PreparedFiles, TheReportTakesOnlyItsFileSettings)
{
    const QByteArray file = kCurrentHeader +
        "<preparedreport><report><TfrxReport DotMatrixReport=\"1\" PreviewOptions.OutlineVisible=\"True\" "
        "PreviewOptions.OutlineWidth=\"90\" ReportOptions.Name=\"A &#38; B\" IniFile=\"elsewhere.ini\" "
        "PrintOptions.Copies=\"99\"/></report></preparedreport>";
    DiaryFixture fixture;
    TfrxReport& report = *fixture.diary.report;
    TfrxPreviewPages pages(&report);
    LoadPages(pages, file);
    EXPECT_TRUE(report.DotMatrixReport());
    EXPECT_TRUE(report.PreviewOptions()->OutlineVisible());
    EXPECT_EQ(report.PreviewOptions()->OutlineWidth(), 90);
    EXPECT_EQ(report.ReportOptions()->Name(), "A & B");
    EXPECT_EQ(report.IniFile(), TfrxReport::kDefaultIniFile);
    EXPECT_EQ(report.PrintOptions()->Copies(), 1);
}

TEST(PreparedFiles, PicturesAndPostProcessingAreKeptAndSavedAgain)
{
    const QByteArray sections = "<picturecache><item STREAM=\"0a1BFF\"/><item stream=\"\"/></picturecache>"
                                "<postprocessing><Memo7><i cnt=\"a &#38; b\"/><i CNT=\"c\"/></Memo7></postprocessing>";
    TfrxPreviewPages pages(nullptr);
    LoadPages(pages, kCurrentHeader + "<preparedreport><sourcepages/><dictionary/>" + sections + "</preparedreport>");
    ASSERT_EQ(pages.PictureCache().size(), 2u);
    EXPECT_EQ(pages.PictureCache()[0], QByteArray("\x0a\x1b\xff"));
    ASSERT_EQ(pages.PostProcessing().size(), 1u);
    EXPECT_EQ(pages.PostProcessing()[0].name, "Memo7");
    EXPECT_EQ(pages.PostProcessing()[0].values, QStringList({"a & b", "c"}));
    EXPECT_EQ(pages.FindSection("postprocessing"), nullptr) << "read into the store, dropped from the tree";

    EXPECT_TRUE(SavePages(pages).endsWith("<sourcepages/><dictionary/><picturecache><item stream=\"0A1BFF\"/><item stream=\"\"/></picturecache>"
                                          "<postprocessing><Memo7><i cnt=\"a &#38; b\"/><i cnt=\"c\"/></Memo7>"
                                          "</postprocessing></preparedreport>"));
}

// A damaged file changes nothing: the pages, the templates and the report stay as they were.
TEST(PreparedFiles, ADamagedFileKeepsThePagesOnShow)
{
    QTemporaryDir dir;
    QByteArray tooDeep = kCurrentHeader + "<preparedreport><previewpages><page0>";
    for (int i = 0; i < 100; ++i)
        tooDeep += "<b1>";
    const std::pair<const char*, QByteArray> damaged[] = {
        {"empty", QByteArray()},
        {"compressed", QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00", 8)},
        {"no header", "<preparedreport></preparedreport>"},
        {"a < inside a tag", kCurrentHeader + "<preparedreport><previewpages <page0/>"},
        {"ends inside a tag", kCurrentHeader + "<preparedreport><previewpages><page0 PaperWidth=\"2"},
        {"a closing tag of another element", kCurrentHeader + "<preparedreport><previewpages></page0>"},
        {"nested past any report", tooDeep},
        {"a page of a kind that cannot be built", kCurrentHeader + "<preparedreport><previewpages><TfrxDMPPage/>"},
        {"a page class in other letters", kCurrentHeader + "<preparedreport><previewpages><TfrxReportPAGE/>"},
    };
    for (const auto& [name, bytes] : damaged) {
        const QString path = dir.filePath(QStringLiteral("damaged.fp3"));
        WriteFile(path, bytes);
        DiaryBuild onShow;
        onShow.SetEntries({2, 3, 70});
        onShow.report.ReportOptions()->SetName(QStringLiteral("On show"));
        ASSERT_TRUE(onShow.report.PrepareReport(true));
        const QStringList before = DescribeAll(onShow.store);
        const int templates = onShow.store.SourcePageCount();

        EXPECT_THROW(onShow.store.LoadFromFile(path), TfrxInvalidXMLException) << name;
        EXPECT_EQ(DescribeAll(onShow.store), before) << name;
        EXPECT_EQ(onShow.store.SourcePageCount(), templates) << name;
        EXPECT_EQ(onShow.store.Dictionary().Count(), 12) << name;
        EXPECT_EQ(onShow.report.ReportOptions()->Name(), "On show") << name;
    }
}

TEST(PreparedFiles, AMissingFileLoadsNothing)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.fp3"));
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    EXPECT_FALSE(diary.pages.LoadFromFile(missing));
    EXPECT_FALSE(diary.pages.LoadFromFile(dir.path())) << "a folder is no file";
    EXPECT_EQ(diary.pages.Count(), 2);
    EXPECT_THROW(diary.pages.LoadFromFile(missing, true), Exception);
    EXPECT_EQ(diary.pages.Count(), 2);
}

TEST(PreparedFiles, ASaveThatFailsLeavesTheOldFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diary.fp3"));
    WriteFile(path, "the old file");
    PreparedDiary diary(Entries(8));
    PrintPages(diary, 4);

    {
        const ScopedFileSizeLimit limit(2000);
        try {
            diary.pages.SaveToFile(path);
            ADD_FAILURE() << "a save that could not be written whole reported success";
        } catch (const Exception& error) {
            EXPECT_TRUE(error.Message().startsWith("Cannot create file \"" + QDir::toNativeSeparators(path) + '"'))
                << error.Message().toStdString();
        }
    }
    EXPECT_EQ(ReadFile(path), "the old file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"diary.fp3"})) << "nothing left behind";

    EXPECT_THROW(diary.pages.SaveToFile(dir.filePath(QStringLiteral("no folder/diary.fp3"))), Exception);

    diary.pages.SaveToFile(path);
    EXPECT_EQ(ReadFile(path), SavePages(diary.pages));
}

TEST(PreparedFiles, TheSaveDialogProposesTheNameAndCancellingWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chosen.fp3"));
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    ScriptedDialogs dialogs;
    int opened = 0;
    auto save = [&] {
        TfrxIOTransportFileDialog transport;
        transport.FilterString = QStringLiteral("Prepared Report (*.fp3)|*.fp3");
        transport.DefaultExt = QStringLiteral(".fp3");
        transport.OnOpened = [&] { ++opened; };
        return diary.pages.SaveToFilter(transport);
    };

    dialogs.Queue(std::optional<QString>());
    EXPECT_FALSE(save());
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    ASSERT_EQ(dialogs.FileRequests().size(), 1);
    const FileDialogRequest& request = dialogs.FileRequests()[0];
    EXPECT_EQ(request.fileName, ".fp3") << "the diary's report has no file name";
    EXPECT_EQ(request.filter, "Prepared Report (*.fp3)|*.fp3");
    EXPECT_EQ(request.defaultExt, "fp3");
    EXPECT_EQ(request.initialDir, "");

    dialogs.Queue(std::optional<QString>(path));
    EXPECT_TRUE(save());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(ReadFile(path), SavePages(diary.pages));
}

TEST(PreparedFiles, TheProposedNameHasNoFolderAndTheDefaultExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ".fp3"},
        {"diary", "diary.fp3"},
        {"C:\\Reports\\diary.fr3", "diary.fp3"},
        {"/home/me/reports.v2/diary", "diary.fp3"},
        {"dir/archive.tar.gz", "archive.tar.fp3"},
    };
    for (const auto& [name, proposed] : cases)
        EXPECT_EQ(ProposedFileName(QString::fromUtf8(name), QStringLiteral(".fp3")), proposed) << name;
}

}  // namespace
