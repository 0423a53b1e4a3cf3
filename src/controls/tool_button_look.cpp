#include "tool_button_look.h"

#include "platform/style_colors.h"

bool LooksPushed(TToolButtonState state)
{
    return state == TToolButtonState::Down || state == TToolButtonState::Exclusive || state == TToolButtonState::Dropped;
}

bool LooksHovered(TToolButtonState state, bool mouseInControl)
{
    return LooksPushed(state) || (mouseInControl && state != TToolButtonState::Disabled);
}

ButtonFace FaceFor(TRzVisualStyle style, TToolButtonState state, bool mouseInControl, bool flat)
{
    const bool pushed = LooksPushed(state);
    if (flat && !LooksHovered(state, mouseInControl))
        return ButtonFace::None;
    switch (style) {
    case vsClassic: return pushed ? ButtonFace::SunkenEdge : ButtonFace::RaisedEdge;
    case vsGradient: return pushed ? ButtonFace::GradientReversed : ButtonFace::Gradient;
    case vsWinXP: break;
    }
    return pushed ? ButtonFace::Sunken : ButtonFace::Raised;
}

TColor CaptionColorFor(TToolButtonState state, TColor fontColor, bool systemStyle)
{
    const bool disabled = state == TToolButtonState::Disabled;
    if (!systemStyle)
        return ActiveStyleElementColor(disabled ? StyleElementColor::EditTextDisabled : StyleElementColor::ButtonTextNormal);
    return disabled ? clBtnShadow : fontColor;
}

ImageChoice ChooseImage(const ButtonImages& b, TToolButtonState state, bool hovered)
{
    if (b.imageIndex < 0)
        return {};
    if (state == TToolButtonState::Disabled) {
        if (b.disabledIndex >= 0 && b.images)
            return {b.images, b.disabledIndex, false};
        if (b.disabledImages)
            return {b.disabledImages, b.imageIndex, false};
        return {b.images, b.imageIndex, true};
    }
    if (LooksPushed(state) && b.downIndex >= 0)
        return {b.images, b.downIndex, false};
    if (hovered && b.hotIndex >= 0)
        return {b.images, b.hotIndex, false};
    return {b.images, b.imageIndex, false};
}
