#include "view_geometry.h"

#include "report/model/frx_frame.h"

#include "platform/rounding.h"

#include <algorithm>

int DevicePixels(double value)
{
    constexpr double kLimit = 1 << 24;
    return RoundHalfEven(std::clamp(value, -kLimit, kLimit));  // NaN stays NaN and rounds to 0
}

ViewDeviceRect ComputeDeviceRect(const QRectF& abs, const TfrxFrame& frame, double scaleX, double scaleY,
                                 double offsetX, double offsetY)
{
    ViewDeviceRect r;
    r.scaleX = scaleX;
    r.scaleY = scaleY;
    r.offsetX = offsetX;
    r.offsetY = offsetY;
    r.x0 = DevicePixels(offsetX + scaleX * abs.left());
    r.y0 = DevicePixels(offsetY + scaleY * abs.top());
    r.x1 = DevicePixels(offsetX + scaleX * (abs.left() + abs.width()));
    r.y1 = DevicePixels(offsetY + scaleY * (abs.top() + abs.height()));
    if (frame.DropShadow()) {
        r.shadowX = DevicePixels(frame.ShadowWidth() * scaleX);
        r.shadowY = DevicePixels(frame.ShadowWidth() * scaleY);
        r.x1 -= r.shadowX;
        r.y1 -= r.shadowY;
    }
    r.frameWidth = DevicePixels(scaleX * frame.Width());
    return r;
}

QRect FillRectOf(const ViewDeviceRect& rect, TfrxFrameTypes sides)
{
    const int half = rect.frameWidth / 2;
    const int left = rect.x0 - (sides & ftLeft ? half : 0);
    const int top = rect.y0 - (sides & ftTop ? half : 0);
    const int right = rect.x1 + (sides & ftRight ? half : 0);
    const int bottom = rect.y1 + (sides & ftBottom ? half : 0);
    return QRect(left, top, right - left, bottom - top);
}
