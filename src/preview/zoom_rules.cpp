#include "zoom_rules.h"

namespace {

// The room around a page that the fitting modes leave free.
constexpr int kFitMargin = 26;

int FitExtent(int extent) { return extent >= kFitMargin + 1 ? extent - kFitMargin : 1; }

double WholePageZoom(const TfrxZoomInput& input)
{
    const int scrollBar = input.pageCount >= 2 ? input.scrollBarWidth : 0;
    const double width = FitExtent(input.areaSize.width() - scrollBar);
    const double height = FitExtent(input.areaSize.height());
    const double pageWidth = input.pageSize.width();
    const double pageHeight = input.pageSize.height();
    return pageWidth / width > pageHeight / height ? width / pageWidth : height / pageHeight;
}

}  // namespace

double EffectiveZoom(const TfrxZoomInput& input)
{
    if (input.pageSize.width() <= 0 || input.pageSize.height() <= 0)
        return input.zoom;
    switch (input.mode) {
    case zmWholePage:
        return WholePageZoom(input);
    case zmPageWidth:
        return double(input.areaSize.width() - input.scrollBarWidth - kFitMargin) / input.pageSize.width();
    case zmDefault:
    case zmManyPages:
        break;
    }
    return input.zoom;
}

double WheelZoom(double zoom, int delta)
{
    if (delta == 0)
        return zoom;
    const double next = zoom + (delta > 0 ? 0.1 : -0.1);
    return next < kMinWheelZoom ? kMinWheelZoom : next;
}
