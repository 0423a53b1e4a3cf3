#include "window_placement.h"

#include "screen_info.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace {

// The window system remembers a window's minimised and maximised positions with the window.
constexpr char kMinPositionProperty[] = "kalvoMinPosition";
constexpr char kMaxPositionProperty[] = "kalvoMaxPosition";

QPoint RememberedPoint(const QWidget* window, const char* property)
{
    const QVariant value = window->property(property);
    return value.isValid() ? value.toPoint() : QPoint(-1, -1);
}

QMargins FrameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The outer bounds the window has, or will have again, in the normal state.
QRect NormalFrame(const QWidget* window)
{
    if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return window->normalGeometry().marginsAdded(FrameMargins(window));
    return window->frameGeometry();
}

int ShowCommand(Qt::WindowStates state)
{
    if (state & Qt::WindowMinimized)
        return SW_SHOWMINIMIZED;
    if (state & Qt::WindowMaximized)
        return SW_SHOWMAXIMIZED;
    return SW_SHOWNORMAL;
}

Qt::WindowStates WindowStateFor(const TWindowPlacement& placement)
{
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
        return (placement.flags & WPF_RESTORETOMAXIMIZED) ? Qt::WindowMinimized | Qt::WindowMaximized
                                                         : Qt::WindowStates(Qt::WindowMinimized);
    case SW_SHOWMAXIMIZED:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}

// One axis of a window's frame, in 64 bits so that any two stored edges can be subtracted.
struct Span {
    qint64 start;
    qint64 length;
};

bool IsWindowLength(qint64 length, int smallest) { return length >= smallest && length <= INT_MAX; }

// The work area that holds the point, nullptr when none does.
const QRect* AreaHolding(qint64 x, qint64 y, const QList<QRect>& workAreas)
{
    const auto holds = [&](const QRect& a) { return x >= a.left() && x <= a.right() && y >= a.top() && y <= a.bottom(); };
    const auto found = std::find_if(workAreas.begin(), workAreas.end(), holds);
    return found == workAreas.end() ? nullptr : &*found;
}

// Shrinks the span to the area's length; a span that was shrunk or lost is moved inside the area.
Span FitSpan(Span span, qint64 areaStart, qint64 areaLength, bool lost)
{
    if (span.length > areaLength) {
        span.length = areaLength;
        lost = true;
    }
    if (lost)
        span.start = std::clamp(span.start, areaStart, areaStart + areaLength - span.length);
    return span;
}

}  // namespace

QRect ToWorkArea(const QRect& screenRect, const QRect& workArea) { return screenRect.translated(-workArea.topLeft()); }

QRect PlacedFrame(const TEdgeRect& normal, const QSize& fallbackSize, const QList<QRect>& workAreas,
                  const QRect& primaryWorkArea)
{
    const QPoint origin = primaryWorkArea.topLeft();
    const QSize replacement = fallbackSize.expandedTo(kSmallestWindowFrame);
    Span x{qint64(normal.left) + origin.x(), qint64(normal.right) - normal.left};
    Span y{qint64(normal.top) + origin.y(), qint64(normal.bottom) - normal.top};
    if (!IsWindowLength(x.length, kSmallestWindowFrame.width()) || !IsWindowLength(y.length, kSmallestWindowFrame.height())) {
        x.length = replacement.width();
        y.length = replacement.height();
    }
    const QRect* area = AreaHolding(x.start, y.start, workAreas);
    const bool lost = area == nullptr;
    // Without any screen there is nothing to reach the window on; it waits at the origin.
    const QRect noScreen(QPoint(0, 0), replacement);
    if (lost)
        area = primaryWorkArea.isEmpty() ? &noScreen : &primaryWorkArea;
    x = FitSpan(x, area->left(), area->width(), lost);
    y = FitSpan(y, area->top(), area->height(), lost);
    return QRect(int(x.start), int(y.start), int(x.length), int(y.length));
}

TWindowPlacement GetWindowPlacement(QWidget* window)
{
    window->winId();
    const Qt::WindowStates state = window->windowState();
    TWindowPlacement placement;
    placement.showCmd = ShowCommand(state);
    if ((state & Qt::WindowMinimized) && (state & Qt::WindowMaximized))
        placement.flags |= WPF_RESTORETOMAXIMIZED;
    placement.ptMinPosition = RememberedPoint(window, kMinPositionProperty);
    placement.ptMaxPosition = RememberedPoint(window, kMaxPositionProperty);
    if (placement.ptMinPosition != QPoint(-1, -1))
        placement.flags |= WPF_SETMINPOSITION;
    placement.rcNormalPosition = TEdgeRect::FromQRect(ToWorkArea(NormalFrame(window), PrimaryWorkArea()));
    return placement;
}

void SetWindowPlacement(QWidget* window, const TWindowPlacement& placement)
{
    window->winId();
    if (placement.flags & WPF_SETMINPOSITION)
        window->setProperty(kMinPositionProperty, placement.ptMinPosition);
    window->setProperty(kMaxPositionProperty, placement.ptMaxPosition);
    const QRect frame =
        PlacedFrame(placement.rcNormalPosition, NormalFrame(window).size(), WorkAreas(), PrimaryWorkArea());
    // Restored first, so that the rectangle set is the one the window returns to.
    window->setWindowState(Qt::WindowNoState);
    window->setGeometry(frame.marginsRemoved(FrameMargins(window)));
    window->setWindowState(WindowStateFor(placement));
}

QRect WindowFrame(const QWidget* window) { return window->frameGeometry(); }

void SetWindowLeft(QWidget* window, int left) { window->move(left, window->frameGeometry().top()); }

void SetWindowTop(QWidget* window, int top) { window->move(window->frameGeometry().left(), top); }

void SetWindowWidth(QWidget* window, int width)
{
    const QMargins margins = FrameMargins(window);
    window->resize(width - margins.left() - margins.right(), window->height());
}

void SetWindowHeight(QWidget* window, int height)
{
    const QMargins margins = FrameMargins(window);
    window->resize(window->width(), height - margins.top() - margins.bottom());
}
