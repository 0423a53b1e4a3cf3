#include "color_palette.h"

#include <array>

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr std::array<NamedColor, kStandardColorCount> kStandardColors = {{
    {"Black", RGB(0, 0, 0)},           {"Brown", RGB(153, 51, 0)},
    {"Olive Green", RGB(51, 51, 0)},   {"Dark Green", RGB(0, 51, 0)},
    {"Dark Teal", RGB(0, 51, 102)},    {"Dark Blue", RGB(0, 0, 128)},
    {"Indigo", RGB(51, 51, 153)},      {"Gray 80%", RGB(51, 51, 51)},

    {"Dark Red", RGB(128, 0, 0)},      {"Orange", RGB(255, 102, 0)},
    {"Dark Yellow", RGB(128, 128, 0)}, {"Green", RGB(0, 128, 0)},
    {"Teal", RGB(0, 128, 128)},        {"Blue", RGB(0, 0, 255)},
    {"Blue Gray", RGB(102, 102, 153)}, {"Gray 50%", RGB(128, 128, 128)},

    {"Red", RGB(255, 0, 0)},           {"Light Orange", RGB(255, 153, 0)},
    {"Lime", RGB(153, 204, 0)},        {"Sea Green", RGB(51, 153, 102)},
    {"Aqua", RGB(51, 153, 153)},       {"Light Blue", RGB(51, 102, 255)},
    {"Violet", RGB(128, 0, 128)},      {"Gray 40%", RGB(153, 153, 153)},

    {"Pink", RGB(255, 0, 255)},        {"Gold", RGB(255, 204, 0)},
    {"Yellow", RGB(255, 255, 0)},      {"Bright Green", RGB(0, 255, 0)},
    {"Turquoise", RGB(0, 255, 255)},   {"Sky Blue", RGB(0, 204, 255)},
    {"Plum", RGB(153, 51, 102)},       {"Gray 25%", RGB(192, 192, 192)},

    {"Rose", RGB(255, 153, 204)},      {"Tan", RGB(255, 204, 153)},
    {"Light Yellow", RGB(255, 255, 153)}, {"Light Green", RGB(204, 255, 204)},
    {"Light Turquoise", RGB(204, 255, 255)}, {"Pale Blue", RGB(153, 204, 255)},
    {"Lavender", RGB(204, 153, 255)},  {"White", RGB(255, 255, 255)},
}};

// System colour number 25 has no entry, so the numbers after it are shifted by one.
constexpr std::array<NamedColor, kSystemEntryCount> kSystemColors = {{
    {"Scroll Bar", clScrollBar},
    {"Background", clBackground},
    {"Active Caption", clActiveCaption},
    {"Inactive Caption", clInactiveCaption},
    {"Menu", clMenu},
    {"Window", clWindow},
    {"Window Frame", clWindowFrame},
    {"Menu Text", clMenuText},
    {"Window Text", clWindowText},
    {"Caption Text", clCaptionText},
    {"Active Border", clActiveBorder},
    {"Inactive Border", clInactiveBorder},
    {"App WorkSpace", clAppWorkSpace},
    {"Highlight", clHighlight},
    {"Highlight Text", clHighlightText},
    {"Button Face", clBtnFace},
    {"Button Shadow", clBtnShadow},
    {"Gray Text", clGrayText},
    {"Button Text", clBtnText},
    {"Inactive Caption Text", clInactiveCaptionText},
    {"Button Highlight", clBtnHighlight},
    {"3D Dark Shadow", cl3DDkShadow},
    {"3D Light", cl3DLight},
    {"Info Text", clInfoText},
    {"Info Background", clInfoBk},
    {"Hot Light", clHotLight},
    {"Gradient Active Caption", clGradientActiveCaption},
    {"Gradient Inactive Caption", clGradientInactiveCaption},
    {"Menu Highlight", clMenuHighlight},
    {"Menu Bar", clMenuBar},
}};

const NamedColor* Entry(int code)
{
    if (IsStandardCode(code))
        return &kStandardColors[code];
    if (IsSystemCode(code))
        return &kSystemColors[code - kFirstSystemCode];
    return nullptr;
}

}  // namespace

TColor GridColor(int code)
{
    const NamedColor* entry = Entry(code);
    return entry ? entry->color : clNone;
}

QString GridColorName(int code)
{
    const NamedColor* entry = Entry(code);
    return entry ? QString::fromLatin1(entry->name) : QString();
}

int PaletteCodeForColor(TColor color, const PaletteMatchOptions& options)
{
    if (color == clNone)
        return kNoColorCode;
    const TColor rgb = ColorToRGB(color);
    if (options.showDefaultColor && rgb == ColorToRGB(options.defaultColor))
        return kDefaultColorCode;
    if (options.showSystemColors)
        for (int code = kFirstSystemCode; code <= kLastSystemCode; ++code)
            if (GridColor(code) == color)
                return code;
    for (int code = 0; code < kStandardColorCount; ++code)
        if (GridColor(code) == rgb)
            return code;
    return kCustomColorCode;
}
