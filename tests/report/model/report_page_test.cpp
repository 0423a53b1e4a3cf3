#include "report/base/report_units.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/report_page.h"
#include "report/printers/paper_sizes.h"
#include "report/views/memo_view.h"

#include "../qt_print.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Margins {
    double left, right, top, bottom;
    bool operator==(const Margins&) const = default;
};
Margins MarginsOf(const TfrxReportPage& page)
{
    return {page.LeftMargin(), page.RightMargin(), page.TopMargin(), page.BottomMargin()};
}
void SetMargins(TfrxReportPage& page, Margins m)
{
    page.SetLeftMargin(m.left);
    page.SetRightMargin(m.right);
    page.SetTopMargin(m.top);
    page.SetBottomMargin(m.bottom);
}

TEST(ReportPage, ANewPageIsA4PortraitWithoutMargins)
{
    TfrxReportPage page;
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.PaperWidth(), 210);
    EXPECT_EQ(page.PaperHeight(), 297);
    EXPECT_EQ(page.Width(), 794);
    EXPECT_EQ(page.Height(), 1123);
    EXPECT_EQ(page.Orientation(), poPortrait);
    EXPECT_EQ(MarginsOf(page), (Margins{0, 0, 0, 0}));

    SetMargins(page, {10, 10, 10, 10});
    EXPECT_NEAR(page.PrintableWidth(), 718.1107, 1e-9);
    EXPECT_NEAR(page.PrintableHeight(), 1046.92981, 1e-9);
}

TEST(ReportPage, PaperSidesAreKeptToEightDecimalsAndMakeTheSizeCustom)
{
    TfrxReportPage page;
    page.SetPaperWidth(100.123456789);
    EXPECT_EQ(page.PaperWidth(), 100.12345679);
    EXPECT_EQ(page.PaperSize(), 256);
    EXPECT_EQ(page.Width(), 378);  // 378.42 px
    page.SetPaperHeight(50.000000006);
    EXPECT_EQ(page.PaperHeight(), 50.00000001);
    EXPECT_EQ(page.Height(), 189);
}

TEST(ReportPage, TurningThePageTurnsItsMarginsAndTurningBackRestoresThem)
{
    TfrxReportPage page;
    SetMargins(page, {10, 20, 30, 40});
    page.SetOrientation(poLandscape);
    EXPECT_EQ(MarginsOf(page), (Margins{30, 40, 20, 10}));
    EXPECT_EQ(page.PaperWidth(), 297);
    EXPECT_EQ(page.PaperHeight(), 210);
    EXPECT_EQ(page.Width(), 1123);
    page.SetOrientation(poLandscape);  // the same orientation again changes nothing
    EXPECT_EQ(MarginsOf(page), (Margins{30, 40, 20, 10}));
    page.SetOrientation(poPortrait);
    EXPECT_EQ(MarginsOf(page), (Margins{10, 20, 30, 40}));
    EXPECT_EQ(page.PaperWidth(), 210);
}

TEST(ReportPage, PaperCodesTakeTheTablesSizeTurnedForLandscape)
{
    struct Case {
        TPrinterOrientation orientation;
        int code;
        double width, height;  // expected, starting from A4 portrait
    };
    const Case cases[] = {
        {poLandscape, 9, 297, 210},
        {poPortrait, 1, 215.9, 279.4},
        {poPortrait, 5, 215.9, 355.6},
        {poPortrait, 66, 420, 594},
        {poLandscape, 11, 210, 148},
        {poPortrait, 48, 210, 297},    // not in the table: only the code changes
        {poLandscape, 48, 297, 210},
        {poPortrait, 300, 210, 297},   // custom codes only name the size
    };
    for (const Case& c : cases) {
        TfrxReportPage page;
        page.SetOrientation(c.orientation);
        page.SetPaperSize(c.code);
        SCOPED_TRACE(c.code);
        EXPECT_EQ(page.PaperSize(), c.code);
        EXPECT_EQ(page.PaperWidth(), c.width);
        EXPECT_EQ(page.PaperHeight(), c.height);
    }
}

TEST(ReportPage, ThePaperTableHoldsTheSixtySixStandardPapers)
{
    std::set<int> codes;
    for (const PaperSizeEntry& e : PaperSizeTable())
        codes.insert(e.code);
    EXPECT_EQ(PaperSizeTable().size(), 66u);
    EXPECT_EQ(codes.size(), 66u);
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), 68);
    EXPECT_FALSE(codes.count(48) || codes.count(49));
    const std::pair<int, std::pair<double, double>> rows[] = {
        {1, {215.9, 279.4}}, {5, {215.9, 355.6}}, {8, {297, 420}}, {9, {210, 297}},
        {11, {148, 210}},    {13, {182, 257}},    {66, {420, 594}},
    };
    for (const auto& [code, size] : rows) {
        const auto paper = FindPaperSize(code);
        ASSERT_TRUE(paper) << code;
        EXPECT_EQ(paper->width, size.first) << code;
        EXPECT_EQ(paper->height, size.second) << code;
    }
}

TEST(ReportPage, PageCountsBelowOneAreIgnored)
{
    TfrxReportPage page;
    page.SetPageCount(3);
    page.SetPageCount(0);
    page.SetPageCount(-2);
    EXPECT_EQ(page.PageCount(), 3);
}

TEST(ReportPage, ColumnsDivideThePrintableWidth)
{
    TfrxReportPage page;
    SetMargins(page, {10, 20, 0, 0});
    page.SetColumns(3);
    EXPECT_EQ(page.ColumnWidth(), 60);
    EXPECT_EQ(page.ColumnPositions(), (QStringList{"0", "60", "120"}));
}

TEST(ReportPage, DefaultsComeFromTheDefaultPrinterWithTenMillimetreMargins)
{
    TfrxReportPage page;
    page.SetDefaults();
    EXPECT_EQ(MarginsOf(page), (Margins{10, 10, 10, 10}));
    EXPECT_EQ(page.PaperSize(), 9);

    SetDefaultPaperProvider([] { return DefaultPaper{1, 279.4, 215.9, poLandscape}; });
    page.SetDefaults();
    SetDefaultPaperProvider(nullptr);
    EXPECT_EQ(page.PaperSize(), 1);
    EXPECT_EQ(page.Orientation(), poLandscape);
    EXPECT_EQ(page.PaperWidth(), 279.4);
    EXPECT_EQ(page.Width(), 1056);
    EXPECT_EQ(page.Height(), 816);
}

TEST(ReportPage, AligningGivesBandsThePrintableExtentAndKeepsThePaperSize)
{
    TfrxReportPage page;
    SetMargins(page, {10, 10, 10, 10});
    auto* data = new TfrxMasterData(&page);
    data->SetLeft(5);
    auto* header = new TfrxPageHeader(&page);
    auto* side = new TfrxMasterData(&page);
    side->SetVertical(true);
    side->SetTop(100);
    auto* filler = new TfrxMemoView(data);
    filler->SetAlign(baClient);
    data->SetHeight(40);

    page.AlignChildren();
    EXPECT_NEAR(data->Width(), 718.1107 - 5, 1e-9);
    EXPECT_NEAR(header->Width(), 718.1107, 1e-9);
    EXPECT_NEAR(side->Height(), 1046.92981 - 100, 1e-9);
    EXPECT_NEAR(filler->Width(), 718.1107 - 5, 1e-9);  // the band's own children follow it
    EXPECT_EQ(filler->Height(), 40);
    EXPECT_EQ(page.Width(), 794);
    EXPECT_EQ(page.Height(), 1123);

    // With columns, data bands take a column's width; page headers keep the whole width.
    page.SetColumns(2);
    page.AlignChildren();
    EXPECT_NEAR(data->Width(), 95 * fr01cm, 1e-9);
    EXPECT_NEAR(header->Width(), 718.1107, 1e-9);

    EXPECT_EQ(page.FindBand(TfrxDataBand::staticMetaObject), data);
    EXPECT_EQ(page.FindBand(TfrxPageHeader::staticMetaObject), header);
    EXPECT_EQ(page.FindBand(TfrxPageFooter::staticMetaObject), nullptr);
}

}  // namespace
