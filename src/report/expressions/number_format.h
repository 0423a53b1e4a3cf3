#pragma once

#include <QString>
#include <cstdint>

// Numbers as text with the pictures and patterns display formats use; separators are the user's.

// A picture of digit placeholders: "0" (a digit or 0), "#" (a digit or nothing), "." (the
// decimal point), "," anywhere before the point (thousands separators), "E+00"/"E-00"
// (scientific), quoted literal text, and up to three sections "positive;negative;zero".
QString FormatFloat(const QString& picture, double value);

// A C-style pattern with one argument: "%[-][width][.precision]type" amid literal text; d, u and x
// take a whole number, e, f, g, n and m a floating one. A pattern that does not fit its argument
// raises Exception.
QString FormatWithPattern(const QString& pattern, int64_t value);
QString FormatWithPattern(const QString& pattern, double value);
