#pragma once

class TfrxReport;

// The preview window as the report sees it. The preview layer implements it and binds itself to
// the report; building tells it about the pages as they come.
class TfrxPreviewBinding {
public:
    virtual ~TfrxPreviewBinding() = default;

    // Opens the preview on the report's prepared pages (modally for the diary: it returns when
    // the window is closed, and the build runs inside its message loop).
    virtual void ShowPreparedReport(TfrxReport& report) = 0;
    // Whether the window it opened is still open.
    virtual bool PreviewOpen() const { return true; }
    // A build failed before making pages.
    virtual void ClosePreview() = 0;
    // A build starts, has added the page with this index, has ended.
    virtual void BuildStarted() {}
    virtual void PageAdded(int pageIndex) { (void)pageIndex; }
    virtual void BuildStopped() {}
};
