// The viewer's prepared report files (printing is in preview_print.cpp).
#include "preview.h"

#include "locked_viewer.h"
#include "preview_workspace.h"
#include "resources.h"

#include "report/document/io_transport.h"
#include "report/document/preview_pages.h"

#include "platform/dialogs.h"

#include <optional>

namespace {

const QString kExtension = QStringLiteral(".fp3");

QString PreparedReportFilter()
{
    return frxResources().Get(QStringLiteral("clFP3files")) + QStringLiteral(" (*.fp3)|*.fp3");
}

}  // namespace

void TfrxPreview::SaveToFile()
{
    if (running_ || !pages_)
        return;
    TfrxIOTransportFileDialog transport;
    transport.FilterString = PreparedReportFilter();
    transport.DefaultExt = kExtension;
    std::optional<LockedViewer> locked;
    transport.OnOpened = [&] { locked.emplace(*this, frxResources().Get(QStringLiteral("clSavingFile"))); };
    pages_->SaveToFilter(transport);
    locked.reset();
    workspace_->repaint();
}

void TfrxPreview::SaveToFile(const QString& fileName)
{
    if (running_ || !pages_)
        return;
    const LockedViewer locked(*this, frxResources().Get(QStringLiteral("clSavingFile")));
    pages_->SaveToFile(fileName);
}

void TfrxPreview::LoadFromFile()
{
    if (running_ || !pages_)
        return;
    FileDialogRequest request;
    request.filter = PreparedReportFilter();
    const std::optional<QString> fileName = Dialogs().OpenFileName(request);
    if (!fileName)
        return;
    workspace_->repaint();
    LoadFromFile(*fileName);
}

// The store reads the whole file before it lets go of its pages, so a damaged file leaves
// everything on show as it was.
void TfrxPreview::LoadFromFile(const QString& fileName)
{
    if (running_ || !pages_)
        return;
    {
        const LockedViewer locked(*this, frxResources().Get(QStringLiteral("clLoadingFile")));
        if (pages_->LoadFromFile(fileName)) {
            FSelectionList.clear();
            FindTextClear();
            RebuildOutline();
        }
    }
    SetPageNo(1);
}
