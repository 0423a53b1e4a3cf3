#include "preview.h"

#include "preview_workspace.h"
#include "zoom_rules.h"

#include "report/document/preview_pages.h"
#include "report/model/preview_options.h"
#include "report/model/report.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>

namespace {

constexpr int kSplitterWidth = 4;
constexpr QSize kMessageSize(260, 75);

}  // namespace

TfrxPreview::TfrxPreview(QWidget* parent) : QWidget(parent)
{
    CreatePanels();
}

TfrxPreview::~TfrxPreview() = default;

void TfrxPreview::CreatePanels()
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setHandleWidth(kSplitterWidth);
    splitter_->setChildrenCollapsible(false);
    layout->addWidget(splitter_);

    outline_ = new QTreeWidget(splitter_);
    outline_->setHeaderHidden(true);
    outline_->setFrameShape(QFrame::NoFrame);
    outline_->hide();
    thumbnail_ = new TfrxPreviewWorkspace(TfrxPreviewWorkspace::Kind::Thumbnails, splitter_);
    thumbnail_->hide();
    workspace_ = new TfrxPreviewWorkspace(TfrxPreviewWorkspace::Kind::Pages, splitter_);
    splitter_->setStretchFactor(2, 1);
    setFocusProxy(workspace_);
    CreateOutlineMenu();
    CreateMessagePanel();

    WireWorkspace(*workspace_);
    WireWorkspace(*thumbnail_);
    workspace_->OnVerticalScroll = [this] { PageAreaScrolled(); };
    workspace_->OnResize = [this] { UpdatePages(); };
    workspace_->OnPageClicked = [this](int index) { ChangePage(index + 1, false, true); };
    thumbnail_->OnPageClicked = [this](int index) { ChangePage(index + 1, true, false); };
    workspace_->OnPaintPage = [this](QPainter& painter, int index, const QRect& rect) {
        PaintSelection(painter, index, rect);
        PaintFoundText(painter, index, rect);
    };
    workspace_->OnLeftPress = [this](QPoint point, Qt::KeyboardModifiers modifiers) { SelectionPress(point, modifiers); };
    workspace_->OnSelectRect = [this](const QRect& rect) { SelectRect(rect); };
    workspace_->OnDoubleClick = [this] {
        if (OnDblClick)
            OnDblClick(this);
    };
}

void TfrxPreview::WireWorkspace(TfrxPreviewWorkspace& area)
{
    area.OnWheel = [this](int delta, Qt::KeyboardModifiers modifiers, bool horizontal) {
        MouseWheelScroll(delta, modifiers, horizontal);
    };
    area.OnKey = [this](QKeyEvent* event) { return HandleKey(event); };
}

bool TfrxPreview::Init(TfrxReport* report, TfrxPreviewPages* pages)
{
    if (rebinding_)
        return false;
    rebinding_ = true;
    if (report_)
        disconnect(report_, &QObject::destroyed, this, nullptr);
    report_ = report;
    // The store goes with its report.
    if (report)
        connect(report, &QObject::destroyed, this, [this] { Unbind(); });
    pages_ = pages;
    workspace_->SetPreviewPages(pages);
    thumbnail_->SetPreviewPages(pages);
    if (!initialized_) {
        initialized_ = true;
        ApplyOptions();
    }
    FSelectionList.clear();
    workspace_->SelectionEnabled = SelectionAllowed();
    FindTextClear();
    UpdatePages();
    RebuildOutline();
    rebinding_ = false;
    SetPageNo(1);
    return true;
}

void TfrxPreview::Unbind()
{
    report_ = nullptr;
    pages_ = nullptr;
    workspace_->SetPreviewPages(nullptr);
    thumbnail_->SetPreviewPages(nullptr);
    ClearDisplay();
}

void TfrxPreview::ApplyOptions()
{
    if (!report_)
        return;
    const TfrxPreviewOptions& options = *report_->PreviewOptions();
    if (options.ZoomMode() != zmDefault)
        zoomMode_ = options.ZoomMode();
    else
        zoom_ = ClampedZoom(options.Zoom());
    outlineWidth_ = options.OutlineWidth();
    SetOutlineVisible(options.OutlineVisible());
    SetThumbnailVisible(options.ThumbnailVisible());
}

TfrxPreviewButtons TfrxPreview::Buttons() const
{
    return report_ ? report_->PreviewOptions()->Buttons() : TfrxPreviewButtons::fromInt(kDefaultPreviewButtons);
}

int TfrxPreview::PageCount() const
{
    return pages_ ? pages_->Count() : 0;
}

void TfrxPreview::SetZoom(double value)
{
    zoom_ = ClampedZoom(value);
    zoomMode_ = zmDefault;
    UpdatePages();
}

void TfrxPreview::SetZoomMode(TfrxZoomMode value)
{
    zoomMode_ = value;
    UpdatePages();
}

void TfrxPreview::UpdatePages()
{
    if (locked_)
        return;
    const int count = PageCount();
    // A store that has become empty (a file without pages was opened) leaves no page on show.
    if (count == 0) {
        EmptyPageLists();
        return;
    }
    allowF3_ = false;
    recordedPage_ = -1;
    const QSize pageSize = pages_->GetPageSize(std::max(0, pageNo_ - 1));
    if (pageSize.height() == 0)
        return;
    const TfrxZoomInput input{zoomMode_, zoom_, pageSize, workspace_->size(),
                              workspace_->style()->pixelMetric(QStyle::PM_ScrollBarExtent), count};
    zoom_ = EffectiveZoom(input);
    workspace_->SetZoom(zoom_);
    FillPageList(*workspace_, count);
    if (!running_)
        FillPageList(*thumbnail_, count);
    if (zoomMode_ == zmWholePage)
        ScrollAreaToPage(*workspace_, pageNo_ - 1);
    if (OnZoomChanged)
        OnZoomChanged(this);
}

void TfrxPreview::FillPageList(TfrxPreviewWorkspace& area, int count)
{
    area.ClearPageList();
    for (int i = 0; i < count; ++i)
        area.AppendPage(pages_->GetPageSize(i));
    area.CalcPages();
}

void TfrxPreview::EmptyPageLists()
{
    FillPageList(*workspace_, 0);
    FillPageList(*thumbnail_, 0);
}

void TfrxPreview::SetPageNo(int value)
{
    ChangePage(value, true, true);
}

void TfrxPreview::ChangePage(int value, bool scrollPageArea, bool scrollThumbnails)
{
    value = std::min(std::max(value, 1), PageCount());
    if (value != pageNo_) {
        pageNo_ = value;
        workspace_->SetActivePage(value - 1);
        thumbnail_->SetActivePage(value - 1);
    }
    if (scrollPageArea)
        ScrollAreaToPage(*workspace_, value - 1);
    if (scrollThumbnails)
        ScrollAreaToPage(*thumbnail_, value - 1);
    FirePageChanged();
}

void TfrxPreview::ScrollAreaToPage(TfrxPreviewWorkspace& area, int index)
{
    scrollingToPage_ = true;
    area.ScrollToPage(index);
    scrollingToPage_ = false;
}

void TfrxPreview::FirePageChanged()
{
    if (OnPageChanged)
        OnPageChanged(this, pageNo_);
}

void TfrxPreview::PageAreaScrolled()
{
    if (scrollingToPage_)
        return;
    const int top = workspace_->PageAtTop();
    if (top >= 0)
        ChangePage(top + 1, false, true);
}

void TfrxPreview::SetPosition(int page, int top)
{
    const int count = PageCount();
    if (count == 0)
        return;
    page = std::min(std::max(page, 1), count);
    const QRect rect = PageRect(workspace_->PageList(), page - 1, workspace_->Geometry());
    workspace_->SetPosition({workspace_->Position().x(), rect.top() + top - kPageGap});
}

void TfrxPreview::Clear()
{
    if (running_ || !pages_)
        return;
    pages_->Clear();
    ClearDisplay();
}

void TfrxPreview::ClearDisplay()
{
    FSelectionList.clear();
    EmptyPageLists();
    SetPageNo(1);
}

void TfrxPreview::Cancel()
{
    if (running_ && report_)
        report_->SetTerminated(true);
}

void TfrxPreview::Lock()
{
    locked_ = true;
    workspace_->Lock();
    thumbnail_->Lock();
}

void TfrxPreview::CreateMessagePanel()
{
    FMessagePanel = new QFrame(this);
    static_cast<QFrame*>(FMessagePanel)->setFrameShape(QFrame::Panel);
    FMessagePanel->setAutoFillBackground(true);
    FMessagePanel->resize(kMessageSize);
    auto* layout = new QVBoxLayout(FMessagePanel);
    messageLabel_ = new QLabel(FMessagePanel);
    messageLabel_->setAlignment(Qt::AlignCenter);
    layout->addWidget(messageLabel_);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), FMessagePanel);
    cancel->hide();
    connect(cancel, &QPushButton::clicked, this, [this] { Cancel(); });
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    FMessagePanel->hide();
}

void TfrxPreview::ShowMessage(const QString& text)
{
    messageLabel_->setText(text);
    FMessagePanel->move((width() - kMessageSize.width()) / 2, height() / 3);
    FMessagePanel->show();
    FMessagePanel->raise();
    FMessagePanel->repaint();
}

void TfrxPreview::Unlock()
{
    FMessagePanel->hide();
    locked_ = false;
    workspace_->Unlock();
    thumbnail_->Unlock();
    UpdatePages();
}
