#include "color_picker_keys.h"

#include "color_palette.h"

namespace {

constexpr int kLastStandardCode = kStandardColorCount - 1;
constexpr int kFirstStandardRowEnd = kPaletteColumns - 1;

// The entry before the grid: "Default", else "None", else nowhere.
int RowAboveGrid(int code, const PickerRows& rows)
{
    if (rows.showDefaultColor)
        return kDefaultColorCode;
    return rows.showNoColor ? kNoColorCode : code;
}

int LastGridCode(const PickerRows& rows) { return rows.showSystemColors ? kLastSystemCode : kLastStandardCode; }

int CustomOr(int code, const PickerRows& rows) { return rows.showCustomColor ? kCustomColorCode : code; }

int Left(int code, const PickerRows& rows)
{
    switch (code) {
    case kDefaultColorCode: return rows.showNoColor ? kNoColorCode : code;
    case kCustomColorCode: return LastGridCode(rows);
    case 0: return RowAboveGrid(code, rows);
    default: return IsGridCode(code) ? code - 1 : code;
    }
}

int Right(int code, const PickerRows& rows)
{
    switch (code) {
    case kNoColorCode: return rows.showDefaultColor ? kDefaultColorCode : 0;
    case kDefaultColorCode: return 0;
    case kLastStandardCode: return rows.showSystemColors ? kFirstSystemCode : CustomOr(code, rows);
    case kLastSystemCode: return CustomOr(code, rows);
    default: return IsGridCode(code) ? code + 1 : code;
    }
}

int Up(int code, const PickerRows& rows)
{
    switch (code) {
    case kDefaultColorCode: return rows.showNoColor ? kNoColorCode : code;
    case kCustomColorCode: return LastGridCode(rows);
    default:
        if (code >= 0 && code <= kFirstStandardRowEnd)
            return RowAboveGrid(code, rows);
        return IsGridCode(code) ? code - kPaletteColumns : code;
    }
}

int Down(int code, const PickerRows& rows)
{
    constexpr int lastStandardRowStart = kStandardColorCount - kPaletteColumns;
    constexpr int lastSystemRowStart = kLastSystemCode - kPaletteColumns + 1;
    switch (code) {
    case kNoColorCode: return rows.showDefaultColor ? kDefaultColorCode : 0;
    case kDefaultColorCode: return kFirstStandardRowEnd;
    default:
        if (code >= lastStandardRowStart && code <= kLastStandardCode)
            return rows.showSystemColors ? code + kPaletteColumns : CustomOr(code, rows);
        if (code >= lastSystemRowStart && code <= kLastSystemCode)
            return CustomOr(code, rows);
        return IsGridCode(code) ? code + kPaletteColumns : code;
    }
}

}  // namespace

int NextPickerCode(int code, PickerArrow arrow, const PickerRows& rows)
{
    switch (arrow) {
    case PickerArrow::Left: return Left(code, rows);
    case PickerArrow::Right: return Right(code, rows);
    case PickerArrow::Up: return Up(code, rows);
    case PickerArrow::Down: return Down(code, rows);
    }
    return code;
}
