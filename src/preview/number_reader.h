#pragma once

#include <QString>

// The library's number reader: "." and "," both separate the decimals, spaces do not count.
// Text that is still no number raises the conversion error.
double ReadNumber(const QString& text);
