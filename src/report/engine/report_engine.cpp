#include "report_engine.h"

#include "engine_band_tree.h"

#include "report/base/report_texts.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/prepared_pages_sink.h"
#include "report/model/report.h"
#include "report/model/report_page.h"

#include "platform/clock.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QList<TfrxReportPage*> ReportPages(const TfrxReport& report)
{
    QList<TfrxReportPage*> pages;
    for (int i = 0; i < report.PagesCount(); ++i)
        if (auto* page = qobject_cast<TfrxReportPage*>(report.Pages(i)))
            pages << page;
    return pages;
}

// The objects placed directly on the page, outside its bands, in a null band of the printable
// area; none when there are none.
std::unique_ptr<TfrxNullBand> NullBandOf(const TfrxReportPage& page)
{
    QList<TfrxComponent*> loose;
    for (TfrxComponent* object : page.Objects())
        if (!qobject_cast<TfrxBand*>(object))
            loose << object;
    if (loose.isEmpty())
        return nullptr;
    auto band = std::make_unique<TfrxNullBand>();
    band->Carry(loose);
    return band;
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

void InstallReportEngine(TfrxReport& report)
{
    if (!dynamic_cast<TfrxEngine*>(&report.Engine()))
        report.SetEngine(std::make_unique<TfrxEngine>(report));
}

TfrxPreparedPagesSink& TfrxEngine::Pages() const
{
    TfrxPreparedPagesSink* pages = report_.PreviewPages();
    if (!pages)
        throw Exception(kNoPreparedPagesText);
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
        QList<TfrxDataBand*> topBands = PrepareBandTree(*page, errors);
        trees_.push_back({page, std::move(topBands), NullBandOf(*page)});
        PrepareShiftTrees(*page);
    }
    // Checked also when the band trees are wrong: the first conflict is told with their errors.
    if (const QString conflict = DataSetConflict(); !conflict.isEmpty())
        errors << conflict;
    for (const QString& error : errors)
        report_.AddError(error);
    return report_.Errors().isEmpty();
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
        for (size_t i = 0; i < trees_.size() && !Terminated(); ++i)
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
        ShowNullBand(tree.nullBand.get());
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
