#pragma once

#include "page_layout.h"

#include "platform/colors.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <functional>

class TfrxPreviewPages;

// A scrolling area that shows prepared pages laid out in rows on a grey background. The viewer
// uses one for the pages and one, at a tenth of the size, for the thumbnails.
class TfrxPreviewWorkspace : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class Kind { Pages, Thumbnails };
    explicit TfrxPreviewWorkspace(Kind kind, QWidget* parent = nullptr);

    TColor BackColor = 0x808080;
    TColor FrameColor = 0x606060;
    TColor ActiveFrameColor = 0x3CC7FF;
    static constexpr int kSmallChange = 8;
    static constexpr int kLargeChange = 300;

    bool IsThumbnail() const { return kind_ == Kind::Thumbnails; }
    void SetPreviewPages(TfrxPreviewPages* pages) { pages_ = pages; }
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom) { zoom_ = zoom; }
    void SetRTL(bool value) { rtl_ = value; }

    // The page list, refilled from the store's page sizes at the area's zoom.
    const TfrxPageList& PageList() const { return pageList_; }
    void ClearPageList();
    void AppendPage(QSize sizeAtZoom1);
    // Lays the pages out in the area's width and sets the scroll ranges.
    void CalcPages();
    // The width rows may take.
    int AvailableWidth() const;

    // Geometry in the area's own pixels (scrolled), shared by painting and the mouse.
    TfrxPageGeometry Geometry() const;
    QRect PageRectInView(int index) const;
    int PageAtTop() const;
    int PageAt(QPoint viewPoint) const;

    QPoint Position() const;
    // Clamped to the scroll ranges.
    void SetPosition(QPoint position);
    // Scrolls the page's top just below the top edge.
    void ScrollToPage(int index);

    // The page with the highlighted frame (0-based).
    void SetActivePage(int index);

    // Drawing frozen on a picture of the area.
    void Lock();
    void Unlock();

    // Shift + drag draws a selection rectangle when selecting is allowed.
    bool SelectionEnabled = false;

    std::function<void()> OnVerticalScroll;
    std::function<void(QPoint viewPoint, Qt::KeyboardModifiers modifiers)> OnLeftPress;
    std::function<void(const QRect& viewRect)> OnSelectRect;
    std::function<void(int pageIndex)> OnPageClicked;
    std::function<void()> OnDoubleClick;
    std::function<void(int delta, Qt::KeyboardModifiers modifiers, bool horizontal)> OnWheel;
    std::function<bool(QKeyEvent*)> OnKey;
    std::function<void()> OnResize;
    // Paints over a page once it is drawn (search highlight), in the area's pixels.
    std::function<void(QPainter&, int pageIndex, QRect pageRect)> OnPaintPage;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyScrollRanges();
    void PaintBackground(QPainter& painter, const TfrxPageRange& range);
    void PaintActiveFrame(QPainter& painter);
    void PaintPage(QPainter& painter, int index, const QRect& rect);
    void PaintSelectRect(QPainter& painter);

    Kind kind_;
    TfrxPreviewPages* pages_ = nullptr;
    double zoom_ = 1;
    bool rtl_ = false;
    TfrxPageList pageList_;
    int maxWidth_ = 0;
    int activePage_ = 0;
    bool locked_ = false;
    QPixmap lockedImage_;
    bool down_ = false;
    QPoint lastPoint_;
    bool selecting_ = false;
    QPoint selectStart_;
    QRect selectRect_;
};
