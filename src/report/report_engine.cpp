#include "report_engine.h"

#include "band_kinds.h"
#include "custom_memo_view.h"
#include "data_band.h"
#include "engine_band_tree.h"
#include "prepared_pages_sink.h"
#include "report.h"
#include "report_page.h"
#include "report_units.h"
#include "variant.h"

#include "platform/clock.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr double kEndlessFreeSpace = 1e6;

QList<TfrxReportPage*> ReportPages(const TfrxReport& report)
{
    QList<TfrxReportPage*> pages;
    for (int i = 0; i < report.PagesCount(); ++i)
        if (auto* page = qobject_cast<TfrxReportPage*>(report.Pages(i)))
            pages << page;
    return pages;
}

// The band's texts that leave out a value repeated from the row before.
QList<TfrxCustomMemoView*> SuppressingTexts(const TfrxBand& band)
{
    QList<TfrxCustomMemoView*> texts;
    for (TfrxComponent* object : band.AllObjects())
        if (auto* memo = qobject_cast<TfrxCustomMemoView*>(object); memo && memo->SuppressRepeated())
            texts << memo;
    return texts;
}

void ForgetRepeatedValues(const QList<TfrxCustomMemoView*>& texts)
{
    for (TfrxCustomMemoView* memo : texts)
        memo->ResetSuppressRepeated();
}

bool IsDataBand(const TfrxBand& band) { return qobject_cast<const TfrxDataBand*>(&band); }

// Rows and group headers do not ask for a new page on their first row.
bool OnFirstRow(const TfrxBand& band)
{
    return (IsDataBand(band) || qobject_cast<const TfrxGroupHeader*>(&band)) && band.FLineN == 1;
}

// The data bands and all their nested data bands.
QList<TfrxDataBand*> WithNestedBands(const QList<TfrxDataBand*>& bands)
{
    QList<TfrxDataBand*> all;
    for (TfrxDataBand* band : bands)
        all << band << WithNestedBands(band->FSubBands);
    return all;
}

}  // namespace

TfrxEngine::TfrxEngine(TfrxReport& report) : report_(report) {}

TfrxEngine::~TfrxEngine() = default;

TfrxPreparedPagesSink& TfrxEngine::Pages() const
{
    TfrxPreparedPagesSink* pages = report_.PreviewPages();
    if (!pages)
        throw Exception(QStringLiteral("The report has no prepared pages store"));
    return *pages;
}

bool TfrxEngine::Run()
{
    TfrxPreparedPagesSink& pages = Pages();
    prevFooterHeight_ = 0;
    const TDateTime now = Now();
    startDate_ = std::trunc(now);
    startTime_ = now - startDate_;
    running_ = true;
    report_.SetEngineValues(this);
    pages.Initialize();
    try {
        if (!PrepareBandTrees()) {
            Finalize();
            return false;
        }
        report_.Datasets().Initialize(&report_);
        for (const TfrxReportPage* page : ReportPages(report_))
            pages.AddSourcePage(*page);
        RunPasses();
    } catch (...) {
        Finalize();
        throw;
    }
    Finalize();
    return true;
}

void TfrxEngine::Finalize()
{
    report_.Datasets().Finalize();
    Pages().Finish();
    shiftTrees_.Clear();
    trees_.clear();
    report_.SetEngineValues(nullptr);
    running_ = false;
}

bool TfrxEngine::PrepareBandTrees()
{
    trees_.clear();
    QStringList errors;
    for (TfrxReportPage* page : ReportPages(report_)) {
        if (!page->Visible())
            continue;
        trees_ << PageTree{page, PrepareBandTree(*page, errors)};
        PrepareShiftTrees(*page);
    }
    if (errors.isEmpty())
        if (const QString conflict = DataSetConflict(); !conflict.isEmpty())
            errors << conflict;
    for (const QString& error : errors)
        report_.AddError(error);
    return errors.isEmpty();
}

// The first data source that serves two levels of the report, as an error text.
QString TfrxEngine::DataSetConflict() const
{
    const TfrxDataSet* reportRows = report_.DataSet();
    for (const PageTree& tree : trees_) {
        const TfrxDataSet* pageRows = tree.page->DataSet();
        if (reportRows && pageRows == reportRows)
            return QStringLiteral("Cannot use the same dataset for Report.DataSet and Page.DataSet");
        for (const TfrxDataBand* band : WithNestedBands(tree.topBands)) {
            const TfrxDataSet* bandRows = BandDataSet(*band);
            if (reportRows && bandRows == reportRows)
                return QStringLiteral("Cannot use the same dataset for Report.DataSet and Band.DataSet");
            if (pageRows && bandRows == pageRows)
                return QStringLiteral("Cannot use the same dataset for Page.DataSet and Band.DataSet");
        }
    }
    return QString();
}

void TfrxEngine::PrepareShiftTrees(TfrxReportPage& page)
{
    for (TfrxComponent* object : page.Objects())
        if (auto* band = qobject_cast<TfrxBand*>(object))
            shiftTrees_.PrepareShiftTree(*band);
}

// A two-pass build knows its page count in the final pass; the pages of its first pass only
// count and number the pages.
void TfrxEngine::RunPasses()
{
    TfrxPreparedPagesSink& pages = Pages();
    const bool doublePass = report_.EngineOptions()->DoublePass();
    finalPass_ = !doublePass;
    totalPages_ = 0;
    pages.SetFinalPass(finalPass_);
    pages.BeginPass();
    RunPass();
    if (!doublePass)
        return;
    totalPages_ = pages.Count();
    pages.ClearFirstPassPages();
    finalPass_ = true;
    pages.SetFinalPass(true);
    RunPass();
}

// A report with a data source of its own is built once per row of it.
void TfrxEngine::RunPass()
{
    auto buildPages = [this] {
        for (int i = 0; i < trees_.size() && !Terminated(); ++i)
            BuildPage(trees_[i], i == 0);
    };
    TfrxDataSet* rows = report_.DataSet();
    if (!rows) {
        buildPages();
        return;
    }
    for (rows->First(); !rows->Eof() && !Terminated(); rows->Next())
        buildPages();
}

void TfrxEngine::BuildPage(const PageTree& tree, bool firstReportPage)
{
    page_ = tree.page;
    isFirstBand_ = true;
    summaryShown_ = false;
    const auto outputOnce = [&] {
        const bool printIfEmpty = page_->PrintIfEmpty() && report_.EngineOptions()->PrintIfEmpty();
        if (!printIfEmpty && !AnyRows(tree.topBands))
            return;
        StartPage(firstReportPage);
        WalkBands(tree.topBands);
        isLastPage_ = true;
        UpdateEndlessPageSize();
        EndPage();
        isLastPage_ = false;
    };
    if (TfrxDataSet* rows = page_->DataSet()) {
        for (rows->First(); !rows->Eof() && !Terminated(); rows->Next())
            outputOnce();
        return;
    }
    for (int i = 0; i < page_->PageCount() && !Terminated(); ++i)
        outputOnce();
}

TfrxBand* TfrxEngine::PageBand(const QMetaObject& kind) const { return page_ ? page_->FindBand(kind) : nullptr; }

void TfrxEngine::StartPage(bool firstReportPage)
{
    headerList_.clear();
    TfrxBand* title = PageBand(TfrxReportTitle::staticMetaObject);
    TfrxBand* header = PageBand(TfrxPageHeader::staticMetaObject);
    for (TfrxBand* band : page_->TitleBeforeHeader() ? QList{title, header} : QList{header, title})
        if (band)
            headerList_ << band;
    pageHeight_ = page_->PrintableHeight();
    pageWidth_ = page_->PrintableWidth();
    curX_ = curY_ = 0;
    curColumn_ = 1;
    isFirstPage_ = true;
    isLastPage_ = false;
    if (page_->ResetPageNumbers())
        Pages().ResetLogicalPageNumber();
    AddPageWithHeaders();
    if (firstReportPage)
        Pages().SetFirstPage(Pages().CurPage());
    // The title is printed once.
    headerList_.removeAll(title);
}

void TfrxEngine::AddPageWithHeaders()
{
    prevFooterHeight_ = 0;
    Pages().AddPage(*page_);
    curY_ = 0;
    const double savedX = curX_;
    for (TfrxBand* band : QList(headerList_))
        if (band != startNewPageBand_ && band != lastBandOnPage_)
            ShowHeader(*band);
    curX_ = savedX;
}

void TfrxEngine::ShowHeader(TfrxBand& band)
{
    auto* pageHeader = qobject_cast<TfrxPageHeader*>(&band);
    if (pageHeader && isFirstPage_ && !pageHeader->PrintOnFirstPage()) {
        if (pageHeader->PrintChildIfInvisible())
            ShowBand(pageHeader->Child());
        return;
    }
    curLine_ = band.FLineN;
    curLineThrough_ = band.FLineThrough;
    callFromAddPage_ = true;
    callFromPHeader_ = pageHeader;
    ShowBand(&band);
    callFromAddPage_ = callFromPHeader_ = false;
}

bool TfrxEngine::AnyRows(const QList<TfrxDataBand*>& bands)
{
    for (TfrxDataBand* band : bands)
        if (HasRows(*band))
            return true;
    return false;
}

// Whether the band has a row that passes its filter and detail test.
bool TfrxEngine::HasRows(TfrxDataBand& band)
{
    TfrxDataSet* rows = BandDataSet(band);
    if (!rows)
        return false;
    for (rows->First(); !rows->Eof(); rows->Next())
        if (RowPasses(band))
            return true;
    return false;
}

bool TfrxEngine::RowPasses(TfrxDataBand& band)
{
    const QString filter = band.Filter().trimmed();
    if (!filter.isEmpty() && report_.Calc(filter) != QVariant(true))
        return false;
    return band.PrintIfDetailEmpty() || band.FSubBands.isEmpty() || AnyRows(band.FSubBands);
}

void TfrxEngine::WalkBands(const QList<TfrxDataBand*>& bands)
{
    ProcessMessages();
    for (TfrxDataBand* band : bands) {
        if (Terminated())
            return;
        if (BandDataSet(*band))
            WalkRows(*band);
        isFirstBand_ = false;
    }
}

void TfrxEngine::WalkRows(TfrxDataBand& band)
{
    TfrxDataSet& rows = *BandDataSet(band);
    rows.First();
    band.FLineN = band.FLineThrough = 1;
    ForgetRepeatedValues(SuppressingTexts(band));
    bool printed = false;
    while (!rows.Eof() && !Terminated()) {
        if (RowPasses(band)) {
            ShowRow(band, !printed);
            printed = true;
        }
        rows.Next();
        if (band.RowCount() > 0 && band.FLineN > band.RowCount())
            break;
    }
    if (!printed)
        return;
    if (!band.FooterAfterEach())
        ShowBand(band.FFooter);
    headerList_.removeAll(band.FHeader);
}

void TfrxEngine::ShowRow(TfrxDataBand& band, bool firstRow)
{
    if (firstRow && band.FHeader) {
        auto* header = qobject_cast<TfrxHeader*>(band.FHeader);
        if (header && header->ReprintOnNewPage())
            headerList_ << header;
        ShowBand(band.FHeader);
    }
    curLine_ = band.FLineN;
    curLineThrough_ = band.FLineThrough;
    ShowBand(&band);
    ++band.FLineN;
    ++band.FLineThrough;
    WalkBands(band.FSubBands);
    isFirstBand_ = false;
    if (band.FooterAfterEach())
        ShowBand(band.FFooter);
}

void TfrxEngine::ShowBand(TfrxBand* band)
{
    if (!band)
        return;
    PutOut(*band);
    TfrxChild* child = band->Child();
    // Children repeated up to a row count are left to the rows that follow.
    const bool repeated = child && (child->ToNRows() > 0 || child->ToNRowsMode() == rmTillPageEnds);
    if (child && !repeated && (band->Visible() || band->PrintChildIfInvisible())) {
        isFirstBand_ = false;
        ShowBand(child);
    }
}

void TfrxEngine::PutOut(TfrxBand& band)
{
    if (!callFromAddPage_ && band.Visible() && band.StartNewPage() && !OnFirstRow(band)) {
        startNewPageBand_ = &band;
        NewPage();
        startNewPageBand_ = nullptr;
    }
    Stretch(band);
    if (DoesNotFit(band)) {
        if (band.AllowSplit() || band.Height() > PageBodyHeight()) {
            // A band that came after others starts its parts on a fresh page.
            if (!band.AllowSplit() && band.FLineThrough > 1 && !band.StartNewPage()) {
                curBand_ = &band;
                NewColumn();
            }
            TfrxBandSplitter(band, *this).Split();
            UnStretch(band);
            return;
        }
        // A value left out as repeated is shown again at the top of the next page.
        if (const QList<TfrxCustomMemoView*> texts = SuppressingTexts(band); !texts.isEmpty()) {
            ForgetRepeatedValues(texts);
            UnStretch(band);
            Stretch(band);
        }
        if (!callFromPHeader_)
            NewColumn();
    }
    Place(band);
    UnStretch(band);
}

bool TfrxEngine::DoesNotFit(const TfrxBand& band)
{
    const auto* data = qobject_cast<const TfrxDataBand*>(&band);
    const bool columned = data && data->Columns() > 1;
    const bool exempt = columned || qobject_cast<const TfrxOverlay*>(&band) || qobject_cast<const TfrxNullBand*>(&band);
    return band.Visible() && !exempt && band.Height() > FreeSpace();
}

void TfrxEngine::Place(TfrxBand& band)
{
    band.SetLeft(curX_);
    band.SetTop(curY_);
    if (!callFromAddPage_ || !Pages().BandExists(band))
        Pages().AddObject(band);
    curY_ += band.Height();
}

void TfrxEngine::OutputBand(TfrxBand& band)
{
    Place(band);
    curBand_ = &band;
}

void TfrxEngine::Stretch(TfrxBand& band)
{
    curBand_ = &band;
    stretcher_.Stretch(band);
}

void TfrxEngine::UnStretch(TfrxBand& band) { stretcher_.UnStretch(band); }

void TfrxEngine::NewPage()
{
    lastBandOnPage_ = curBand_;
    EndPage();
    UpdateEndlessPageSize();
    AddPageWithHeaders();
    lastBandOnPage_ = nullptr;
}

// A page that grows with its content gets the paper its content needs.
void TfrxEngine::UpdateEndlessPageSize()
{
    if (page_->EndlessHeight())
        Pages().UpdatePageDimension(page_->PaperWidth(),
                                    (FooterHeight() + curY_) / fr01cm + page_->TopMargin() + page_->BottomMargin());
}

// Pages have one column here: the next column is the next page.
void TfrxEngine::NewColumn() { NewPage(); }

void TfrxEngine::EndPage()
{
    const bool nested = callFromEndPage_;
    callFromEndPage_ = true;
    if (!isLastPage_)
        curX_ = 0, curColumn_ = 1;
    if (isLastPage_ && !summaryShown_ && !nested) {
        summaryShown_ = true;
        ShowBand(PageBand(TfrxReportSummary::staticMetaObject));
    }
    ShowPageFooter();
    callFromEndPage_ = nested;
    isFirstPage_ = false;
}

void TfrxEngine::ShowPageFooter()
{
    auto* footer = qobject_cast<TfrxPageFooter*>(PageBand(TfrxPageFooter::staticMetaObject));
    if (!footer)
        return;
    curY_ = PageHeight() - footer->Height();
    prevFooterHeight_ = isLastPage_ && footer->PrintOnLastPage() ? footer->Height() : 0;
    Stretch(*footer);
    const bool skipped = (isFirstPage_ && !footer->PrintOnFirstPage()) || (isLastPage_ && !footer->PrintOnLastPage());
    if (footer->Visible() && !skipped) {
        footer->SetLeft(0);
        footer->SetTop(curY_);
        if (!Pages().BandExists(*footer))
            Pages().AddObject(*footer);
        curY_ += footer->Height();
    }
    UnStretch(*footer);
}

double TfrxEngine::FreeSpace()
{
    if (page_->EndlessHeight())
        return kEndlessFreeSpace;
    return PageHeight() - (prevFooterHeight_ != 0 ? prevFooterHeight_ : FooterHeight()) - curY_;
}

double TfrxEngine::FooterHeight() const
{
    double height = 0;
    for (const QMetaObject* kind : {&TfrxColumnFooter::staticMetaObject, &TfrxPageFooter::staticMetaObject})
        if (const TfrxBand* band = PageBand(*kind))
            height += band->Height();
    return height;
}

double TfrxEngine::HeaderHeight() const
{
    double height = 0;
    for (const QMetaObject* kind : {&TfrxColumnHeader::staticMetaObject, &TfrxPageHeader::staticMetaObject})
        for (const TfrxBand* band = PageBand(*kind); band; band = band->Child())
            height += band->Height();
    return height;
}

double TfrxEngine::PageHeight() const
{
    return page_ && page_->EndlessHeight() ? FooterHeight() + curY_ : pageHeight_;
}

void TfrxEngine::StopReport() { report_.SetTerminated(true); }

bool TfrxEngine::Terminated() { return report_.Terminated(); }

void TfrxEngine::ProcessMessages()
{
    if (!report_.EngineOptions()->EnableThreadSafe())
        QCoreApplication::processEvents();
}

int TfrxEngine::LogicalPageNo() const { return Pages().GetLogicalPageNo(); }

int TfrxEngine::PhysicalPageNo() const { return Pages().CurPage() + 1; }

int TfrxEngine::LogicalTotalPages() const { return Pages().GetLogicalTotalPages(); }
