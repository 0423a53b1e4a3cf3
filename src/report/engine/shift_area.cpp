#include "shift_area.h"

#include "report/model/component.h"

#include <algorithm>

TfrxRectArea TfrxRectArea::Of(const TfrxComponent& object)
{
    const double left = object.AbsLeft();
    const double top = object.AbsTop();
    return {left, top, left + object.Width(), top + object.Height()};
}

bool RangesOverlap(double a1, double a2, double b1, double b2)
{
    constexpr double eps = TfrxRectArea::kTolerance;
    return std::min(a2, b2) - std::max(a1, b1) > eps || (a2 - a1 <= eps && a1 > b1 + eps && a1 < b2 - eps) ||
           (b2 - b1 <= eps && b1 > a1 + eps && b1 < a2 - eps);
}

bool TfrxRectArea::InterceptsX(const TfrxRectArea& other) const
{
    return RangesOverlap(left, right, other.left, other.right);
}

bool TfrxRectArea::InterceptsY(const TfrxRectArea& other) const
{
    return RangesOverlap(top, bottom, other.top, other.bottom);
}

TfrxRectArea TfrxRectArea::InterceptX(const TfrxRectArea& other) const
{
    return {std::max(left, other.left), top, std::min(right, other.right), bottom};
}
