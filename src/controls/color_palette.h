#pragma once

#include "platform/colors.h"

#include <QString>

// Codes of the palette's entries. 0-39 are the standard colours (row * 8 + column), 40-69 the
// system colours; the negative codes name the other parts of the palette.
constexpr int kNoColorCode = -1;       // the "None" row
constexpr int kCustomColorCode = -2;   // the custom colour swatch
constexpr int kMoreColorsCode = -3;    // the "More Colors..." button
constexpr int kDefaultColorCode = -4;  // the "Default" row
constexpr int kGapCode = -5;           // no entry: the system band or the empty cells after it
constexpr int kNothingCode = -6;       // nothing under the mouse (hover only)

constexpr int kPaletteColumns = 8;
constexpr int kStandardRows = 5;
constexpr int kStandardColorCount = 40;
constexpr int kSystemRows = 4;
constexpr int kSystemEntryCount = 30;
constexpr int kFirstSystemCode = kStandardColorCount;
constexpr int kLastSystemCode = kFirstSystemCode + kSystemEntryCount - 1;  // 69

constexpr bool IsStandardCode(int code) { return code >= 0 && code < kStandardColorCount; }
constexpr bool IsSystemCode(int code) { return code >= kFirstSystemCode && code <= kLastSystemCode; }
constexpr bool IsGridCode(int code) { return IsStandardCode(code) || IsSystemCode(code); }

// The colour of a grid entry: plain RGB for a standard colour, the system colour value otherwise.
TColor GridColor(int code);
// The name shown as the entry's hint ("Red", "Button Face").
QString GridColorName(int code);

// The entry a colour selects in a palette.
struct PaletteMatchOptions {
    bool showDefaultColor = false;
    bool showSystemColors = false;
    TColor defaultColor = clHighlight;
};
// clNone gives the "None" code; a colour not found in the palette gives kCustomColorCode.
int PaletteCodeForColor(TColor color, const PaletteMatchOptions& options);
