#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Floating geometry becomes whole pixels or device units to the nearest, ties to even.
// std::nearbyint under the default rounding mode does exactly that; std::round does not.
// Values beyond the integer's range saturate and NaN gives 0, so values read from a damaged file
// cannot make the conversion undefined.
template <typename Int>
inline Int RoundHalfEvenTo(double value)
{
    const double rounded = std::nearbyint(value);
    if (std::isnan(rounded))
        return 0;
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

inline int RoundHalfEven(double value) { return RoundHalfEvenTo<int>(value); }
inline int64_t RoundHalfEven64(double value) { return RoundHalfEvenTo<int64_t>(value); }

// Integer a * b / c rounded to the nearest (ties to even), the way font heights are derived.
inline int MulDivRound(int a, int b, int c) { return RoundHalfEven(static_cast<double>(a) * b / c); }
