#pragma once

#include "platform/colors.h"

#include <QString>
#include <QStringView>

// How numbers, colours and flags are written in attribute values.

// General format, at most 15 significant digits, the user's decimal separator.
QString XMLFloat(double value);
// Accepts "." and "," alike as the decimal separator and ignores spaces; finite values only.
bool TryReadXMLFloat(QStringView text, double& value);
// Signed 32 bits: system colours are negative.
QString XMLColor(TColor color);
bool TryReadXMLColor(QStringView text, TColor& color);
// "1" or "0", as compact differences write booleans.
QString XMLFlag(bool value);
