#include "colors.h"

namespace {

// Written as 0xRRGGBB for reading; converted on lookup.
constexpr uint32_t kClassicRgb[kSystemColorCount] = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0xB5B5B5, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

SystemColorResolver& Resolver()
{
    static SystemColorResolver resolver;
    return resolver;
}

}  // namespace

TColor ClassicSystemColor(int index)
{
    if (index < 0 || index >= kSystemColorCount)
        return clBlack;
    const uint32_t rgb = kClassicRgb[index];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void SetSystemColorResolver(SystemColorResolver resolver) { Resolver() = std::move(resolver); }

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color)) {
        const int index = SystemColorIndex(color);
        return Resolver() ? Resolver()(index) : ClassicSystemColor(index);
    }
    if (color == clNone || color == clDefault)
        return clBlack;
    return color & 0x00FFFFFF;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }
