#pragma once

#include <QString>

// A floating value in general format: at most 15 significant digits, no digit grouping, an
// exponent ("1E20", "1.5E-7") only for very large or small magnitudes, and the user's decimal
// separator.
QString FloatToText(double value);
