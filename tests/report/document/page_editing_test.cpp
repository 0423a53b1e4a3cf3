// Prepared pages changed after the build: pages put in and taken out, objects written back,
// pages taken over from another report, pictures, objects added to the template copies, and the
// object under a point.
#include "prepared_diary.h"

#include "../report_engine_fixture.h"

#include "report/base/report_units.h"
#include "report/document/outline.h"
#include "report/views/memo_view.h"

#include <gtest/gtest.h>

namespace {

constexpr double kMargin = 10 * fr01cm;  // the diary page's margins

QString PageTexts(TfrxPreviewPages& pages, int index)
{
    QStringList texts;
    for (const TfrxComponent* object : pages.GetPage(index)->AllObjects())
        if (const auto* memo = qobject_cast<const TfrxCustomMemoView*>(object))
            texts << memo->Text().trimmed();
    return texts.join(u'|');
}

QStringList EntryTexts(const TfrxXMLItem* section)
{
    QStringList texts;
    for (int i = 0; section && i < section->Count(); ++i)
        texts << section->Items(i)->Text();
    return texts;
}

TEST(PageEditing, PagesPutInAndTakenOutTakeTheirNumbersAndAnchorsAlong)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    AddAnchorEntry(pages.Section("anchors"), "second", 1, 10);
    const QString second = PageTexts(pages, 1);

    pages.AddEmptyPage(1);
    ASSERT_EQ(pages.Count(), 3);
    EXPECT_EQ(pages.FindSection("previewpages")->Items(1)->Name(), "page0");
    EXPECT_TRUE(pages.GetPage(1)->Objects().isEmpty());
    EXPECT_EQ(pages.GetPageSize(1), QSize(794, 1123));
    EXPECT_EQ(PageTexts(pages, 2), second);
    EXPECT_EQ(EntryTexts(pages.FindSection("logicalpagenumbers")), QStringList({"n=\"1\"", "n=\"2\"", "n=\"2\""}));
    EXPECT_EQ(pages.FindSection("anchors")->Items(0)->GetProp(u"page"), "2");
    EXPECT_EQ(pages.CurPage(), 2) << "still the page last written";

    pages.DeletePage(0);
    ASSERT_EQ(pages.Count(), 2);
    EXPECT_TRUE(pages.GetPage(0)->Objects().isEmpty());
    EXPECT_EQ(PageTexts(pages, 1), second);
    EXPECT_EQ(EntryTexts(pages.FindSection("logicalpagenumbers")), QStringList({"n=\"2\"", "n=\"2\""}));
    EXPECT_EQ(pages.FindSection("anchors")->Items(0)->GetProp(u"page"), "1");
    EXPECT_EQ(pages.CurPage(), 1);

    // Places outside the pages change nothing.
    pages.AddEmptyPage(3);
    pages.AddEmptyPage(-1);
    pages.DeletePage(2);
    pages.DeletePage(-1);
    EXPECT_EQ(pages.Count(), 2);

    pages.AddEmptyPage(2);
    EXPECT_EQ(pages.Count(), 3);
    EXPECT_TRUE(pages.GetPage(2)->Objects().isEmpty());
}

TEST(PageEditing, AChangedObjectIsWrittenBackUnderItsAliasOrWithItsFullPage)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    pages.ModifyPage(1, *pages.GetPage(1));

    for (const int index : {0, 1}) {
        SCOPED_TRACE(index);
        const std::shared_ptr<TfrxReportPage> page = pages.EditPage(index);
        auto* heading = qobject_cast<TfrxCustomMemoView*>(page->Objects()[1]->Objects()[0]);
        ASSERT_TRUE(heading);
        heading->SetText(QStringLiteral("Changed & kept"));
        pages.ModifyObject(*heading);

        const TfrxXMLItem& element = *pages.FindSection("previewpages")->Items(index)->Items(1)->Items(0);
        EXPECT_EQ(element.Name(), index == 0 ? "m1" : "TfrxMemoView");
        EXPECT_TRUE(element.Text().contains("Changed &#38; kept")) << element.Text().toStdString();
        if (index == 0) {
            EXPECT_EQ(pages.GetPage(0), page) << "the decoded page shows the change already";
        }

        TfrxPreviewPages reread(nullptr);
        LoadPages(reread, SavePages(pages));
        EXPECT_TRUE(PageTexts(reread, index).contains("Changed & kept"));
    }
    EXPECT_EQ(pages.FindSection("previewpages")->Items(0)->Name(), "page0") << "the page keeps its form";
}

TEST(PageEditing, PagesOfAnotherReportAreAppendedWholeAndNeedNoTemplateOfTheirs)
{
    DiaryBuild first;
    first.SetEntries(std::vector<int>(13, 2));
    DiaryBuild other;
    other.SetEntries({1, 5});
    ASSERT_TRUE(first.report.PrepareReport(true));
    ASSERT_TRUE(other.report.PrepareReport(true));
    const int firstCount = first.store.Count();
    const int otherCount = other.store.Count();
    ASSERT_GE(otherCount, 1);

    first.store.AddFrom(other.report);
    ASSERT_EQ(first.store.Count(), firstCount + otherCount);
    EXPECT_EQ(first.store.CurPage(), firstCount + otherCount - 1);
    TfrxPreviewPages reread(nullptr);
    LoadPages(reread, SavePages(first.store));
    for (int i = 0; i < otherCount; ++i) {
        EXPECT_EQ(first.store.FindSection("previewpages")->Items(firstCount + i)->Name(), "TfrxReportPage");
        EXPECT_EQ(Describe(first.Page(firstCount + i)), Describe(other.Page(i)));
        EXPECT_EQ(Describe(*reread.GetPage(firstCount + i)), Describe(other.Page(i)));
    }
    EXPECT_EQ(EntryTexts(first.store.FindSection("logicalpagenumbers")).mid(firstCount),
              EntryTexts(other.store.FindSection("logicalpagenumbers")));
}

TEST(PageEditing, APictureIsKeptOnce)
{
    PreparedDiary diary(ThreeEntries());
    TfrxPreviewPages& pages = diary.pages;
    EXPECT_EQ(pages.AddPicture("first picture"), 0);
    EXPECT_EQ(pages.AddPicture("second picture"), 1);
    EXPECT_EQ(pages.AddPicture("first picture"), 0);
    ASSERT_EQ(pages.PictureCache().size(), 2u);
    SavePages(pages);
    EXPECT_EQ(pages.FindSection("picturecache")->Count(), 2);
}

TEST(PageEditing, TheLastYIsTheBottomOfTheLowestObjectFromXOn)
{
    PreparedDiary diary(ThreeEntries());
    TfrxPreviewPages& pages = diary.pages;
    diary.Start();
    EXPECT_EQ(pages.GetLastY(0), 0) << "no page yet";
    diary.NewPage();
    EXPECT_NEAR(pages.GetLastY(0), PreparedDiary::kHeaderHeight, 1e-5);
    diary.OutputEntry();
    struct Case {
        double x;
        double lastY;
    };
    // The bands start at the left edge of the printable area.
    for (const Case c : {Case{0, PreparedDiary::kHeaderHeight + PreparedDiary::kEntryBandHeight}, Case{1, 0}})
        EXPECT_NEAR(pages.GetLastY(c.x), c.lastY, 1e-5) << c.x;
    diary.Finish();
}

TEST(PageEditing, AnObjectAddedToTheTemplateCopyIsRecordedByItsDifferences)
{
    PreparedDiary diary(ThreeEntries());
    TfrxPreviewPages& pages = diary.pages;
    diary.Start();
    diary.NewPage();
    TfrxBand& header = diary.Band("PageHeader1");
    auto* made = new TfrxMemoView(nullptr);
    made->SetParent(&header);
    made->SetName(QStringLiteral("MadeWhileBuilding"));
    made->SetBounds(0, 0, 100, 18);
    made->SetText(QStringLiteral("made while building"));
    pages.AddToSourcePage(*made);
    pages.AddToSourcePage(*made);  // once only

    const QString alias = pages.AliasOf(*made);
    EXPECT_EQ(alias, "m5");
    const TfrxComponent* copy = pages.Dictionary().GetObject(alias);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Parent()->Name(), "PageHeader1");
    EXPECT_EQ(copy->Page(), pages.SourcePage(0));

    pages.AddObject(header);
    const TfrxXMLItem& page = *pages.FindSection("previewpages")->Items(0);
    const TfrxXMLItem& headerElement = *page.Items(page.Count() - 1);
    ASSERT_EQ(ChildNames(headerElement), QStringList({"m3", "m5"}));
    EXPECT_EQ(headerElement.Items(1)->Text(), " u=\"made while building\"") << "a text always carries its text";
    diary.Finish();
    EXPECT_TRUE(PageTexts(pages, 0).endsWith("made while building")) << PageTexts(pages, 0).toStdString();

    TfrxPreviewPages reread(nullptr);
    LoadPages(reread, SavePages(pages));
    EXPECT_EQ(PageTexts(reread, 0), PageTexts(pages, 0));
}

TEST(PageEditing, TheObjectUnderAPointIsTheViewDrawnThere)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    const TfrxComponent& heading = *pages.GetPage(0)->Objects()[2]->Objects()[0];
    const QPointF middle(kMargin + heading.AbsLeft() + heading.Width() / 2, kMargin + heading.AbsTop() + heading.Height() / 2);

    struct Case {
        double scale;
        QPointF offset;
    };
    for (const Case c : {Case{1, {0, 0}}, Case{2, {100, 50}}}) {
        const QPointF point = c.offset + middle * c.scale;
        const std::shared_ptr<const TfrxView> over = pages.ObjectOver(0, point, c.scale, c.scale, c.offset.x(), c.offset.y());
        ASSERT_TRUE(over) << c.scale;
        EXPECT_EQ(over->Name(), "frxUserDataSet1Data1");
        EXPECT_EQ(qobject_cast<const TfrxCustomMemoView*>(over.get())->Text().trimmed(), "2021/06/02 (Wed)");
        EXPECT_FALSE(pages.ObjectOver(0, c.offset + QPointF(400, 700) * c.scale, c.scale, c.scale, c.offset.x(),
                                      c.offset.y()))
            << "empty paper";
    }
    EXPECT_FALSE(pages.ObjectOver(5, middle, 1, 1, 0, 0)) << "no such page";
}

}  // namespace
