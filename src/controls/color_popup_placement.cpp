#include "color_popup_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {

// Platform rectangles end outside the shape: right and bottom are one past the last pixel.
int RightEdge(const QRect& rect) { return rect.left() + rect.width(); }
int BottomEdge(const QRect& rect) { return rect.top() + rect.height(); }

int HorizontalStart(const QRect& anchor, int width, TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify: return anchor.left();
    case taRightJustify: return RightEdge(anchor) - width;
    case taCenter: break;
    }
    // Integer division as the platform does it: towards zero.
    return (anchor.left() + RightEdge(anchor) - width) / 2;
}

int DistanceSquared(const QRect& rect, QPoint point)
{
    const int dx = point.x() < rect.left() ? rect.left() - point.x() : std::max(0, point.x() - rect.right());
    const int dy = point.y() < rect.top() ? rect.top() - point.y() : std::max(0, point.y() - rect.bottom());
    return dx * dx + dy * dy;
}

}  // namespace

QPoint DropDownPoint(const QRect& anchor, int width, TAlignment alignment)
{
    return {HorizontalStart(anchor, width, alignment), BottomEdge(anchor)};
}

QPoint KeepInWorkArea(QPoint start, const QRect& anchor, QSize size, const QRect& workArea)
{
    int left = start.x(), top = start.y();
    if (left + size.width() > RightEdge(workArea))
        left = RightEdge(workArea) - size.width();
    if (top + size.height() > BottomEdge(workArea))
        top = anchor.top() - size.height();
    if (left < workArea.left())
        left = workArea.left();
    if (top < workArea.top())
        top = workArea.top();
    return {left, top};
}

QRect WorkAreaNearest(QPoint point)
{
    const QScreen* nearest = nullptr;
    int best = std::numeric_limits<int>::max();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const int distance = DistanceSquared(screen->geometry(), point);
        if (distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    if (!nearest)
        nearest = QGuiApplication::primaryScreen();
    return nearest ? nearest->availableGeometry() : QRect();
}
