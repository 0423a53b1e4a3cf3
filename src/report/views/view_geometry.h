#pragma once

#include "report/base/report_types.h"

#include <QRect>
#include <QRectF>

class TfrxFrame;

// Where a view lands on a device for one drawing.
struct ViewDeviceRect {
    // The view's corners; right and bottom are the positions of the right and bottom frame lines.
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    int frameWidth = 0;  // round(scale X * Frame.Width)
    int shadowX = 0;     // scaled drop shadow, 0 without one
    int shadowY = 0;
    double scaleX = 1;
    double scaleY = 1;
    double offsetX = 0;
    double offsetY = 0;
};

// Device pixels from report coordinates, kept within +-2^24: far beyond any page at any zoom, and
// small enough that the pixel arithmetic of frames and fills cannot overflow whatever a damaged
// file holds.
int DevicePixels(double value);

// The device rectangle of a view whose bounds relative to the printable area are `abs`, drawn at
// the given scale with the offsets of the printable area's corner in device pixels.
ViewDeviceRect ComputeDeviceRect(const QRectF& abs, const TfrxFrame& frame, double scaleX, double scaleY,
                                 double offsetX, double offsetY);

// The rectangle a fill covers: the device rectangle widened by half the frame width on each
// framed side (right and bottom edges outside, as the canvas takes rectangles).
QRect FillRectOf(const ViewDeviceRect& rect, TfrxFrameTypes sides);
