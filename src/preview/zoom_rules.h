#pragma once

#include "report/base/report_types.h"

#include <QSize>

// The smallest zoom the viewer takes, and the smallest the wheel leads to.
constexpr double kMinZoom = 0.25;
constexpr double kMinWheelZoom = 0.3;

// What a page area of `areaSize` needs to lay out `pageCount` pages whose current page measures
// `pageSize` at zoom 1; `scrollBarWidth` is the width of a vertical scroll bar.
struct TfrxZoomInput {
    TfrxZoomMode mode = zmDefault;
    double zoom = 1;
    QSize pageSize;
    QSize areaSize;
    int scrollBarWidth = 0;
    int pageCount = 0;
};

// The zoom the pages are shown at: the factor itself, or the one that fits the page into the area.
double EffectiveZoom(const TfrxZoomInput& input);

// A zoom factor as the viewer accepts it.
inline double ClampedZoom(double zoom) { return zoom < kMinZoom ? kMinZoom : zoom; }

// The zoom after one Ctrl+wheel message.
double WheelZoom(double zoom, int delta);
