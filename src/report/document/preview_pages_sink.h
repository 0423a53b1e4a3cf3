#pragma once

#include "preview_pages.h"

#include "report/model/prepared_pages_sink.h"

// The report's prepared pages: a store owned by the report, which the engine fills through the
// sink and the preview, printing and files read directly.
class TfrxPreviewPagesSink : public TfrxPreparedPagesSink {
public:
    explicit TfrxPreviewPagesSink(TfrxReport& report);

    TfrxPreviewPages& Store() { return pages_; }

    void Clear() override { pages_.Clear(); }
    void Initialize() override;
    void Finish() override { pages_.Finish(); }
    void BeginPass() override;
    void SetFinalPass(bool value) override { pages_.FinalPass = value; }
    void ClearFirstPassPages() override;
    void AddSourcePage(const TfrxReportPage& page) override { pages_.AddSourcePage(page); }
    void AddPage(const TfrxReportPage& page) override { pages_.AddPage(page); }
    void AddObject(const TfrxComponent& object) override { pages_.AddObject(object); }
    bool BandExists(const TfrxComponent& band) const override { return pages_.BandExists(band); }
    void UpdatePageDimension(double width, double height) override { pages_.UpdatePageDimension(width, height); }
    int Count() const override { return pages_.Count(); }
    int CurPage() const override { return pages_.CurPage(); }
    void SetFirstPage(int index) override { pages_.FirstPage = index; }
    void ResetLogicalPageNumber() override { pages_.ResetLogicalPageNumber(); }
    int GetLogicalPageNo() const override { return pages_.GetLogicalPageNo(); }
    int GetLogicalTotalPages() const override { return pages_.GetLogicalTotalPages(); }

private:
    TfrxPreviewPages pages_;
    int passStart_ = 0;
};

// Gives the report its prepared pages store (replacing any it had) and, unless it has one, its
// building engine; returns the store.
TfrxPreviewPages& InstallPreviewPages(TfrxReport& report);
// The store installed in the report, or none.
TfrxPreviewPages* ReportPreviewPages(const TfrxReport& report);
