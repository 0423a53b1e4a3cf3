#include "diary_report.h"

#include "line_view.h"
#include "memo_view.h"

#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/data_page.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"

namespace {

// When the template was made; nothing else reads these.
constexpr double kTemplateCreateDate = 44368.83079887732;
constexpr double kTemplateLastChange = 44369.76475121528;
// Every band spans the printable width of A4 with 10 mm margins (190 mm).
constexpr double kBandWidth = 718.1107;

template <typename T>
T* Make(TfrxComponent* parent, const QString& name)
{
    auto* object = new T(parent);
    object->SetName(name);
    return object;
}

void ConfigureReport(TfrxReport& report, TfrxUserDataSet& dataSet)
{
    report.SetName(QStringLiteral("frxReport1"));
    report.SetDotMatrixReport(false);
    report.PreviewOptions()->SetButtons(TfrxPreviewButtons::fromInt(kDefaultPreviewButtons));
    report.PreviewOptions()->SetZoom(1.0);
    report.PrintOptions()->SetPrinter(QStringLiteral("Default"));
    report.PrintOptions()->SetPrintOnSheet(0);
    report.ReportOptions()->SetCreateDate(kTemplateCreateDate);
    report.ReportOptions()->SetLastChange(kTemplateLastChange);
    report.Datasets().Add(&dataSet);
}

TfrxReportPage* MakePage1(TfrxReport& report)
{
    auto* page = Make<TfrxReportPage>(&report, QStringLiteral("Page1"));
    page->SetPaperWidth(210);
    page->SetPaperHeight(297);
    page->SetPaperSize(9);
    page->SetLeftMargin(10);
    page->SetRightMargin(10);
    page->SetTopMargin(10);
    page->SetBottomMargin(10);
    page->Frame()->SetTyp({});
    return page;
}

void BindToField(TfrxView& view, TfrxUserDataSet& dataSet, const QString& field)
{
    view.SetDataSet(&dataSet);
    view.SetDataSetName(QStringLiteral("frxUserDataSet1"));
    view.SetDataField(field);
}

TfrxMemoView* MakeMemo(TfrxBand* band, const QString& name, QRectF bounds, const QString& text)
{
    auto* memo = Make<TfrxMemoView>(band, name);
    memo->SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    memo->Memo().Add(text);
    memo->Frame()->SetTyp({});
    memo->SetAllowVectorExport(true);
    return memo;
}

// A band across the printable width with a plain brush fill and no frame.
template <typename Band>
Band* MakeBand(TfrxReportPage& page, const QString& name, double top, double height)
{
    auto* band = Make<Band>(&page, name);
    band->SetBounds(0, top, kBandWidth, height);
    band->SetFillType(ftBrush);
    band->Frame()->SetTyp({});
    return band;
}

void MakeMasterData(TfrxReportPage& page, TfrxUserDataSet& dataSet)
{
    auto* band = MakeBand<TfrxMasterData>(page, QStringLiteral("MasterData1"), 102.04731, 86.92919);
    band->SetDataSet(&dataSet);
    band->SetDataSetName(QStringLiteral("frxUserDataSet1"));
    band->SetRowCount(0);
    band->SetStretched(true);

    // The date heading in bold.
    auto* heading = MakeMemo(band, QStringLiteral("frxUserDataSet1Data1"), {26.45671, 3.77953, 207.87415, 18.89765},
                             QStringLiteral("[frxUserDataSet1.\"Data1\"]"));
    BindToField(*heading, dataSet, QStringLiteral("Data1"));
    heading->Font()->SetName(QStringLiteral("Arial"));
    heading->Font()->SetHeight(-13);
    heading->Font()->SetColor(clBlack);
    heading->Font()->SetStyle(frx::fsBold);
    heading->Font()->SetCharset(DEFAULT_CHARSET);
    heading->SetParentFont(false);
    heading->SetIndexTag(1);

    // The entry's text: grows with it and stays where it is.
    auto* entry = MakeMemo(band, QStringLiteral("frxUserDataSet1Data2"), {45.35436, 30.23624, 619.84292, 37.7953},
                           QStringLiteral("[frxUserDataSet1.\"Data2\"]"));
    BindToField(*entry, dataSet, QStringLiteral("Data2"));
    entry->SetStretchMode(smActualHeight);
    entry->SetShiftMode(smDontShift);
    entry->SetAutoWidth(true);
    entry->SetIndexTag(1);

    // A dotted rule under the entry.
    auto* rule = Make<TfrxLineView>(band, QStringLiteral("Line1"));
    rule->SetBounds(7.55906, 79.37013, kBandWidth, 0);
    rule->SetColor(clBlack);
    rule->Frame()->SetStyle(fsDot);
    rule->Frame()->SetTyp(ftTop);
    rule->SetAllowVectorExport(true);
}

// The printout's date at the right of every page's header.
void MakePageHeader(TfrxReportPage& page)
{
    auto* band = MakeBand<TfrxPageHeader>(page, QStringLiteral("PageHeader1"), 18.89765, 22.67718);
    MakeMemo(band, QStringLiteral("Memo1"), {600.94527, 0, 113.3859, 18.89765}, QStringLiteral("[Date]"));
}

// The page number at the right of every page's footer.
void MakePageFooter(TfrxReportPage& page)
{
    auto* band = MakeBand<TfrxPageFooter>(page, QStringLiteral("PageFooter1"), 249.44898, 22.67718);
    MakeMemo(band, QStringLiteral("Memo2"), {646.29963, 0, 68.03154, 18.89765}, QStringLiteral("[Page#]"));
}

}  // namespace

DiaryReport CreateDiaryReport(QObject* owner)
{
    auto* dataSet = new TfrxUserDataSet(owner);
    dataSet->SetName(QStringLiteral("frxUserDataSet1"));
    dataSet->SetUserName(QStringLiteral("frxUserDataSet1"));
    dataSet->SetFields({QStringLiteral("Data1"), QStringLiteral("Data2")});

    auto* report = new TfrxReport(owner);
    ConfigureReport(*report, *dataSet);
    auto* data = Make<TfrxDataPage>(report, QStringLiteral("Data"));
    data->SetWidth(1000);
    data->SetHeight(1000);
    TfrxReportPage* page = MakePage1(*report);
    MakeMasterData(*page, *dataSet);
    MakePageHeader(*page);
    MakePageFooter(*page);
    return {report, dataSet};
}
