#include "preview_pages_sink.h"

#include "report/engine/report_engine.h"
#include "report/model/report.h"

TfrxPreviewPagesSink::TfrxPreviewPagesSink(TfrxReport& report) : pages_(&report)
{
    // The store's progress notices are the report's running progress.
    pages_.OnProgressStart = [&report] { report.InternalOnProgressStart(ptRunning); };
    pages_.OnProgress = [&report](int page) { report.InternalOnProgress(ptRunning, page); };
    pages_.OnProgressStop = [&report] { report.InternalOnProgressStop(ptRunning); };
}

void TfrxPreviewPagesSink::Initialize()
{
    pages_.FinalPass = true;
    pages_.LogicalNumbersFixed = false;
    pages_.Initialize();
}

void TfrxPreviewPagesSink::BeginPass()
{
    passStart_ = pages_.Count();
    pages_.BeginPass();
}

void TfrxPreviewPagesSink::ClearFirstPassPages()
{
    // Closing the first pass's numbering run gives its pages their total.
    pages_.SetCurPage(pages_.Count() - 1);
    pages_.ResetLogicalPageNumber();
    pages_.LogicalNumbersFixed = true;
    TfrxXMLItem& pageItems = pages_.Section(QStringLiteral("previewpages"));
    while (pageItems.Count() > passStart_)
        pageItems.TakeItem(pageItems.Count() - 1);
    pages_.SetCurPage(passStart_ - 1);
}

TfrxPreviewPages& InstallPreviewPages(TfrxReport& report)
{
    InstallReportEngine(report);
    auto sink = std::make_unique<TfrxPreviewPagesSink>(report);
    TfrxPreviewPages& store = sink->Store();
    report.SetPreviewPages(std::move(sink));
    return store;
}

TfrxPreviewPages* ReportPreviewPages(const TfrxReport& report)
{
    auto* sink = dynamic_cast<TfrxPreviewPagesSink*>(report.PreviewPages());
    return sink ? &sink->Store() : nullptr;
}
