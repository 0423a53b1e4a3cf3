#include "preview_window.h"

#include "preview.h"
#include "preview_form.h"

#include "report/document/preview_pages_sink.h"
#include "report/model/report.h"

#include <memory>

void TfrxPreviewWindowBinding::ShowPreparedReport(TfrxReport& report)
{
    auto form = std::make_unique<TfrxPreviewForm>();
    form->Init(report);
    form_ = form.get();
    if (OnShow)
        OnShow(*form);
    if (AlwaysModal || report.PreviewOptions()->Modal()) {
        form->exec();
        form_ = nullptr;
        return;
    }
    // Shown on its own: the window frees itself once closed.
    form->setAttribute(Qt::WA_DeleteOnClose);
    form.release()->show();
}

bool TfrxPreviewWindowBinding::PreviewOpen() const { return !form_.isNull(); }

TfrxPreviewForm* TfrxPreviewWindowBinding::Form() const { return form_.data(); }

void TfrxPreviewWindowBinding::ClosePreview()
{
    if (form_)
        form_->ForceClose();
}

void TfrxPreviewWindowBinding::BuildStarted()
{
    if (form_)
        form_->Viewer().InternalOnProgressStart();
}

void TfrxPreviewWindowBinding::PageAdded(int pageIndex)
{
    if (form_)
        form_->Viewer().InternalOnProgress(pageIndex);
}

void TfrxPreviewWindowBinding::BuildStopped()
{
    if (form_)
        form_->Viewer().InternalOnProgressStop();
}

void ShowPreviewModal(TfrxReport& report)
{
    if (!ReportPreviewPages(report))
        InstallPreviewPages(report);
    TfrxPreviewWindowBinding binding;
    binding.AlwaysModal = true;
    TfrxPreviewBinding* previous = report.Preview();
    report.SetPreview(&binding);
    report.ShowReport();
    report.SetPreview(previous);
}
