#include "page_layout.h"

#include "platform/rounding.h"

#include <algorithm>

namespace {

// An A4 page at zoom 1, for places asked about pages that are not there.
constexpr int kA4Width = 794;
constexpr int kA4Height = 1123;

// How far around the top page painting looks.
constexpr int kPagesBeforeTop = 60;
constexpr int kPagesAfterTop = 340;
// How far around the page at a point's height a click looks for the page holding it.
constexpr int kClickNeighbours = 20;

void PlaceRow(TfrxPageList& pages, size_t first, size_t end, int rowWidth, int y, int availableWidth)
{
    const int shift = std::max(0, (availableWidth - rowWidth + kPageGap) / 2) + kPageGap;
    int x = 0;
    for (size_t i = first; i < end; ++i) {
        pages[i].OffsetX = x + shift;
        pages[i].OffsetY = y;
        x += pages[i].Width + kPageGap;
    }
}

}  // namespace

QSize ZoomedPageSize(QSize sizeAtZoom1, double zoom)
{
    return {RoundHalfEven(sizeAtZoom1.width() * zoom), RoundHalfEven(sizeAtZoom1.height() * zoom)};
}

int CalcBounds(TfrxPageList& pages, int availableWidth)
{
    int maxWidth = 0;
    int y = kPageGap;
    size_t rowStart = 0;
    while (rowStart < pages.size()) {
        size_t rowEnd = rowStart;
        int rowWidth = 0;
        int rowHeight = 0;
        // A row always takes its first page, however wide.
        while (rowEnd < pages.size() &&
               (rowEnd == rowStart || rowWidth + pages[rowEnd].Width <= availableWidth)) {
            rowWidth += pages[rowEnd].Width + kPageGap;
            rowHeight = std::max(rowHeight, pages[rowEnd].Height);
            ++rowEnd;
        }
        PlaceRow(pages, rowStart, rowEnd, rowWidth, y, availableWidth);
        maxWidth = std::max(maxWidth, rowWidth);
        y += rowHeight + kPageGap;
        rowStart = rowEnd;
    }
    return maxWidth;
}

QSize ContentsSize(const TfrxPageList& pages, int maxWidth)
{
    const int bottom = pages.empty() ? 0 : pages.back().OffsetY + pages.back().Height;
    return {maxWidth + kPageGap, bottom + kPageGap};
}

QRect PageRect(const TfrxPageList& pages, int index, const TfrxPageGeometry& geometry)
{
    if (index < 0 || index >= int(pages.size())) {
        const int width = RoundHalfEven(kA4Width * geometry.zoom);
        const int height = RoundHalfEven(kA4Height * geometry.zoom);
        const int left = geometry.areaWidth > width ? (geometry.areaWidth - width) / 2 : kPageGap;
        return {left, RoundHalfEven(kPageGap * geometry.zoom), width, height};
    }
    const TfrxPageItem& page = pages[size_t(index)];
    const int left = geometry.rightToLeft ? geometry.areaWidth - page.Width - page.OffsetX : page.OffsetX;
    return {left, page.OffsetY, page.Width, page.Height};
}

int PageAtOffset(const TfrxPageList& pages, int y)
{
    if (pages.empty())
        return -1;
    int low = 0;
    int high = int(pages.size()) - 1;
    while (low < high) {
        const int probe = (low + high + 1) / 2;
        const TfrxPageItem& page = pages[size_t(probe)];
        if (page.OffsetY <= y + page.Height / 5)
            low = probe;
        else
            high = probe - 1;
    }
    return low;
}

int PageAtPoint(const TfrxPageList& pages, QPoint point, const TfrxPageGeometry& geometry)
{
    const int found = PageAtOffset(pages, point.y());
    if (found < 0)
        return found;
    const int first = std::max(0, found - kClickNeighbours);
    const int last = std::min(int(pages.size()) - 1, found + kClickNeighbours);
    for (int i = first; i <= last; ++i)
        if (PageRect(pages, i, geometry).contains(point))
            return i;
    return found;
}

TfrxPageRange PagesToPaint(const TfrxPageList& pages, int topPage)
{
    if (pages.empty())
        return {};
    return {std::max(0, topPage - kPagesBeforeTop), std::min(int(pages.size()) - 1, topPage + kPagesAfterTop)};
}
