#pragma once

#include <optional>
#include <span>

// A standard paper by its platform number, in tenths of a millimetre.
struct PaperSizeEntry {
    int code;
    int width;
    int height;
};

// Paper codes at or above this value only name a custom size.
constexpr int kCustomPaperSize = 256;
constexpr int kDefaultPaperSize = 9;  // A4

// The 66 standard papers (codes 1 to 47 and 50 to 68).
std::span<const PaperSizeEntry> PaperSizeTable();

struct PaperMillimetres {
    double width;
    double height;
};
// The size of a standard paper in millimetres, or nothing for an unknown code.
std::optional<PaperMillimetres> FindPaperSize(int code);
