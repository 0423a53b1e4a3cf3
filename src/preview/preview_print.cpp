// The viewer's printing and page settings.
#include "preview.h"

#include "locked_viewer.h"
#include "page_settings_form.h"
#include "print_windows.h"

#include "report/document/preview_pages.h"
#include "report/model/report.h"
#include "report/model/report_page.h"

namespace {

void CopyPaperSettings(const TfrxReportPage& from, TfrxReportPage& to)
{
    to.SetOrientation(from.Orientation());
    to.SetPaperWidth(from.PaperWidth());
    to.SetPaperHeight(from.PaperHeight());
    to.SetPaperSize(from.PaperSize());
    to.SetLeftMargin(from.LeftMargin());
    to.SetTopMargin(from.TopMargin());
    to.SetRightMargin(from.RightMargin());
    to.SetBottomMargin(from.BottomMargin());
}

}  // namespace

void TfrxPreview::Print()
{
    if (running_ || !pages_ || !report_)
        return;
    TfrxPrintWindows windows(pageNo_);
    LockedViewer locked(*this);
    pages_->Print();
}

void TfrxPreview::PageSetupDlg()
{
    if (running_ || !pages_ || !report_ || pageNo_ < 1)
        return;
    // Held for the dialog's whole life: the viewer repaints other pages while it is open.
    const std::shared_ptr<TfrxReportPage> page = pages_->EditPage(pageNo_ - 1);
    if (!page)
        return;
    TfrxPageSettingsForm form(*page, report_->IniFile(), window());
    if (form.exec() != QDialog::Accepted)
        return;
    if (!form.ApplyToAll()) {
        LockedViewer locked(*this);
        pages_->ModifyPage(pageNo_ - 1, *page);
        return;
    }
    for (int i = 0; i < report_->PagesCount(); ++i)
        if (auto* templatePage = qobject_cast<TfrxReportPage*>(report_->Pages(i)))
            CopyPaperSettings(*page, *templatePage);
    RefreshReport();
}
