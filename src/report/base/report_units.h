#pragma once

#include "platform/colors.h"

// Report coordinates are pixels of a 96-per-inch device; paper sizes and margins are millimetres.
// The values are the ones scripts see under the same names.
constexpr double fr01cm = 3.77953;  // pixels per millimetre
constexpr double fr1cm = 37.7953;   // pixels per centimetre
constexpr double fr01in = 9.6;      // pixels per tenth of an inch
constexpr int fr1in = 96;           // pixels per inch
constexpr double fr1CharX = 9.6;    // cell width of character-grid pages
constexpr int fr1CharY = 17;        // cell height of character-grid pages
constexpr TColor clTransparent = clNone;

