#include "preview_workspace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Room left beside the rows besides the vertical scroll bar.
constexpr int kRowMargin = 26;

}  // namespace

TfrxPreviewWorkspace::TfrxPreviewWorkspace(Kind kind, QWidget* parent)
    : QAbstractScrollArea(parent), kind_(kind), zoom_(kind == Kind::Thumbnails ? 0.1 : 1)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::OpenHandCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(kSmallChange);
        bar->setPageStep(kLargeChange);
    }
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (OnVerticalScroll)
            OnVerticalScroll();
    });
}

void TfrxPreviewWorkspace::ClearPageList()
{
    pageList_.clear();
    maxWidth_ = 0;
}

void TfrxPreviewWorkspace::AppendPage(QSize sizeAtZoom1)
{
    const QSize size = ZoomedPageSize(sizeAtZoom1, zoom_);
    pageList_.push_back({size.width(), size.height(), 0, 0});
}

int TfrxPreviewWorkspace::AvailableWidth() const
{
    return width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - kRowMargin;
}

void TfrxPreviewWorkspace::CalcPages()
{
    maxWidth_ = CalcBounds(pageList_, AvailableWidth());
    ApplyScrollRanges();
    viewport()->update();
}

void TfrxPreviewWorkspace::ApplyScrollRanges()
{
    const QSize contents = pageList_.empty() ? QSize(0, 0) : ContentsSize(pageList_, maxWidth_);
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, contents.width() - visible.width()));
    verticalScrollBar()->setRange(0, std::max(0, contents.height() - visible.height()));
}

TfrxPageGeometry TfrxPreviewWorkspace::Geometry() const
{
    return {zoom_, viewport()->width(), rtl_};
}

QRect TfrxPreviewWorkspace::PageRectInView(int index) const
{
    return PageRect(pageList_, index, Geometry()).translated(-Position());
}

int TfrxPreviewWorkspace::PageAtTop() const
{
    return PageAtOffset(pageList_, Position().y());
}

int TfrxPreviewWorkspace::PageAt(QPoint viewPoint) const
{
    return PageAtPoint(pageList_, viewPoint + Position(), Geometry());
}

QPoint TfrxPreviewWorkspace::Position() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void TfrxPreviewWorkspace::SetPosition(QPoint position)
{
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

void TfrxPreviewWorkspace::ScrollToPage(int index)
{
    if (index < 0 || index >= int(pageList_.size()))
        return;
    verticalScrollBar()->setValue(pageList_[size_t(index)].OffsetY - kPageGap);
}

void TfrxPreviewWorkspace::SetActivePage(int index)
{
    if (index == activePage_)
        return;
    activePage_ = index;
    viewport()->update();
}

void TfrxPreviewWorkspace::Lock()
{
    lockedImage_ = viewport()->grab();
    locked_ = true;
}

void TfrxPreviewWorkspace::Unlock()
{
    locked_ = false;
    lockedImage_ = QPixmap();
    viewport()->update();
}

void TfrxPreviewWorkspace::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ApplyScrollRanges();
    if (OnResize)
        OnResize();
}

void TfrxPreviewWorkspace::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TfrxPreviewWorkspace::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    if (event->button() != Qt::LeftButton)
        return;
    down_ = true;
    lastPoint_ = event->position().toPoint();
    if (IsThumbnail())
        return;
    if (OnLeftPress)
        OnLeftPress(lastPoint_, event->modifiers());
    selecting_ = event->modifiers() & Qt::ShiftModifier;
    selectStart_ = lastPoint_;
    selectRect_ = QRect();
}

void TfrxPreviewWorkspace::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (down_ && selecting_) {
        selectRect_ = QRect(selectStart_, point).normalized();
        viewport()->update();
    } else if (down_ && !IsThumbnail()) {
        // Dragging pans the pages, opposite to the mouse.
        SetPosition(Position() - (point - lastPoint_));
    }
    lastPoint_ = point;
}

void TfrxPreviewWorkspace::mouseReleaseEvent(QMouseEvent* event)
{
    down_ = false;
    if (selecting_ && !selectRect_.isEmpty() && OnSelectRect)
        OnSelectRect(selectRect_);
    selecting_ = false;
    selectRect_ = QRect();
    viewport()->update();
    const int page = PageAt(event->position().toPoint());
    if (page >= 0 && OnPageClicked)
        OnPageClicked(page);
}

void TfrxPreviewWorkspace::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (OnDoubleClick)
        OnDoubleClick();
}

void TfrxPreviewWorkspace::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    const bool horizontal = angle.y() == 0 && angle.x() != 0;
    if (OnWheel)
        OnWheel(horizontal ? angle.x() : angle.y(), event->modifiers(), horizontal);
    event->accept();
}

void TfrxPreviewWorkspace::keyPressEvent(QKeyEvent* event)
{
    if (OnKey && OnKey(event))
        return;
    QAbstractScrollArea::keyPressEvent(event);
}
