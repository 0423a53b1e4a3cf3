#pragma once

#include <QRect>

// A rectangle of whole device pixels; right and bottom lie just outside it.
struct TextRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    bool operator==(const TextRect&) const = default;
};
