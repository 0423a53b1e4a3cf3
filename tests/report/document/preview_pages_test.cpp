#include "prepared_diary.h"

#include "document_test_support.h"

#include "../report_engine_fixture.h"

#include "report/engine/report_engine.h"

#include "platform/errors.h"

#include "report/views/line_view.h"
#include "report/views/memo_view.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewPages, ThePrintedDiaryIsRecordedUnderItsTemplatesAliases)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;

    EXPECT_EQ(ChildNames(pages.Document().Root()), QStringList({"previewpages", "logicalpagenumbers"}));
    ASSERT_EQ(pages.Count(), 2);
    EXPECT_EQ(pages.CurPage(), 1);
    const TfrxXMLItem& first = *pages.Document().Root().Items(0)->Items(0);
    const TfrxXMLItem& second = *pages.Document().Root().Items(0)->Items(1);
    EXPECT_EQ(first.Name(), "page0");
    EXPECT_EQ(first.Text(), "");
    EXPECT_EQ(ChildNames(first), QStringList({"b2", "b1", "b1", "b3"}));
    EXPECT_EQ(ChildNames(second), QStringList({"b2", "b1", "b3"}));

    // Bands carry their top (and grown height); texts their printed text; the line its
    // component and view parts, nothing here.
    EXPECT_EQ(first.Items(0)->Text(), " t=\"0\"");
    EXPECT_EQ(ChildNames(*first.Items(0)), QStringList({"m3"}));
    EXPECT_EQ(first.Items(0)->Items(0)->Text(), " u=\"6/30/2021\"");
    const TfrxXMLItem& entry = *first.Items(2);
    EXPECT_EQ(entry.Text(), " t=\"102.04731\" h=\"79.37013\"");
    EXPECT_EQ(ChildNames(entry), QStringList({"m1", "m2", "l1"}));
    EXPECT_EQ(entry.Items(0)->Text(), " u=\"2021/06/02 (Wed)\"");
    EXPECT_EQ(entry.Items(1)->Text(), " h=\"17\" u=\"Walked &#34;far&#34; &#38; back.\"");
    EXPECT_EQ(entry.Items(2)->Text(), "");
    EXPECT_EQ(first.Items(1)->Items(1)->Text(), " h=\"33\" u=\"Rain all day.&#13;&#10;Read a book.\"");
    EXPECT_EQ(first.Items(3)->Text(), " t=\"1024.25263\"");
    EXPECT_EQ(first.Items(3)->Items(0)->Text(), " u=\"1\"");
    EXPECT_EQ(second.Items(2)->Items(0)->Text(), " u=\"2\"");

    // One running numbering, still open: no totals yet.
    const TfrxXMLItem& numbers = *pages.FindSection("logicalpagenumbers");
    ASSERT_EQ(numbers.Count(), 2);
    EXPECT_EQ(numbers.Items(0)->Name(), "page");
    EXPECT_EQ(numbers.Items(0)->Text(), "n=\"1\"");
    EXPECT_EQ(numbers.Items(1)->Text(), "n=\"2\"");
}

TEST(PreviewPages, SavingAddsTheReportTheTemplateCopiesAndTheDictionary)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    SavePages(pages);
    const TfrxXMLItem& root = pages.Document().Root();
    EXPECT_EQ(ChildNames(root), QStringList({"previewpages", "logicalpagenumbers", "report", "sourcepages", "dictionary",
                                             "picturecache", "postprocessing"}));

    const TfrxXMLItem& report = *pages.FindSection("report");
    ASSERT_EQ(report.Count(), 1);
    EXPECT_EQ(report.Items(0)->Name(), "TfrxReport");
    EXPECT_EQ(report.Items(0)->Text(), "DotMatrixReport=\"0\" PreviewOptions.OutlineVisible=\"0\" "
                                       "PreviewOptions.OutlineWidth=\"120\" ReportOptions.Name=\"\"");

    const TfrxXMLItem& dictionary = *pages.FindSection("dictionary");
    const QStringList sources{"MasterData1", "MasterData1", "PageHeader1", "PageFooter1", "MasterData1", "Line1",
                              "MasterData1", "frxUserDataSet1Data1", "frxUserDataSet1Data2", "Memo1", "Memo2",
                              "MasterData1"};
    ASSERT_EQ(ChildNames(dictionary),
              QStringList({"b0", "b1", "b2", "b3", "bA", "l1", "m0", "m1", "m2", "m3", "m4", "mA"}));
    for (int i = 0; i < dictionary.Count(); ++i) {
        const QString text = dictionary.Items(i)->Text();
        EXPECT_EQ(text, "name=\"Page0." + sources[i] + "\"");
        EXPECT_EQ(text.mid(6, text.length() - 7), "Page0." + sources[i]) << "read by position";
    }

    // The template copy: page full form without Name, its objects with Name; texts lose their
    // data binding, the band keeps its data source, named through the form that owns it.
    const TfrxXMLItem& sourcePages = *pages.FindSection("sourcepages");
    ASSERT_EQ(ChildNames(sourcePages), QStringList({"TfrxReportPage"}));
    const TfrxXMLItem& copy = *sourcePages.Items(0);
    EXPECT_FALSE(copy.PropExists(u"Name"));
    EXPECT_EQ(copy.GetProp(u"PaperWidth"), "210");
    EXPECT_EQ(ChildNames(copy), QStringList({"TfrxMasterData", "TfrxPageHeader", "TfrxPageFooter"}));
    const TfrxXMLItem& band = *copy.Items(0);
    EXPECT_TRUE(band.Text().startsWith("Name=\"MasterData1\"")) << band.Text().toStdString();
    EXPECT_EQ(band.GetProp(u"DataSet"), "Form1.frxUserDataSet1");
    EXPECT_EQ(ChildNames(band), QStringList({"TfrxMemoView", "TfrxMemoView", "TfrxLineView"}));
    const TfrxXMLItem& heading = *band.Items(0);
    EXPECT_EQ(heading.GetProp(u"Name"), "frxUserDataSet1Data1");
    EXPECT_FALSE(heading.PropExists(u"DataField"));
    EXPECT_FALSE(heading.PropExists(u"DataSet"));
    EXPECT_EQ(heading.GetProp(u"Text"), "[frxUserDataSet1.\"Data1\"]");

    // Saving again refreshes the sections in place.
    SavePages(pages);
    EXPECT_EQ(root.Count(), 7);
    EXPECT_EQ(pages.FindSection("dictionary")->Count(), 12);
}

TEST(PreviewPages, AliasesAreNumberedFromTheCountBetweenTheMarkers)
{
    TfrxDictionary dictionary;
    QStringList made;
    for (const char* base : {"b", "m", "m", "l", "b", "m", "b", "m", "x", "b"}) {
        const QString alias = dictionary.CreateUniqueName(QString::fromLatin1(base));
        dictionary.Add(alias, "Page0." + alias, nullptr);
        made << alias;
    }
    EXPECT_EQ(made, QStringList({"b1", "m1", "m2", "l1", "b2", "m3", "b3", "m4", "x1", "b4"}));
    EXPECT_EQ(dictionary.GetSourceName("B0"), "Page0.b1") << "markers point at the first source, any case";
    EXPECT_EQ(dictionary.GetSourceName("m4"), "Page0.m4");
    EXPECT_EQ(dictionary.GetSourceName("q1"), "");
}

TEST(PreviewPages, GetPageRebuildsThePrintedObjects)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;

    const std::shared_ptr<const TfrxReportPage> page = pages.GetPage(0);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Name(), "Page1");
    EXPECT_EQ(page->PaperHeight(), 297);
    EXPECT_EQ(page->TopMargin(), 10);
    struct Expected {
        const char* className;
        const char* name;
        double top;
        double height;
    };
    const Expected bands[] = {
        {"TfrxPageHeader", "PageHeader1", 0, 22.67718},
        {"TfrxMasterData", "MasterData1", 22.67718, 79.37013},
        {"TfrxMasterData", "MasterData1", 102.04731, 79.37013},
        {"TfrxPageFooter", "PageFooter1", 1024.25263, 22.67718},
    };
    ASSERT_EQ(page->Objects().size(), 4);
    for (int i = 0; i < 4; ++i) {
        const TfrxComponent& band = *page->Objects()[i];
        EXPECT_EQ(band.ClassName(), bands[i].className);
        EXPECT_EQ(band.Name(), bands[i].name);
        EXPECT_DOUBLE_EQ(band.Top(), bands[i].top) << i;
        EXPECT_DOUBLE_EQ(band.Height(), bands[i].height) << i;
        EXPECT_DOUBLE_EQ(band.Width(), 718.1107);
    }
    const TfrxComponent& entry = *page->Objects()[2];
    ASSERT_EQ(entry.Objects().size(), 3);
    auto* heading = qobject_cast<TfrxMemoView*>(entry.Objects()[0]);
    auto* text = qobject_cast<TfrxMemoView*>(entry.Objects()[1]);
    auto* line = qobject_cast<TfrxLineView*>(entry.Objects()[2]);
    ASSERT_TRUE(heading && text && line);
    EXPECT_EQ(heading->Text(), "2021/06/02 (Wed)\r\n");
    EXPECT_EQ(heading->Font()->Style(), frx::fsBold) << "template values stand where nothing differs";
    EXPECT_EQ(text->Text(), "Walked \"far\" & back.\r\n");
    EXPECT_EQ(text->Height(), 17) << "one line";
    EXPECT_DOUBLE_EQ(text->Left(), 45.35436);
    EXPECT_EQ(text->DataSet(), nullptr);
    EXPECT_DOUBLE_EQ(line->AbsTop(), 102.04731 + 79.37013);
    EXPECT_EQ(line->Frame()->Style(), fsDot);
    EXPECT_EQ(qobject_cast<TfrxMemoView*>(page->Objects()[3]->Objects()[0])->Text(), "1\r\n");

    // Out of building, decoded pages are kept; the other page is decoded on its own.
    EXPECT_EQ(pages.GetPage(0), page);
    const std::shared_ptr<const TfrxReportPage> other = pages.GetPage(1);
    EXPECT_EQ(qobject_cast<TfrxMemoView*>(other->Objects()[2]->Objects()[0])->Text(), "2\r\n");
    EXPECT_EQ(pages.GetPage(2), nullptr);
    EXPECT_EQ(pages.GetPage(-1), nullptr);
}

TEST(PreviewPages, PageSizesFollowTheTemplateOrTheRecordedPaper)
{
    PreparedDiary diary(ThreeEntries());
    diary.Start();
    diary.NewPage();
    diary.NewPage();
    diary.pages.UpdatePageDimension(210, 150.5);
    diary.Finish();
    TfrxPreviewPages& pages = diary.pages;
    EXPECT_EQ(pages.GetPageSize(0), QSize(794, 1123));
    const TfrxXMLItem& grown = *pages.FindSection("previewpages")->Items(1);
    EXPECT_EQ(grown.Text(), "PaperSize=\"256\" PaperWidth=\"210\" PaperHeight=\"150.50\"");
    EXPECT_EQ(pages.GetPageSize(1), QSize(794, 569));
    EXPECT_DOUBLE_EQ(pages.GetPage(1)->PaperHeight(), 150.5);
    EXPECT_EQ(pages.GetPageSize(2), QSize(0, 0));
}

TEST(PreviewPages, ModifyPageWritesThePageInFullForm)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    const std::shared_ptr<TfrxReportPage> page = pages.EditPage(0);
    page->SetLeftMargin(25);
    pages.ModifyPage(0, *page);

    const TfrxXMLItem& item = *pages.FindSection("previewpages")->Items(0);
    EXPECT_EQ(item.Name(), "TfrxReportPage");
    EXPECT_FALSE(item.PropExists(u"Name"));
    EXPECT_EQ(item.GetProp(u"LeftMargin"), "25");
    EXPECT_FALSE(item.Unloadable());
    ASSERT_EQ(ChildNames(item), QStringList({"TfrxPageHeader", "TfrxMasterData", "TfrxMasterData", "TfrxPageFooter"}));
    EXPECT_TRUE(item.Items(1)->Text().startsWith("Name=\"MasterData1\""));
    EXPECT_EQ(ChildNames(*item.Items(1)), QStringList({"TfrxMemoView", "TfrxMemoView", "TfrxLineView"}));

    // Read back without the template copy: both entry bands keep their own objects.
    const std::shared_ptr<const TfrxReportPage> reread = pages.GetPage(0);
    ASSERT_NE(reread, nullptr);
    EXPECT_EQ(reread->LeftMargin(), 25);
    ASSERT_EQ(reread->Objects().size(), 4);
    for (int i : {1, 2}) {
        const TfrxComponent& band = *reread->Objects()[i];
        EXPECT_EQ(band.Name(), "MasterData1");
        ASSERT_EQ(band.Objects().size(), 3) << i;
    }
    EXPECT_DOUBLE_EQ(reread->Objects()[2]->Top(), 102.04731);
    EXPECT_EQ(qobject_cast<TfrxMemoView*>(reread->Objects()[1]->Objects()[1])->Text(), "Rain all day.\r\nRead a book.\r\n");
    EXPECT_EQ(qobject_cast<TfrxMemoView*>(reread->Objects()[2]->Objects()[1])->Text(), "Walked \"far\" & back.\r\n");
    EXPECT_EQ(pages.GetPageSize(0), QSize(794, 1123));
    // The other page is untouched.
    EXPECT_EQ(pages.FindSection("previewpages")->Items(1)->Name(), "page0");
}

TEST(PreviewPages, LogicalNumbersOutlineAndAnchors)
{
    PreparedDiary diary(ThreeEntries());
    TfrxPreviewPages& pages = diary.pages;
    diary.Start();
    diary.NewPage();
    pages.Outline().AddItem("June", 22.4);
    pages.Outline().AddItem("1st", 30.5);
    pages.Outline().LevelUp();
    pages.Outline().AddItem("2nd", 102.6);
    pages.Outline().LevelRoot();
    pages.AddAnchor("a&b", 40.5);
    diary.NewPage();
    pages.ResetLogicalPageNumber();  // a page that restarts the numbering follows
    EXPECT_EQ(pages.GetLogicalTotalPages(), 2);
    diary.NewPage();
    EXPECT_EQ(pages.GetLogicalPageNo(), 1);
    EXPECT_EQ(pages.GetLogicalTotalPages(), 0);
    diary.Finish();

    EXPECT_EQ(ChildNames(pages.Document().Root()),
              QStringList({"previewpages", "logicalpagenumbers", "outline", "anchors"}));
    const TfrxXMLItem& numbers = *pages.FindSection("logicalpagenumbers");
    QStringList texts;
    for (int i = 0; i < numbers.Count(); ++i)
        texts << numbers.Items(i)->Text();
    EXPECT_EQ(texts, QStringList({"n=\"1\" t=\"2\"", "n=\"2\" t=\"2\"", "n=\"1\""}));

    const TfrxXMLItem& outline = *pages.FindSection("outline");
    ASSERT_EQ(ChildNames(outline), QStringList({"item"}));
    EXPECT_EQ(outline.Items(0)->Text(), "text=\"June\" page=\"0\" top=\"22\"");
    ASSERT_EQ(outline.Items(0)->Count(), 2);
    EXPECT_EQ(outline.Items(0)->Items(1)->Text(), "text=\"2nd\" page=\"0\" top=\"103\"");
    EXPECT_EQ(pages.FindSection("anchors")->Items(0)->Text(), "text=\"a&#38;b\" page=\"0\" top=\"40\"");
}

TEST(PreviewPages, WritingOverReusesPageElementsAndClearEmptiesTheStore)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    pages.SetCurPage(-1);
    pages.AddPage(diary.Page());
    EXPECT_EQ(pages.Count(), 2) << "apWriteOver moves onto the existing element";
    EXPECT_EQ(pages.CurPage(), 0);
    EXPECT_TRUE(pages.BandExists(diary.Band("PageHeader1")));
    TfrxMasterData unknown;
    EXPECT_FALSE(pages.BandExists(unknown));

    pages.Clear();
    EXPECT_EQ(pages.Count(), 0);
    EXPECT_EQ(pages.CurPage(), -1);
    EXPECT_EQ(pages.GetPage(0), nullptr);
    EXPECT_EQ(pages.Dictionary().Count(), 0);
    EXPECT_EQ(pages.Document().Root().Count(), 0);
}

TEST(PreviewPages, ASavedDocumentReadBackFindsEveryTemplateAgain)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    const QByteArray saved = SavePages(diary.pages);

    TfrxPreviewPages loaded(nullptr);
    LoadPages(loaded, saved);
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.CurPage(), -1);
    ASSERT_EQ(loaded.SourcePageCount(), 1);
    EXPECT_EQ(loaded.Dictionary().Aliases(), diary.pages.Dictionary().Aliases());
    for (const QString& alias : loaded.Dictionary().Aliases()) {
        EXPECT_EQ(loaded.Dictionary().GetSourceName(alias), diary.pages.Dictionary().GetSourceName(alias));
        ASSERT_NE(loaded.Dictionary().GetObject(alias), nullptr) << alias.toStdString();
    }
    for (int i = 0; i < 2; ++i) {
        const QStringList original = Describe(*diary.pages.GetPage(i));
        EXPECT_EQ(Describe(*loaded.GetPage(i)), original) << i;
    }
    EXPECT_EQ(loaded.GetPageSize(1), QSize(794, 1123));
}

TEST(PreviewPages, ObjectsWithoutTemplateAndUnknownNames)
{
    PreparedDiary diary(ThreeEntries());
    diary.Start();
    diary.NewPage();
    // An object made while building has no template: it is recorded by class, in full.
    TfrxMemoView made;
    made.SetName(QStringLiteral("Made1"));
    made.SetBounds(10, 500, 100, 20);
    made.SetText(QStringLiteral("made <here>"));
    diary.pages.AddObject(made);
    TfrxMemoView hidden;
    hidden.SetVisible(false);
    diary.pages.AddObject(hidden);
    diary.Finish();

    TfrxXMLItem& page = *diary.pages.FindSection("previewpages")->Items(0);
    ASSERT_EQ(ChildNames(page), QStringList({"b2", "TfrxMemoView"})) << "invisible objects are left out";
    EXPECT_EQ(page.Items(1)->GetProp(u"Text"), "made <here>");
    const TfrxComponent* decoded = diary.pages.GetPage(0)->Objects().at(1);
    EXPECT_EQ(decoded->ClassName(), "TfrxMemoView");
    EXPECT_EQ(qobject_cast<const TfrxMemoView*>(decoded)->Text(), "made <here>\r\n");
    EXPECT_DOUBLE_EQ(decoded->Top(), 500);

    // While building, every request decodes afresh. A value that does not convert leaves the
    // template's value; a name that is neither alias nor class fails the page.
    TfrxPreviewPages& pages = diary.pages;
    pages.Initialize();
    TfrxXMLItem& item = *pages.FindSection("previewpages")->Items(0);
    item.Clear();
    item.Add("b2")->SetText(" t=\"abc\"");
    EXPECT_DOUBLE_EQ(pages.GetPage(0)->Objects().at(0)->Top(), 18.89765);
    item.Add("zz9");
    EXPECT_THROW(pages.GetPage(0), Exception);
}

TEST(PreviewPages, ABuildWithoutClearingAppendsUnderAFreshTemplateCopy)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    diary.Start();
    diary.NewPage();
    diary.OutputEntry();
    diary.EndPage();
    diary.Finish();
    TfrxPreviewPages& pages = diary.pages;

    ASSERT_EQ(pages.Count(), 3);
    EXPECT_EQ(pages.SourcePageCount(), 2);
    const TfrxXMLItem& third = *pages.FindSection("previewpages")->Items(2);
    EXPECT_EQ(third.Name(), "page1");
    EXPECT_EQ(ChildNames(third), QStringList({"b5", "b4", "b6"}));
    EXPECT_EQ(pages.Dictionary().GetSourceName("b4"), "Page1.MasterData1");
    EXPECT_EQ(pages.FindSection("logicalpagenumbers")->Items(2)->Text(), "n=\"1\"") << "each build numbers anew";
    const std::shared_ptr<const TfrxReportPage> page = pages.GetPage(2);
    EXPECT_EQ(qobject_cast<const TfrxMemoView*>(page->Objects()[1]->Objects()[0])->Text(), "2021/06/01 (Tue)\r\n");
    EXPECT_EQ(qobject_cast<const TfrxMemoView*>(page->Objects()[2]->Objects()[0])->Text(), "3\r\n");
}

TEST(PreviewPages, TheFirstOfTwoPassesRecordsOnlyTheComponentPart)
{
    PreparedDiary diary(ThreeEntries());
    diary.pages.FinalPass = false;
    diary.Start();
    diary.NewPage();
    diary.OutputEntry();
    diary.Finish();
    const TfrxXMLItem& entry = *diary.pages.FindSection("previewpages")->Items(0)->Items(1);
    EXPECT_EQ(entry.Text(), " t=\"22.67718\" h=\"79.37013\"");
    EXPECT_EQ(entry.Items(1)->Text(), " h=\"33\"") << "no text part";
    EXPECT_EQ(entry.Items(2)->Text(), "");
}

// A page changed only in memory shows whether the cache still holds it.
TEST(PreviewPages, TheCacheKeepsTheMostRecentlyUsedPages)
{
    PreparedDiary diary(ThreeEntries());
    diary.Start();
    for (int i = 0; i < 3; ++i)
        diary.NewPage();
    diary.Finish();
    TfrxPreviewPages& pages = diary.pages;
    diary.Page().Report()->PreviewOptions()->SetPagesInCache(2);
    auto mark = [&](int index) { pages.EditPage(index)->SetLeftMargin(99); };
    auto kept = [&](int index) { return pages.GetPage(index)->LeftMargin() == 99; };

    mark(0);
    mark(1);
    pages.GetPage(0);  // 0 moves to the front, 1 goes last
    pages.GetPage(2);  // pushes 1 out
    EXPECT_TRUE(kept(0));
    EXPECT_FALSE(kept(1));

    mark(0);
    pages.Initialize();  // a build starts: nothing is kept
    EXPECT_FALSE(kept(0));
    pages.Finish();
}

}  // namespace

namespace {

// Pages without logical entries count from the first page of their report page; their run is as
// long as the engine's page count from there.
TEST(PreviewPages, APageWithoutLogicalEntryCountsFromTheFirstPage)
{
    DiaryBuild build;
    build.SetEntries(std::vector<int>(30, 2));
    build.report.EngineOptions()->SetDoublePass(true);
    ASSERT_TRUE(build.report.PrepareReport(true));
    ASSERT_EQ(build.store.Count(), 3);
    ASSERT_EQ(build.report.Engine().TotalPages(), 3);

    build.store.FindSection("logicalpagenumbers")->Clear();
    build.store.FirstPage = 1;
    build.store.SetCurPage(2);
    EXPECT_EQ(build.store.GetLogicalPageNo(), 2);
    EXPECT_EQ(build.store.GetLogicalTotalPages(), 2);
}

}  // namespace
