#pragma once

#include "colors.h"

#include <QString>
#include <map>

// Colours of themed elements that a visual style defines beyond the system colours. Controls ask
// for these when a non-system style is active; the style catalogue fills them in per style.
enum class StyleElementColor {
    EditBackground,      // inside of an edit box
    EditBorder,          // frame of an edit box
    EditTextNormal,
    EditTextDisabled,
    ButtonTextNormal,
    GenericGradientBase  // base of gradient-filled panels and captions
};

using StyleElementPalette = std::map<StyleElementColor, TColor>;

// Installs the element colours of a named style (replacing earlier ones).
void RegisterStyleElementColors(const QString& styleName, const StyleElementPalette& palette);

// The colour of an element under the active style, as RGB. A style that does not define an
// element falls back to the system colour that plays its part (clWindow for edit backgrounds, ...),
// resolved through the active style.
TColor ActiveStyleElementColor(StyleElementColor element);
