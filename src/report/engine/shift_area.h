#pragma once

class TfrxComponent;

// A rectangle in absolute report pixels, compared with a small tolerance so that edges that only
// touch do not count as overlapping.
struct TfrxRectArea {
    static constexpr double kTolerance = 0.0001;

    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    static TfrxRectArea Of(const TfrxComponent& object);

    double Height() const { return bottom - top; }
    // Whether the horizontal (InterceptsX) or vertical (InterceptsY) ranges overlap.
    bool InterceptsX(const TfrxRectArea& other) const;
    bool InterceptsY(const TfrxRectArea& other) const;
    // The common horizontal range (its vertical range is this area's).
    TfrxRectArea InterceptX(const TfrxRectArea& other) const;
};

// Whether the ranges [a1, a2] and [b1, b2] share more than a touching edge. A range of no length
// overlaps another when it lies strictly inside it.
bool RangesOverlap(double a1, double a2, double b1, double b2);
