#pragma once

#include <QPoint>
#include <QRect>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Where a popup `width` wide dropped down from `anchor` (screen coordinates) wants its top-left
// corner: just below the anchor, aligned to it.
QPoint DropDownPoint(const QRect& anchor, int width, TAlignment alignment);
// Moves a popup that wants to start at `start` inside the work area, opening it above the anchor
// when there is no room below.
QPoint KeepInWorkArea(QPoint start, const QRect& anchor, QSize size, const QRect& workArea);

// The work area of the monitor nearest to a screen point, or the primary one when there is none.
QRect WorkAreaNearest(QPoint point);
