#include "../qt_print.h"
#include "../report_engine_fixture.h"

#include "report/document/xml_serializer.h"

#include "report/base/report_units.h"
#include "report/engine/report_engine.h"
#include "report/model/band.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/views/custom_memo_view.h"

#include "platform/errors.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace {

struct Placed {
    int page = 0;
    double top = 0;
    double height = 0;
};

// Where entries of these line counts go: an entry that does not fit above the footer moves whole
// to the next page, below that page's header.
std::vector<Placed> ExpectedPlaces(const std::vector<int>& lineCounts)
{
    std::vector<Placed> places;
    int page = 0;
    double curY = DiaryBuild::kHeaderHeight;
    for (int lines : lineCounts) {
        const double height = DiaryBuild::BandHeight(lines);
        if (height > DiaryBuild::kFooterTop - curY)
            ++page, curY = DiaryBuild::kHeaderHeight;
        places.push_back({page, curY, height});
        curY += height;
    }
    return places;
}

// Every page: the page header at the top, the entries below it, the footer with the page's
// number at the bottom. Returns the entry bands in page order.
std::vector<Placed> CheckPagesAndCollectEntries(DiaryBuild& build, QStringList& headings)
{
    std::vector<Placed> entries;
    QString dateText;
    for (int index = 0; index < build.store.Count(); ++index) {
        SCOPED_TRACE(QStringLiteral("page %1").arg(index + 1).toStdString());
        const QList<TfrxComponent*> objects = build.Page(index).Objects();
        if (objects.size() < 2) {
            ADD_FAILURE() << "page without header and footer";
            continue;
        }
        const TfrxComponent& header = *objects.first();
        EXPECT_EQ(header.Name(), "PageHeader1");
        EXPECT_EQ(header.Top(), 0);
        if (index == 0)
            dateText = FirstText(header);
        EXPECT_EQ(FirstText(header), dateText) << "the build's start date on every page";

        const TfrxComponent& footer = *objects.last();
        EXPECT_EQ(footer.Name(), "PageFooter1");
        EXPECT_NEAR(footer.Top(), DiaryBuild::kFooterTop, 1e-9);
        EXPECT_EQ(FirstText(footer), QString::number(index + 1));

        for (qsizetype i = 1; i + 1 < objects.size(); ++i) {
            EXPECT_EQ(objects[i]->Name(), "MasterData1");
            entries.push_back({index, objects[i]->Top(), objects[i]->Height()});
            headings << FirstText(*objects[i]);
        }
    }
    return entries;
}

void ExpectPlaces(const std::vector<Placed>& actual, const std::vector<Placed>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(QStringLiteral("entry %1").arg(i + 1).toStdString());
        EXPECT_EQ(actual[i].page, expected[i].page);
        EXPECT_NEAR(actual[i].top, expected[i].top, 1e-6);
        EXPECT_NEAR(actual[i].height, expected[i].height, 1e-6);
    }
}

// 1 to 12 lines, in an order that mixes short and long entries, and one entry of 64 lines that
// fills a page of its own.
std::vector<int> MixedLineCounts(int count)
{
    std::vector<int> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(1 + (i * 7) % 12);
    lines[size_t(count / 2)] = 64;
    return lines;
}

TEST(ReportEngine, EntriesFillPagesBetweenHeaderAndFooterAndMoveWholeToTheNextPage)
{
    struct Case {
        const char* name;
        std::vector<int> lines;
        int pages;
    };
    const std::vector<Case> cases = {
        {"no entries: header and footer only", {}, 1},
        {"one short entry", {1}, 1},
        {"three entries, one of three lines", {2, 3, 1}, 1},
        {"twelve short entries fill a page", std::vector<int>(12, 2), 1},
        {"the thirteenth starts page 2", std::vector<int>(13, 1), 2},
        {"sixty entries of 1 to 64 lines", MixedLineCounts(60), 0},
        // 64 lines fit no page below the header but no page body either: placed whole on a new
        // page, reaching into the footer's area, with page 1 left empty.
        {"an entry of 64 lines first", {64, 1}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiaryBuild build;
        build.SetEntries(c.lines);
        ASSERT_TRUE(build.report.PrepareReport(true)) << build.report.Errors().join(u'\n').toStdString();
        const std::vector<Placed> expected = ExpectedPlaces(c.lines);
        const int expectedPages = c.pages ? c.pages : expected.back().page + 1;
        EXPECT_EQ(build.store.Count(), expectedPages);
        QStringList headings;
        ExpectPlaces(CheckPagesAndCollectEntries(build, headings), expected);
        EXPECT_EQ(headings, build.headings) << "every entry once, in order";
    }
}

TEST(ReportEngine, ThreeLineEntryStretchesItsBandAndMovesTheDottedLineDown)
{
    DiaryBuild build;
    build.SetEntries({3});
    ASSERT_TRUE(build.report.PrepareReport(true));
    const TfrxComponent& band = *build.Page(0).Objects()[1];
    EXPECT_NEAR(band.Height(), 89.57483, 1e-6);
    const TfrxComponent* text = band.Objects()[1];
    const TfrxComponent* line = band.Objects()[2];
    EXPECT_EQ(text->Height(), 48);
    EXPECT_NEAR(line->Top(), 79.37013 + 10.2047, 1e-6);
    // The template is back in its designed state.
    auto& templateBand = *qobject_cast<TfrxBand*>(build.report.FindObject(QStringLiteral("MasterData1")));
    EXPECT_NEAR(templateBand.Height(), 86.92919, 1e-9);
    EXPECT_NEAR(templateBand.Top(), 102.04731, 1e-9);
}

TEST(ReportEngine, AnEntryTallerThanAPageBodyIsSplitOverPagesAfterStartingOnAFreshPage)
{
    DiaryBuild build;
    build.SetEntries({2, 70, 1});
    ASSERT_TRUE(build.report.PrepareReport(true));
    ASSERT_EQ(build.store.Count(), 3);
    QStringList headings;
    const std::vector<Placed> bands = CheckPagesAndCollectEntries(build, headings);
    ASSERT_EQ(bands.size(), 4u);

    // Page 1: the first entry alone, the long one does not start below it.
    EXPECT_EQ(bands[0].page, 0);
    // Page 2: the heading and as many whole lines as fit, down to the footer.
    EXPECT_EQ(bands[1].page, 1);
    EXPECT_NEAR(bands[1].top, DiaryBuild::kHeaderHeight, 1e-9);
    EXPECT_NEAR(bands[1].height, DiaryBuild::kFooterTop - DiaryBuild::kHeaderHeight, 1e-6);
    EXPECT_EQ(headings[1], build.headings[1]);
    const QList<TfrxComponent*> firstPart = build.Page(1).Objects()[1]->Objects();
    ASSERT_EQ(firstPart.size(), 2u) << "heading and text; the dotted line follows the text";
    const QString firstLines = qobject_cast<TfrxCustomMemoView*>(firstPart[1])->Text();

    // Page 3: the rest of the text from the top of the band area, the line, then the last entry.
    const QList<TfrxComponent*> page3 = build.Page(2).Objects();
    const TfrxComponent& rest = *page3[1];
    EXPECT_EQ(bands[2].page, 2);
    EXPECT_NEAR(rest.Top(), DiaryBuild::kHeaderHeight, 1e-9);
    ASSERT_EQ(rest.Objects().size(), 2u);
    EXPECT_EQ(rest.Objects()[0]->Name(), "frxUserDataSet1Data2");
    EXPECT_EQ(rest.Objects()[0]->Top(), 0);
    EXPECT_EQ(rest.Objects()[1]->Name(), "Line1");
    const QString restLines = qobject_cast<TfrxCustomMemoView*>(rest.Objects()[0])->Text();
    EXPECT_EQ((firstLines + restLines).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
              build.texts[1].split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        << "every line once, none lost at the cut";
    EXPECT_EQ(bands[3].page, 2);
    EXPECT_NEAR(bands[3].top, rest.Top() + rest.Height(), 1e-6);
    EXPECT_EQ(headings[3], build.headings[2]);
}

// A failure while a split band goes out still gives the template back in its designed state, so
// the next build starts from the design, also when the report keeps no copy of it to restore.
TEST(ReportEngine, ASplitEntryWhoseNextPageFailsLeavesTheTemplateAsDesigned)
{
    DiaryBuild build;
    build.report.EngineOptions()->SetDestroyForms(false);
    build.SetEntries({70});
    build.store.OnProgress = [](int page) {
        if (page == 2)
            throw Exception(QStringLiteral("no room for another page"));
    };
    EXPECT_FALSE(build.report.PrepareReport(true));
    ASSERT_EQ(build.store.Count(), 2) << "the split had put out its first part";

    const auto& templateBand = *qobject_cast<TfrxBand*>(build.report.FindObject(QStringLiteral("MasterData1")));
    EXPECT_NEAR(templateBand.Height(), 86.92919, 1e-9);
    ASSERT_EQ(templateBand.Objects().size(), 3);
    const auto& text = *qobject_cast<TfrxCustomMemoView*>(templateBand.Objects()[1]);
    EXPECT_EQ(text.Name(), "frxUserDataSet1Data2");
    EXPECT_NEAR(text.Height(), DiaryBuild::kDesignedTextHeight, 1e-9);
    EXPECT_NEAR(templateBand.Objects()[2]->Top(), 79.37013, 1e-9) << "the dotted line";
}

template <typename T>
T& AddBand(DiaryBuild& build, const char* name, double top, double height)
{
    auto* band = new T(build.report.FindObject(QStringLiteral("Page1")));
    band->SetName(QString::fromLatin1(name));
    band->SetTop(top);
    band->SetHeight(height);
    return *band;
}

TEST(ReportEngine, TitleOnceDataHeaderOnEveryPageFooterAndSummaryAfterTheRows)
{
    DiaryBuild build;
    AddBand<TfrxReportTitle>(build, "ReportTitle1", 0, 30);
    AddBand<TfrxHeader>(build, "Header1", 80, 20).SetReprintOnNewPage(true);
    AddBand<TfrxFooter>(build, "Footer1", 200, 20);
    AddBand<TfrxReportSummary>(build, "ReportSummary1", 230, 25);
    // The row numbers, in place of the date heading.
    auto& heading = *qobject_cast<TfrxCustomMemoView*>(build.report.FindObject(QStringLiteral("frxUserDataSet1Data1")));
    heading.SetDataField(QString());
    heading.Memo().SetText(QStringLiteral("[Line]/[Line#]"));
    build.SetEntries(std::vector<int>(15, 1));
    ASSERT_TRUE(build.report.PrepareReport(true)) << build.report.Errors().join(u'\n').toStdString();
    ASSERT_EQ(build.store.Count(), 2);

    struct Band {
        QString name;
        double top;
    };
    auto bandsOf = [&](int index) {
        std::vector<Band> bands;
        for (const TfrxComponent* band : build.Page(index).Objects())
            bands.push_back({band->Name(), band->Top()});
        return bands;
    };
    const double entry = DiaryBuild::kShortBandHeight;
    const std::vector<Band> page1 = bandsOf(0);
    ASSERT_EQ(page1.size(), 3u + 11u + 1u) << "title, page header, data header, 11 rows, page footer";
    EXPECT_EQ(page1[0].name, "ReportTitle1");
    EXPECT_EQ(page1[0].top, 0);
    EXPECT_EQ(page1[1].name, "PageHeader1");
    EXPECT_EQ(page1[1].top, 30);
    EXPECT_EQ(page1[2].name, "Header1");
    EXPECT_NEAR(page1[2].top, 52.67718, 1e-9);
    EXPECT_NEAR(page1[13].top, 72.67718 + 10 * entry, 1e-6);
    EXPECT_EQ(page1[14].name, "PageFooter1");

    const std::vector<Band> page2 = bandsOf(1);
    ASSERT_EQ(page2.size(), 2u + 4u + 3u) << "page header, data header, 4 rows, footer, summary, page footer";
    EXPECT_EQ(page2[0].name, "PageHeader1");
    EXPECT_EQ(page2[1].name, "Header1");
    EXPECT_NEAR(page2[1].top, DiaryBuild::kHeaderHeight, 1e-9);
    EXPECT_NEAR(page2[2].top, 42.67718, 1e-9);
    EXPECT_EQ(FirstText(*build.Page(1).Objects()[2]), "12/12");
    EXPECT_EQ(FirstText(*build.Page(1).Objects()[5]), "15/15");
    EXPECT_EQ(page2[6].name, "Footer1");
    EXPECT_NEAR(page2[6].top, 42.67718 + 4 * entry, 1e-6);
    EXPECT_EQ(page2[7].name, "ReportSummary1");
    EXPECT_NEAR(page2[7].top, 62.67718 + 4 * entry, 1e-6);
    EXPECT_EQ(page2[8].name, "PageFooter1");
    EXPECT_NEAR(page2[8].top, DiaryBuild::kFooterTop, 1e-9);
}

TEST(ReportEngine, ARepeatedHeadingIsLeftOutExceptOnTheFirstRowOfEachPage)
{
    DiaryBuild build;
    qobject_cast<TfrxCustomMemoView*>(build.report.FindObject(QStringLiteral("frxUserDataSet1Data1")))
        ->SetSuppressRepeated(true);
    build.SetEntries(std::vector<int>(13, 1));
    for (QString& heading : build.headings)
        heading = QStringLiteral("06.30.2021");
    ASSERT_TRUE(build.report.PrepareReport(true));
    ASSERT_EQ(build.store.Count(), 2);
    QStringList headings;
    CheckPagesAndCollectEntries(build, headings);
    QStringList expected(13, QString());
    expected[0] = expected[12] = QStringLiteral("06.30.2021");
    EXPECT_EQ(headings, expected);

    // A new build starts the rows afresh.
    ASSERT_TRUE(build.report.PrepareReport(true));
    EXPECT_EQ(FirstText(*build.Page(0).Objects()[1]), "06.30.2021");
}

TEST(ReportEngine, ADataSourceServingTwoLevelsStopsTheBuildBeforeAnyPage)
{
    const QString conflict = QStringLiteral("Cannot use the same dataset for Page.DataSet and Band.DataSet");
    // The conflict is found also when the band tree is wrong.
    for (const bool unconnectedFooter : {false, true}) {
        SCOPED_TRACE(unconnectedFooter);
        DiaryBuild build;
        build.SetEntries({1});
        auto& page = *qobject_cast<TfrxReportPage*>(build.report.FindObject(QStringLiteral("Page1")));
        page.SetDataSet(build.diary.dataSet);
        if (unconnectedFooter) {
            auto* footer = new TfrxFooter(&page);
            footer->SetName(QStringLiteral("Footer1"));
        }
        EXPECT_FALSE(build.report.PrepareReport(true));
        EXPECT_EQ(build.report.Errors(),
                  unconnectedFooter ? QStringList({conflict, "Unconnected header/footer Footer1"}) : QStringList{conflict});
        EXPECT_EQ(build.store.Count(), 0);
    }
}

TEST(ReportEngine, APageWithADataSourceIsBuiltOncePerRowAndAnEmptyOneOnlyWhenAsked)
{
    struct Case {
        int pageRows;
        int entries;
        bool printIfEmpty;
        int pages;
    };
    for (const Case& c : {Case{2, 3, true, 2}, Case{3, 13, true, 6}, Case{2, 0, true, 2}, Case{2, 0, false, 0}}) {
        SCOPED_TRACE(QStringLiteral("%1 page rows, %2 entries").arg(c.pageRows).arg(c.entries).toStdString());
        DiaryBuild build;
        TfrxUserDataSet pageRows;
        pageRows.SetUserName(QStringLiteral("PageRows"));
        pageRows.SetRangeEnd(reCount);
        pageRows.SetRangeEndCount(c.pageRows);
        auto& page = *qobject_cast<TfrxReportPage*>(build.report.FindObject(QStringLiteral("Page1")));
        page.SetDataSet(&pageRows);
        page.SetPrintIfEmpty(c.printIfEmpty);
        build.SetEntries(std::vector<int>(c.entries, 1));
        ASSERT_TRUE(build.report.PrepareReport(true));
        EXPECT_EQ(build.store.Count(), c.pages);
        if (c.pages) {
            const TfrxComponent& lastFooter = *build.Page(c.pages - 1).Objects().last();
            EXPECT_EQ(FirstText(lastFooter), QString::number(c.pages)) << "pages numbered on";
        }
    }
}

TEST(ReportEngine, ATwoPassBuildKnowsThePageCountOnEveryPage)
{
    struct Case {
        bool doublePass;
        QStringList footers;
    };
    // "[TotalPages#]" stays a placeholder until the page is drawn.
    const Case cases[] = {{true, {"1/2 of 1/[TotalPages#]", "2/2 of 2/[TotalPages#]"}},
                          {false, {"1/0 of 1/[TotalPages#]", "2/0 of 2/[TotalPages#]"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.doublePass);
        DiaryBuild build;
        build.report.EngineOptions()->SetDoublePass(c.doublePass);
        qobject_cast<TfrxCustomMemoView*>(build.report.FindObject(QStringLiteral("Memo2")))
            ->Memo()
            .SetText(QStringLiteral("[Page]/[TotalPages] of [Page#]/[TotalPages#]"));
        build.SetEntries(std::vector<int>(13, 1));
        ASSERT_TRUE(build.report.PrepareReport(true));
        ASSERT_EQ(build.store.Count(), 2) << "the first pass's pages are gone";
        QStringList footers;
        for (int index = 0; index < 2; ++index)
            footers << FirstText(*build.Page(index).Objects().last());
        EXPECT_EQ(footers, c.footers);
        EXPECT_EQ(FirstText(*build.Page(1).Objects()[1]), build.headings[12]) << "the final pass's texts";
    }
}

// Every template object as its saved text.
QStringList TemplateTexts(const TfrxReport& report)
{
    TfrxXMLSerializer serializer;
    QStringList texts;
    for (const TfrxComponent* object : report.AllObjects())
        texts << serializer.WriteComponentStr(*object);
    return texts;
}

TEST(ReportEngine, BuildingLeavesTheTemplateAsDesigned)
{
    DiaryBuild build;
    const QStringList designed = TemplateTexts(build.report);
    build.SetEntries({2, 70, 3, 1});
    ASSERT_TRUE(build.report.PrepareReport(true));
    ASSERT_EQ(build.store.Count(), 3);
    const QStringList built = TemplateTexts(build.report);
    ASSERT_EQ(built.size(), designed.size());
    for (qsizetype i = 0; i < built.size(); ++i)
        EXPECT_EQ(built[i].toStdString(), designed[i].toStdString());
}

TEST(ReportEngine, AFilterLeavesOutTheRowsItRejectsAndLineCountsThePrintedRows)
{
    DiaryBuild build;
    auto& band = *qobject_cast<TfrxDataBand*>(build.report.FindObject(QStringLiteral("MasterData1")));
    band.SetFilter(QStringLiteral(" Wanted = 1 "));
    build.report.OnGetValue = [&](const QString& name, QVariant& value) {
        if (name == QLatin1String("Wanted"))
            value = build.diary.dataSet->RecNo() == 1 ? 0 : 1;
    };
    auto& heading = *qobject_cast<TfrxCustomMemoView*>(build.report.FindObject(QStringLiteral("frxUserDataSet1Data1")));
    heading.SetDataField(QString());
    heading.Memo().SetText(QStringLiteral("[Line] [frxUserDataSet1.\"Data1\"]"));
    build.SetEntries({1, 1, 1});
    ASSERT_TRUE(build.report.PrepareReport(true)) << build.report.Errors().join(u'\n').toStdString();
    QStringList headings;
    CheckPagesAndCollectEntries(build, headings);
    EXPECT_EQ(headings, QStringList({"1 06.01.2021", "2 06.03.2021"}));
}

TEST(ReportEngine, AnEndlessPageHoldsEveryEntryAndGetsThePaperItsContentNeeds)
{
    DiaryBuild build;
    qobject_cast<TfrxReportPage*>(build.report.FindObject(QStringLiteral("Page1")))->SetEndlessHeight(true);
    build.SetEntries(std::vector<int>(20, 1));
    ASSERT_TRUE(build.report.PrepareReport(true));
    ASSERT_EQ(build.store.Count(), 1);
    const double contentBottom = DiaryBuild::kHeaderHeight + 20 * DiaryBuild::kShortBandHeight;
    const TfrxComponent& footer = *build.Page(0).Objects().last();
    EXPECT_EQ(footer.Name(), "PageFooter1");
    EXPECT_NEAR(footer.Top(), contentBottom, 1e-6) << "the footer follows the content";
    const double paperHeight = (DiaryBuild::kHeaderHeight + contentBottom) / fr01cm + 20;
    EXPECT_EQ(build.store.GetPageSize(0), QSize(794, int(RoundHalfEven(paperHeight * fr01cm))));
}

}  // namespace
