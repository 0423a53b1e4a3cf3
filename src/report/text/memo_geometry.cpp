#include "memo_geometry.h"

#include "platform/rounding.h"

TextRect MemoTextRect(const MemoBox& box, double scaleX, double scaleY, double offsetX, double offsetY)
{
    const double w = box.frameWidth;
    const int x0 = RoundHalfEven(offsetX + scaleX * box.absLeft);
    const int y0 = RoundHalfEven(offsetY + scaleY * box.absTop);
    const int gapX = RoundHalfEven(scaleX * box.gapX);
    const int gapY = RoundHalfEven(scaleY * box.gapY);
    TextRect r;
    r.left = x0 + gapX + (box.sides & ftLeft ? RoundHalfEven((scaleX * w - 1) / 2) : 0);
    r.top = y0 + gapY + (box.sides & ftTop ? RoundHalfEven((scaleY * w - 1) / 2) : 0);
    r.right = x0 + RoundHalfEven(scaleX * (box.width - box.shadowWidth)) -
              (box.sides & ftRight ? RoundHalfEven(scaleX * w / 2) : 0) - gapX + 1;
    r.bottom = y0 + RoundHalfEven(scaleY * (box.height - box.shadowWidth)) -
               (box.sides & ftBottom ? RoundHalfEven(scaleY * w / 2) : 0) - gapY + 1;
    return r;
}

double VerticalExtra(const MemoBox& box)
{
    return 2 * box.gapY + (box.sides & ftTop ? (box.frameWidth - 1) / 2 : 0) +
           (box.sides & ftBottom ? box.frameWidth / 2 : 0) + box.shadowWidth;
}

double HorizontalExtra(const MemoBox& box)
{
    return 2 * box.gapX + (box.sides & ftLeft ? (box.frameWidth - 1) / 2 : 0) +
           (box.sides & ftRight ? box.frameWidth / 2 : 0) + box.shadowWidth;
}
