#include "window_placement.h"

#include "screen_info.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>

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

}  // namespace

QRect ToWorkArea(const QRect& screenRect, const QRect& workArea) { return screenRect.translated(-workArea.topLeft()); }

QRect FromWorkArea(const QRect& workAreaRect, const QRect& workArea) { return workAreaRect.translated(workArea.topLeft()); }

QRect KeepWithinReach(const QRect& frame, const QList<QRect>& workAreas, const QRect& primaryWorkArea)
{
    const bool visibleSomewhere =
        std::any_of(workAreas.begin(), workAreas.end(), [&](const QRect& area) { return area.intersects(frame); });
    if (visibleSomewhere || primaryWorkArea.isEmpty())
        return frame;
    QRect moved = frame;
    const QRect& area = primaryWorkArea;
    moved.moveLeft(std::max(area.left(), std::min(frame.left(), area.left() + area.width() - frame.width())));
    moved.moveTop(std::max(area.top(), std::min(frame.top(), area.top() + area.height() - frame.height())));
    return moved;
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
    const QRect frame = KeepWithinReach(FromWorkArea(placement.rcNormalPosition.ToQRect(), PrimaryWorkArea()),
                                        WorkAreas(), PrimaryWorkArea());
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
