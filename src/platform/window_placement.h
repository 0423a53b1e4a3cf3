#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QWidget;

// Placement flags.
constexpr int WPF_SETMINPOSITION = 0x1;
constexpr int WPF_RESTORETOMAXIMIZED = 0x2;

// Show states of a placement.
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;

// A rectangle by its edges; the right and bottom edges lie just outside it.
struct TEdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static TEdgeRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool operator==(const TEdgeRect&) const = default;
};

// The window system's placement record of a top-level window. The normal rectangle is the
// window's outer bounds when restored, in coordinates of the primary work area.
struct TWindowPlacement {
    int length = 44;
    int flags = 0;
    int showCmd = SW_SHOWNORMAL;
    QPoint ptMinPosition{-1, -1};
    QPoint ptMaxPosition{-1, -1};
    TEdgeRect rcNormalPosition;

    bool operator==(const TWindowPlacement&) const = default;
};

// Both create the native window first when it does not exist yet.
TWindowPlacement GetWindowPlacement(QWidget* window);
// Moves and sizes the window to the normal rectangle and gives it the stored state; a hidden
// window takes that state when it is shown. A rectangle off every screen is brought back onto
// the primary work area.
void SetWindowPlacement(QWidget* window, const TWindowPlacement& placement);

// Pure parts of the placement rules.
QRect ToWorkArea(const QRect& screenRect, const QRect& workArea);
QRect FromWorkArea(const QRect& workAreaRect, const QRect& workArea);
QRect KeepWithinReach(const QRect& frame, const QList<QRect>& workAreas, const QRect& primaryWorkArea);

// A top-level window's outer bounds (frame included), in screen coordinates, one edge at a time.
QRect WindowFrame(const QWidget* window);
void SetWindowLeft(QWidget* window, int left);
void SetWindowTop(QWidget* window, int top);
void SetWindowWidth(QWidget* window, int width);
void SetWindowHeight(QWidget* window, int height);
