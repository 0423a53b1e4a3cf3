#include "view_geometry.h"

#include "frx_frame.h"

#include "platform/rounding.h"

ViewDeviceRect ComputeDeviceRect(const QRectF& abs, const TfrxFrame& frame, double scaleX, double scaleY,
                                 double offsetX, double offsetY)
{
    ViewDeviceRect r;
    r.scaleX = scaleX;
    r.scaleY = scaleY;
    r.offsetX = offsetX;
    r.offsetY = offsetY;
    r.x0 = RoundHalfEven(offsetX + scaleX * abs.left());
    r.y0 = RoundHalfEven(offsetY + scaleY * abs.top());
    r.x1 = RoundHalfEven(offsetX + scaleX * (abs.left() + abs.width()));
    r.y1 = RoundHalfEven(offsetY + scaleY * (abs.top() + abs.height()));
    if (frame.DropShadow()) {
        r.shadowX = RoundHalfEven(frame.ShadowWidth() * scaleX);
        r.shadowY = RoundHalfEven(frame.ShadowWidth() * scaleY);
        r.x1 -= r.shadowX;
        r.y1 -= r.shadowY;
    }
    r.frameWidth = RoundHalfEven(scaleX * frame.Width());
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
