// Showing pages while the engine adds them.
#include "preview.h"

#include "preview_workspace.h"

#include "report/document/preview_pages.h"
#include "report/model/report.h"

#include <QCoreApplication>

namespace {

// Only the first pages are laid out as they come; the rest when the build ends.
constexpr int kPagesLaidOutWhileBuilding = 50;

// How often the page count is reported, from how long the second page took.
int ReportingStep(qint64 secondPageMs)
{
    if (secondPageMs <= 4)
        return 50;
    return secondPageMs > 9 ? 5 : 20;
}

}  // namespace

void TfrxPreview::InternalOnProgressStart()
{
    if (refreshing_)
        return;
    // The store is being refilled by the build itself; only what shows it goes.
    ClearDisplay();
    running_ = true;
    if (OnBuildStarted)
        OnBuildStarted(this);
}

void TfrxPreview::InternalOnProgress(int pageIndex)
{
    if (refreshing_) {
        FirePageChanged();
        return;
    }
    const bool finalPass = pages_ && pages_->FinalPass;
    if (finalPass && pageIndex < kPagesLaidOutWhileBuilding) {
        workspace_->AppendPage(pages_->GetPageSize(pageIndex));
        workspace_->CalcPages();
    }
    if (pageIndex == 0) {
        firstPageTime_.start();
        SetPageNo(1);
        if (finalPass)
            UpdatePages();
        if (OnFirstPage)
            OnFirstPage(this);
    } else if (pageIndex == 1) {
        reportingStep_ = ReportingStep(firstPageTime_.elapsed());
        SetPageNo(1);
        if (finalPass)
            UpdatePages();
    } else if (pageIndex % reportingStep_ == 0) {
        FirePageChanged();
    }
    if (OnPageAdded)
        OnPageAdded(this, pageIndex);
    QCoreApplication::processEvents();
}

void TfrxPreview::InternalOnProgressStop()
{
    if (refreshing_)
        return;
    running_ = false;
    FirePageChanged();
    UpdatePages();
    RebuildOutline();
    if (OnBuildStopped)
        OnBuildStopped(this);
}

void TfrxPreview::RefreshReport()
{
    if (running_ || !report_)
        return;
    const QPoint position = workspace_->Position();
    const int page = pageNo_;
    const double zoom = zoom_;
    Lock();
    refreshing_ = true;
    report_->PrepareReport(true);
    refreshing_ = false;
    zoom_ = zoom;
    locked_ = false;
    thumbnail_->Unlock();
    FSelectionList.clear();
    UpdatePages();
    ChangePage(std::min(page, PageCount()), false, true);
    RebuildOutline();
    workspace_->Unlock();
    workspace_->SetPosition({position.x(), workspace_->Position().y()});
    workspace_->SetPosition(position);
}
