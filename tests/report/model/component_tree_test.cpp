#include "report/base/report_errors.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/data_page.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"

#include <QPointer>
#include "../qt_print.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A report with one page, a band at 100 px and a text inside it.
struct SmallReport {
    std::unique_ptr<TfrxReport> report = std::make_unique<TfrxReport>();
    TfrxReportPage* page = new TfrxReportPage(report.get());
    TfrxMasterData* band = new TfrxMasterData(page);
    TfrxMemoView* memo = new TfrxMemoView(band);

    SmallReport()
    {
        report->SetName("frxReport1");
        page->SetName("Page1");
        band->SetName("MasterData1");
        memo->SetName("Memo1");
        page->SetLeftMargin(10);
        band->SetBounds(5, 100, 700, 50);
        memo->SetBounds(20, 3, 100, 18);
    }
};

TEST(ComponentTree, ChildrenJoinTheirOwnerInOrderAndAreFoundByName)
{
    SmallReport r;
    auto* line = new TfrxLineView(r.band);
    line->SetName("Line1");
    auto* header = new TfrxPageHeader(r.page);
    header->SetName("PageHeader1");

    EXPECT_EQ(r.report->Objects(), (QList<TfrxComponent*>{r.page}));
    EXPECT_EQ(r.band->Objects(), (QList<TfrxComponent*>{r.memo, line}));
    EXPECT_EQ(r.report->AllObjects(), (QList<TfrxComponent*>{r.page, r.band, r.memo, line, header}));
    EXPECT_EQ(r.memo->Parent(), r.band);
    EXPECT_EQ(r.memo->Page(), r.page);
    EXPECT_EQ(r.page->Page(), r.page);
    EXPECT_EQ(line->Report(), r.report.get());
    EXPECT_EQ(r.report->Report(), r.report.get());
    EXPECT_EQ(r.report->FindObject("line1"), line);
    EXPECT_EQ(r.band->FindObject("PAGEHEADER1"), nullptr);  // not below the band
    EXPECT_EQ(r.report->PagesCount(), 1);
    EXPECT_EQ(r.report->Pages(0), r.page);
}

TEST(ComponentTree, AbsolutePositionsAddTheParentsUpToThePage)
{
    SmallReport r;
    r.page->SetLeft(30);  // the page's own place does not count
    EXPECT_DOUBLE_EQ(r.memo->AbsLeft(), 25);
    EXPECT_DOUBLE_EQ(r.memo->AbsTop(), 103);
    EXPECT_DOUBLE_EQ(r.band->AbsTop(), 100);
}

TEST(ComponentTree, ATakenNameIsRefusedWithoutRegardToCaseAndTheOldNameStays)
{
    SmallReport r;
    try {
        r.memo->SetName("masterdata1");
        FAIL() << "no duplicate-name error";
    } catch (const EDuplicateName& e) {
        EXPECT_EQ(e.Message(), "A component named masterdata1 already exists.");
    }
    EXPECT_EQ(r.memo->Name(), "Memo1");
    EXPECT_THROW(r.page->SetName("FRXREPORT1"), EDuplicateName);
    r.memo->SetName("MEMO1");  // its own name in other letters is fine
    EXPECT_EQ(r.memo->Name(), "MEMO1");

    SmallReport other;  // names are unique per report only
    EXPECT_NO_THROW(other.memo->SetName("Memo1"));
}

TEST(ComponentTree, BaseNamesDropTheLibraryPrefixAndViewAndMakeUniqueNames)
{
    struct Case {
        std::unique_ptr<TfrxComponent> object;
        const char* expected;
    };
    Case cases[] = {
        {std::make_unique<TfrxMemoView>(), "Memo"},
        {std::make_unique<TfrxLineView>(), "Line"},
        {std::make_unique<TfrxMasterData>(), "MasterData"},
        {std::make_unique<TfrxReportPage>(), "Page"},
        {std::make_unique<TfrxDataPage>(), "DataPage"},
        {std::make_unique<TfrxSysMemoView>(), "SysMemo"},
        {std::make_unique<TfrxUserDataSet>(), "UserDataSet"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.object->BaseName(), c.expected);

    SmallReport r;
    auto* second = new TfrxMemoView(r.band);
    second->CreateUniqueName();
    EXPECT_EQ(second->Name(), "Memo2");
    auto* page = new TfrxReportPage(r.report.get());
    page->CreateUniqueName();
    EXPECT_EQ(page->Name(), "Page2");
}

TEST(ComponentTree, FreeingAndClearingTakeChildrenOutOfTheTree)
{
    SmallReport r;
    QPointer<TfrxMemoView> memo = r.memo;
    auto* line = new TfrxLineView(r.band);
    delete line;  // an object freed on its own leaves its parent's list
    EXPECT_EQ(r.band->Objects(), (QList<TfrxComponent*>{r.memo}));

    r.page->Clear();
    EXPECT_TRUE(r.page->Objects().isEmpty());
    EXPECT_TRUE(memo.isNull());
}

TEST(ComponentTree, MovingAnObjectChangesItsParentAndOwner)
{
    SmallReport r;
    auto* footer = new TfrxPageFooter(r.page);
    r.memo->SetParent(footer);
    EXPECT_TRUE(r.band->Objects().isEmpty());
    EXPECT_EQ(footer->Objects(), (QList<TfrxComponent*>{r.memo}));
    QPointer<TfrxMemoView> memo = r.memo;
    delete footer;
    EXPECT_TRUE(memo.isNull());
}

TEST(ComponentTree, ObjectsShowTheirParentsFontUntilTheyChangeTheirOwn)
{
    SmallReport r;
    auto* own = new TfrxMemoView(r.band);
    own->Font()->SetName("Tahoma");
    EXPECT_FALSE(own->ParentFont());
    EXPECT_TRUE(r.memo->ParentFont());

    r.band->Font()->SetHeight(-20);
    EXPECT_EQ(r.memo->Font()->Height(), -20);
    EXPECT_TRUE(r.memo->ParentFont());
    EXPECT_EQ(own->Font()->Height(), -13);

    own->SetParentFont(true);
    EXPECT_EQ(own->Font()->Name(), "Arial");
    EXPECT_EQ(own->Font()->Height(), -20);

    // A new child takes its parent's font at once.
    auto* late = new TfrxMemoView(r.band);
    EXPECT_EQ(late->Font()->Height(), -20);
}

TEST(ComponentTree, BoundsChangedDuringAnOutputComeBackAfterIt)
{
    SmallReport r;
    r.memo->BeforePrint();
    r.memo->SetBounds(1, 2, 3, 400);
    r.memo->AfterPrint();
    EXPECT_EQ(QRectF(r.memo->Left(), r.memo->Top(), r.memo->Width(), r.memo->Height()), QRectF(20, 3, 100, 18));
}

TEST(ComponentTree, AlignedChildrenFillCentreOrSitAtTheBottomOfTheirParent)
{
    TfrxMasterData band;
    band.SetBounds(0, 0, 300, 100);
    auto* client = new TfrxMemoView(&band);
    client->SetAlign(baClient);
    auto* bottom = new TfrxMemoView(&band);
    bottom->SetBounds(10, 0, 50, 20);
    bottom->SetAlign(baBottom);
    auto* centre = new TfrxMemoView(&band);
    centre->SetBounds(0, 5, 100, 10);
    centre->SetAlign(baCenter);
    auto* loose = new TfrxMemoView(&band);
    loose->SetBounds(7, 8, 9, 10);

    band.AlignChildren();
    const auto bounds = [](const TfrxComponent* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); };
    EXPECT_EQ(bounds(bottom), QRectF(10, 80, 50, 20));
    EXPECT_EQ(bounds(centre), QRectF(100, 5, 100, 10));
    EXPECT_EQ(bounds(client), QRectF(0, 0, 300, 80));
    EXPECT_EQ(bounds(loose), QRectF(7, 8, 9, 10));
}

}  // namespace
