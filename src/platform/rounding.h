#pragma once

#include <cmath>
#include <cstdint>

// Floating geometry becomes whole pixels or device units to the nearest, ties to even.
// std::nearbyint under the default rounding mode does exactly that; std::round does not.
inline int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }
inline int64_t RoundHalfEven64(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

// Integer a * b / c rounded to the nearest (ties to even), the way font heights are derived.
inline int MulDivRound(int a, int b, int c) { return RoundHalfEven(static_cast<double>(a) * b / c); }
