#include "style_colors.h"

#include "visual_styles.h"

namespace {

std::map<QString, StyleElementPalette>& Palettes()
{
    static std::map<QString, StyleElementPalette> palettes;
    return palettes;
}

TColor SystemStandIn(StyleElementColor element)
{
    switch (element) {
    case StyleElementColor::EditBackground: return clWindow;
    case StyleElementColor::EditBorder: return clBtnShadow;
    case StyleElementColor::EditTextNormal: return clWindowText;
    case StyleElementColor::EditTextDisabled: return clGrayText;
    case StyleElementColor::ButtonTextNormal: return clBtnText;
    case StyleElementColor::GenericGradientBase: return clBtnFace;
    }
    return clWindow;
}

}  // namespace

void RegisterStyleElementColors(const QString& styleName, const StyleElementPalette& palette)
{
    Palettes()[styleName.toLower()] = palette;
}

TColor ActiveStyleElementColor(StyleElementColor element)
{
    const auto style = Palettes().find(VisualStyles::Instance().ActiveStyleName().toLower());
    if (style != Palettes().end()) {
        const auto colour = style->second.find(element);
        if (colour != style->second.end())
            return ColorToRGB(colour->second);
    }
    return ColorToRGB(SystemStandIn(element));
}
