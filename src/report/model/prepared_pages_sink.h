#pragma once

class TfrxComponent;
class TfrxReportPage;

// What the building engine asks of the prepared pages store. The store itself lives in a library
// above this one, which plugs an adapter into the report.
class TfrxPreparedPagesSink {
public:
    virtual ~TfrxPreparedPagesSink() = default;

    // Empties the store: pages, template copies and everything derived from them.
    virtual void Clear() = 0;
    // A build starts (progress start) and ends (progress stop).
    virtual void Initialize() = 0;
    virtual void Finish() = 0;
    // A pass starts: logical page numbering restarts.
    virtual void BeginPass() = 0;
    // Off during the first pass of a two-pass build.
    virtual void SetFinalPass(bool value) = 0;
    // Before the final pass of a two-pass build: the first pass's pages go, its logical page
    // numbers (with their totals) stay for the final pass to show.
    virtual void ClearFirstPassPages() = 0;
    // Copies a template page with its objects, once per build.
    virtual void AddSourcePage(const TfrxReportPage& page) = 0;
    // Moves on to a new page for the template page (progress for each appended page).
    virtual void AddPage(const TfrxReportPage& page) = 0;
    // Appends a placed object and its objects to the current page.
    virtual void AddObject(const TfrxComponent& object) = 0;
    // Whether the current page holds the band already.
    virtual bool BandExists(const TfrxComponent& band) const = 0;
    // The current page's paper in millimetres, for pages that grow with their content.
    virtual void UpdatePageDimension(double paperWidth, double paperHeight) = 0;

    virtual int Count() const = 0;
    // The page being written; -1 while the store is empty.
    virtual int CurPage() const = 0;
    // The first page of the report page being built.
    virtual void SetFirstPage(int index) = 0;
    virtual void ResetLogicalPageNumber() = 0;
    virtual int GetLogicalPageNo() const = 0;
    virtual int GetLogicalTotalPages() const = 0;
};
