// Reports other than the diary, one small template per way of building: objects placed directly
// on the page, the overlay, title and summary around the rows, master and detail rows with a
// filter, and the report's print events. Every top is worked out from the page's printable
// height of 1046.92981 px and the band heights.
#include "../small_report_fixture.h"

#include "report/expressions/report_script.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

// "Name top" of `count` rows of the given height from `top` on.
QStringList Rows(const QString& name, double top, double height, int count)
{
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows << At(name, top + i * height);
    return rows;
}

// The trimmed text of every text object of a prepared object, in order.
QStringList Texts(const TfrxComponent& object)
{
    QStringList texts;
    for (const TfrxComponent* child : object.Objects())
        if (const auto* memo = qobject_cast<const TfrxCustomMemoView*>(child))
            texts << memo->Text().trimmed();
    return texts;
}

// Three texts straight on the page: a caption with the page number, notes that grow from one to
// three lines (20 to 48 px), and a signature right below the notes, which moves down with them.
struct LooseObjects : SmallReport {
    TfrxMemoView& caption = AddText(page, QStringLiteral("Caption"), 30, 20, QStringLiteral("Page [Page#]"));
    TfrxMemoView& notes = AddText(page, QStringLiteral("Notes"), 100, 20, QStringLiteral("one\r\ntwo\r\nthree\r\n"));
    TfrxMemoView& signature = AddText(page, QStringLiteral("Signature"), 130, 20, QStringLiteral("signed"));

    LooseObjects() { notes.SetStretchMode(smActualHeight); }

    // The objects of a prepared page's null band as "Name top height", with their texts.
    static QStringList Carried(const TfrxComponent& nullBand)
    {
        QStringList carried;
        for (const TfrxComponent* object : nullBand.Objects())
            carried << QStringLiteral("%1 %2 %3").arg(object->Name()).arg(object->AbsTop()).arg(object->Height());
        return carried + Texts(nullBand);
    }
};

TEST(SmallReports, ObjectsOnThePageGoOutWithTheFirstPageOfEachOutputWhereTheyWerePut)
{
    struct Case {
        const char* name;
        bool headerAndRows;
        int pageCount;
        std::vector<QStringList> pages;  // what each prepared page holds directly
    };
    const QString nullBand = At(QString(), 0);
    // With a 40 px page header, 20 rows of 50 px fit a page (40 + 20 × 50 = 1040).
    const std::vector<Case> cases = {
        {"no bands", false, 1, {{nullBand}}},
        {"two outputs of the page", false, 2, {{nullBand}, {nullBand}}},
        {"page header and thirty rows",
         true,
         1,
         {QStringList{At("PageHeader1", 0), nullBand} + Rows("MasterData1", 40, 50, 20),
          QStringList{At("PageHeader1", 0)} + Rows("MasterData1", 40, 50, 10)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LooseObjects report;
        report.page.SetPageCount(c.pageCount);
        if (c.headerAndRows) {
            report.AddBand<TfrxPageHeader>(QStringLiteral("PageHeader1"), 0, 40);
            auto& rows = report.AddRows(QStringLiteral("Rows"), 30, [](int, const QString&) { return QVariant(); });
            report.AddBand<TfrxMasterData>(QStringLiteral("MasterData1"), 200, 50).SetDataSet(&rows);
        }
        report.Build();
        ASSERT_EQ(report.store.Count(), int(c.pages.size()));
        for (int index = 0; index < report.store.Count(); ++index) {
            SCOPED_TRACE(index);
            EXPECT_EQ(report.Placed(index), c.pages[size_t(index)]);
            for (const TfrxComponent* object : report.Prepared(index).Objects()) {
                if (!qobject_cast<const TfrxNullBand*>(object))
                    continue;
                // Not moved by the page header; the signature follows the notes' 28 px growth.
                EXPECT_EQ(LooseObjects::Carried(*object), QStringList({"Caption 30 20", "Notes 100 48", "Signature 158 20",
                                                         QStringLiteral("Page %1").arg(index + 1), "one\r\ntwo\r\nthree",
                                                         "signed"}));
                EXPECT_EQ(object->Height(), 178) << "down to the signature's bottom";
            }
        }
        // The objects stay the page's, as designed.
        EXPECT_EQ(report.signature.Parent(), &report.page);
        EXPECT_EQ(report.notes.Height(), 20);
        EXPECT_EQ(report.signature.Top(), 130);
    }
}

TEST(SmallReports, ObjectsOnThePageReadBackFromAPreparedReportFile)
{
    LooseObjects built;
    built.Build();
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    built.store.SaveToStream(file);
    file.seek(0);
    SmallReport opened;
    opened.store.LoadFromStream(file);
    ASSERT_EQ(opened.store.Count(), 1);
    const QList<TfrxComponent*> objects = opened.Prepared(0).Objects();
    ASSERT_EQ(objects.size(), 1);
    ASSERT_TRUE(qobject_cast<TfrxNullBand*>(objects[0]));
    EXPECT_EQ(LooseObjects::Carried(*objects[0]),
              QStringList({"Caption 30 20", "Notes 100 48", "Signature 158 20", "Page 1", "one\r\ntwo\r\nthree", "signed"}));
}

// A page header of 30 px, rows of 100 px, a page footer of 20 px and an overlay of 50 px: 9 rows
// fit the first page (30 + 9 × 100 = 930; a tenth would end at 1030, below the footer's top at
// 1026.92981), the other 6 of 15 go to the second.
TEST(SmallReports, TheOverlayIsPutOutAtTheTopOfEveryPageUnderOrOverTheContent)
{
    for (const bool onTop : {false, true}) {
        SCOPED_TRACE(onTop);
        SmallReport report;
        report.AddBand<TfrxPageHeader>(QStringLiteral("PageHeader1"), 0, 30);
        auto& rows = report.AddRows(QStringLiteral("Rows"), 15, [](int, const QString&) { return QVariant(); });
        auto& data = report.AddBand<TfrxMasterData>(QStringLiteral("MasterData1"), 100, 100);
        data.SetDataSet(&rows);
        SmallReport::AddText(data, QStringLiteral("Row"), 0, 20, QStringLiteral("[Line]"));
        report.AddBand<TfrxPageFooter>(QStringLiteral("PageFooter1"), 300, 20);
        auto& overlay = report.AddBand<TfrxOverlay>(QStringLiteral("Overlay1"), 400, 50);
        overlay.SetPrintOnTop(onTop);
        // Put out while a page starts or ends, it cannot ask for a page of its own.
        overlay.SetStartNewPage(true);
        SmallReport::AddText(overlay, QStringLiteral("Draft"), 10, 20, QStringLiteral("DRAFT"));
        report.Build();

        ASSERT_EQ(report.store.Count(), 2);
        const QString footer = At("PageFooter1", SmallReport::kPageHeight - 20);
        const int rowsOnPage[] = {9, 6};
        for (int index = 0; index < 2; ++index) {
            SCOPED_TRACE(index);
            QStringList content = QStringList{At("PageHeader1", 0)} + Rows("MasterData1", 30, 100, rowsOnPage[index]);
            content << footer;
            if (onTop)
                content << At("Overlay1", 0);
            else
                content.prepend(At("Overlay1", 0));
            EXPECT_EQ(report.Placed(index), content);
            const TfrxComponent& placedOverlay = *report.Prepared(index).Objects()[onTop ? content.size() - 1 : 0];
            EXPECT_EQ(Texts(placedOverlay), QStringList({"DRAFT"}));
        }
    }
}

// Report title 50 px, page header 30 px, rows of 100 px, summary 100 px and page footer 20 px.
// Below title and header the first page takes 9 rows (80 + 9 × 100 = 980), a later page 9 below
// the header (30 + 900 = 930); the summary follows the last row when it fits above the footer.
TEST(SmallReports, TitleOnceHeaderAndFooterOnEveryPageSummaryAfterTheLastRow)
{
    struct Case {
        const char* name;
        bool titleBeforeHeader;
        int rows;
        std::vector<QStringList> pages;
    };
    const QString footer = At("PageFooter1", SmallReport::kPageHeight - 20);
    const QStringList page1TitleFirst =
        QStringList{At("ReportTitle1", 0), At("PageHeader1", 50)} + Rows("MasterData1", 80, 100, 9) + QStringList{footer};
    const QStringList page1HeaderFirst =
        QStringList{At("PageHeader1", 0), At("ReportTitle1", 30)} + Rows("MasterData1", 80, 100, 9) + QStringList{footer};
    const QStringList page2ThreeRowsAndSummary = QStringList{At("PageHeader1", 0)} + Rows("MasterData1", 30, 100, 3) +
                                                 QStringList{At("ReportSummary1", 330), footer};
    const std::vector<Case> cases = {
        {"twelve rows", true, 12, {page1TitleFirst, page2ThreeRowsAndSummary}},
        {"header before title", false, 12, {page1HeaderFirst, page2ThreeRowsAndSummary}},
        // Below the 18th row (ending at 930) only 96.92981 px are left: the summary starts a page.
        {"eighteen rows",
         true,
         18,
         {page1TitleFirst, QStringList{At("PageHeader1", 0)} + Rows("MasterData1", 30, 100, 9) + QStringList{footer},
          {At("PageHeader1", 0), At("ReportSummary1", 30), footer}}},
        {"no rows", true, 0, {{At("ReportTitle1", 0), At("PageHeader1", 50), At("ReportSummary1", 80), footer}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmallReport report;
        report.page.SetTitleBeforeHeader(c.titleBeforeHeader);
        report.AddBand<TfrxReportTitle>(QStringLiteral("ReportTitle1"), 0, 50);
        report.AddBand<TfrxPageHeader>(QStringLiteral("PageHeader1"), 60, 30);
        auto& rows = report.AddRows(QStringLiteral("Rows"), c.rows, [](int, const QString&) { return QVariant(); });
        report.AddBand<TfrxMasterData>(QStringLiteral("MasterData1"), 100, 100).SetDataSet(&rows);
        report.AddBand<TfrxReportSummary>(QStringLiteral("ReportSummary1"), 220, 100);
        report.AddBand<TfrxPageFooter>(QStringLiteral("PageFooter1"), 340, 20);
        report.Build();
        ASSERT_EQ(report.store.Count(), int(c.pages.size()));
        for (int index = 0; index < report.store.Count(); ++index)
            EXPECT_EQ(report.Placed(index), c.pages[size_t(index)]) << "page " << index + 1;
    }
}

// Customers with their orders below them. The filter leaves out the third customer; a customer
// without orders is printed only with PrintIfDetailEmpty. Customers take 30 px, orders 20 px.
TEST(SmallReports, MasterRowsPassingTheFilterAreFollowedByTheirDetailRows)
{
    const std::vector<int> orders = {2, 0, 1, 3, 1};
    struct Case {
        bool printIfDetailEmpty;
        QStringList placed;
    };
    const Case cases[] = {
        {false,
         {"MasterData1 0 1. C1", "DetailData1 30 1. C1/1", "DetailData1 50 2. C1/2", "MasterData1 70 2. C4",
          "DetailData1 100 1. C4/1", "DetailData1 120 2. C4/2", "DetailData1 140 3. C4/3", "MasterData1 160 3. C5",
          "DetailData1 190 1. C5/1"}},
        {true,
         {"MasterData1 0 1. C1", "DetailData1 30 1. C1/1", "DetailData1 50 2. C1/2", "MasterData1 70 2. C2",
          "MasterData1 100 3. C4", "DetailData1 130 1. C4/1", "DetailData1 150 2. C4/2", "DetailData1 170 3. C4/3",
          "MasterData1 190 4. C5", "DetailData1 220 1. C5/1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printIfDetailEmpty);
        SmallReport report;
        auto& customers = report.AddRows(QStringLiteral("Customers"), int(orders.size()), [](int row, const QString&) {
            return QStringLiteral("C%1").arg(row + 1);
        });
        auto& orderRows = report.AddRows(QStringLiteral("Orders"), 0, [&customers](int row, const QString&) {
            return QStringLiteral("C%1/%2").arg(customers.RecNo() + 1).arg(row + 1);
        });
        // Each customer's orders.
        orderRows.OnFirst = [&](TfrxDataSet*) { orderRows.SetRangeEndCount(orders[size_t(customers.RecNo())]); };
        report.report.OnGetValue = [&](const QString& name, QVariant& value) {
            if (name == QLatin1String("Active"))
                value = customers.RecNo() == 2 ? 0 : 1;
        };
        auto& master = report.AddBand<TfrxMasterData>(QStringLiteral("MasterData1"), 100, 30);
        master.SetDataSet(&customers);
        master.SetFilter(QStringLiteral("Active = 1"));
        master.SetPrintIfDetailEmpty(c.printIfDetailEmpty);
        SmallReport::AddText(master, QStringLiteral("Customer"), 0, 20, QStringLiteral("[Line]. [Customers.\"Name\"]"));
        auto& detail = report.AddBand<TfrxDetailData>(QStringLiteral("DetailData1"), 150, 20);
        detail.SetDataSet(&orderRows);
        SmallReport::AddText(detail, QStringLiteral("Order"), 0, 20, QStringLiteral("[Line]. [Orders.\"Item\"]"));
        report.Build();

        ASSERT_EQ(report.store.Count(), 1);
        QStringList placed;
        for (const TfrxComponent* band : report.Prepared(0).Objects())
            placed << QStringLiteral("%1 %2 %3").arg(band->Name()).arg(band->Top()).arg(Texts(*band).join(u' '));
        EXPECT_EQ(placed, c.placed);
    }
}

// A band that cannot fit while the page starts stays on that page: a new page would start with
// the same bands again.
TEST(SmallReports, APageHeaderOrItsChildTooTallForWhatIsLeftStaysOnTheStartingPage)
{
    struct Case {
        const char* name;
        double titleHeight;
        double headerHeight;
        double childHeight;
        bool headerOnFirstPage;
        QStringList placed;
    };
    const Case cases[] = {
        // 500 px fit a page but not the 446.92981 px below the title.
        {"page header below the title", 600, 500, 0, true, {At("ReportTitle1", 0), At("PageHeader1", 600)}},
        // 1020 px fit a page body but not the 1016.92981 px below the header.
        {"child of the page header", 0, 30, 1020, true, {At("PageHeader1", 0), At("Child1", 30)}},
        {"child in the header's place on the first page", 600, 30, 500, false,
         {At("ReportTitle1", 0), At("Child1", 600)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmallReport report;
        if (c.titleHeight > 0)
            report.AddBand<TfrxReportTitle>(QStringLiteral("ReportTitle1"), 0, c.titleHeight);
        auto& header = report.AddBand<TfrxPageHeader>(QStringLiteral("PageHeader1"), 700, c.headerHeight);
        header.SetPrintOnFirstPage(c.headerOnFirstPage);
        header.SetPrintChildIfInvisible(true);
        if (c.childHeight > 0)
            header.SetChild(&report.AddBand<TfrxChild>(QStringLiteral("Child1"), 800, c.childHeight));
        report.Build();
        ASSERT_EQ(report.store.Count(), 1);
        EXPECT_EQ(report.Placed(0), c.placed);
    }
}

// The application sees every band before and after its output and, while the band is visible,
// each of its objects, early enough to change them. Named script events are kept but never run.
TEST(SmallReports, TheReportsPrintEventsSurroundEveryBandAndItsObjects)
{
    SmallReport report;
    auto& header = report.AddBand<TfrxPageHeader>(QStringLiteral("PageHeader1"), 0, 30);
    SmallReport::AddText(header, QStringLiteral("Head"), 0, 20, QStringLiteral("Orders"));
    auto& rows = report.AddRows(QStringLiteral("Rows"), 2, [](int, const QString&) { return QVariant(); });
    auto& data = report.AddBand<TfrxMasterData>(QStringLiteral("MasterData1"), 100, 40);
    data.SetDataSet(&rows);
    data.SetOnBeforePrint(QStringLiteral("MasterData1OnBeforePrint"));
    SmallReport::AddText(data, QStringLiteral("Row"), 0, 20, QStringLiteral("[Line]"));
    auto& note = SmallReport::AddText(data, QStringLiteral("Note"), 20, 20, QStringLiteral("second"));
    note.SetVisible(false);
    auto& hidden = report.AddBand<TfrxMasterData>(QStringLiteral("MasterData2"), 200, 40);
    hidden.SetDataSet(&rows);
    hidden.SetVisible(false);
    SmallReport::AddText(hidden, QStringLiteral("Unseen"), 0, 20, QStringLiteral("x"));

    QStringList log;
    report.report.OnBeforePrint = [&](TfrxReportComponent* sender) {
        log << QStringLiteral("before ") + sender->Name();
        // The note shows on the second row only.
        if (sender == &note)
            note.SetVisible(rows.RecNo() == 1);
    };
    report.report.OnAfterPrint = [&](TfrxReportComponent* sender) { log << QStringLiteral("after ") + sender->Name(); };
    report.Build();

    const QStringList row = {"before MasterData1", "before Row", "before Note",
                             "after Row",          "after Note", "after MasterData1"};
    const QStringList hiddenRow = {"before MasterData2", "after MasterData2"};
    EXPECT_EQ(log, QStringList({"before PageHeader1", "before Head", "after Head", "after PageHeader1"}) + row + row +
                       hiddenRow + hiddenRow);
    const QList<TfrxComponent*> placed = report.Prepared(0).Objects();
    ASSERT_EQ(placed.size(), 3);
    EXPECT_EQ(Texts(*placed[1]), QStringList({"1"}));
    EXPECT_EQ(Texts(*placed[2]), QStringList({"2", "second"}));
    EXPECT_FALSE(note.Visible()) << "the template as designed after the build";
}

// Expressions are compiled for one build: what an earlier build or a call outside building
// compiled is dropped when the next build starts.
TEST(SmallReports, EachBuildStartsWithAnEmptyExpressionCache)
{
    SmallReport report;
    SmallReport::AddText(report.page, QStringLiteral("Product"), 0, 20, QStringLiteral("[2 * 3]"));
    EXPECT_EQ(report.report.Calc(QStringLiteral("1 + 2")).toInt(), 3);
    EXPECT_EQ(report.report.Script().CachedCount(), 1);
    report.Build();
    EXPECT_EQ(report.report.Script().CachedCount(), 1) << "only the build's own expression";
    EXPECT_EQ(Texts(*report.Prepared(0).Objects()[0]), QStringList({"6"}));
}

}  // namespace
