#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// One page of a page area: its size at the area's zoom and its place in the area's contents.
struct TfrxPageItem {
    int Width = 0;
    int Height = 0;
    int OffsetX = 0;
    int OffsetY = 0;
};
using TfrxPageList = std::vector<TfrxPageItem>;

// Pages keep this distance from each other and from the contents' edges.
constexpr int kPageGap = 10;

// A page's size in pixels at the zoom, from its size at zoom 1.
QSize ZoomedPageSize(QSize sizeAtZoom1, double zoom);

// Puts the pages into rows no wider than `availableWidth`, each row centred, and returns the
// widest row's running width.
int CalcBounds(TfrxPageList& pages, int availableWidth);

// The extent of the contents once laid out: the widest row and the last page's bottom, plus a gap.
QSize ContentsSize(const TfrxPageList& pages, int maxWidth);

// Where a page lies in the contents (not scrolled). Indexes outside the list give an A4 page at
// the zoom, so an empty area still has a sensible place to show.
struct TfrxPageGeometry {
    double zoom = 1;
    int areaWidth = 0;
    bool rightToLeft = false;
};
QRect PageRect(const TfrxPageList& pages, int index, const TfrxPageGeometry& geometry);

// The page shown at vertical offset `y` of the contents: the last one whose top is no lower than
// a fifth of its height below `y`. -1 for an empty list.
int PageAtOffset(const TfrxPageList& pages, int y);

// The page under a point of the contents: the page at its height, or a neighbour whose rectangle
// holds the point.
int PageAtPoint(const TfrxPageList& pages, QPoint point, const TfrxPageGeometry& geometry);

// The pages worth painting around the page at the top of the view.
struct TfrxPageRange {
    int first = 0;
    int last = -1;
};
TfrxPageRange PagesToPaint(const TfrxPageList& pages, int topPage);
