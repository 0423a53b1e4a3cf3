#include "preview_pages_sink.h"

#include "report/report.h"

TfrxPreviewPagesSink::TfrxPreviewPagesSink(TfrxReport& report) : pages_(&report)
{
    // The store's progress notices are the report's running progress.
    pages_.OnProgressStart = [&report] { report.InternalOnProgressStart(ptRunning); };
    pages_.OnProgress = [&report](int page) { report.InternalOnProgress(ptRunning, page); };
    pages_.OnProgressStop = [&report] { report.InternalOnProgressStop(ptRunning); };
}

TfrxPreviewPages& InstallPreviewPages(TfrxReport& report)
{
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
