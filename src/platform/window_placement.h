#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

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
// Moves and sizes the window to the normal rectangle (kept within reach, see PlacedFrame, with the
// window's present size standing in for a rectangle that cannot be a window's) and gives it the
// stored state; a hidden window takes that state when it is shown.
void SetWindowPlacement(QWidget* window, const TWindowPlacement& placement);

// Pure parts of the placement rules.
QRect ToWorkArea(const QRect& screenRect, const QRect& workArea);

// The smallest outer size a window is given: below it there is no caption left to grab.
constexpr QSize kSmallestWindowFrame{136, 39};

// The outer bounds, in screen coordinates, that a normal rectangle in coordinates of the primary
// work area gives a window; any edges a settings file may hold end in a window the user can reach:
// - a rectangle that cannot be a window's (empty, inverted, smaller than kSmallestWindowFrame, or
//   wider or higher than a coordinate can count) is replaced by fallbackSize at its top-left corner;
// - one whose top-left corner lies on no work area is moved into the primary work area;
// - one larger than its work area is shrunk to it and moved into it.
QRect PlacedFrame(const TEdgeRect& normal, const QSize& fallbackSize, const QList<QRect>& workAreas,
                  const QRect& primaryWorkArea);

// A top-level window's outer bounds (frame included), in screen coordinates, one edge at a time.
QRect WindowFrame(const QWidget* window);
void SetWindowLeft(QWidget* window, int left);
void SetWindowTop(QWidget* window, int top);
void SetWindowWidth(QWidget* window, int width);
void SetWindowHeight(QWidget* window, int height);
