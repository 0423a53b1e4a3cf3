#pragma once

#include "controls/toolbar_types.h"
#include "platform/colors.h"

class TImageList;

// Up: idle; Down: pressed; Exclusive: latched down in a group; Dropped: the drop-down part open.
enum class TToolButtonState { Up, Disabled, Down, Exclusive, Dropped };

// Whether the button shows its hovered face: pressed, latched or dropped, or under the mouse
// while enabled.
bool LooksHovered(TToolButtonState state, bool mouseInControl);
bool LooksPushed(TToolButtonState state);

// The face drawn under the image and caption.
enum class ButtonFace {
    None,            // flat and idle: the toolbar shows through
    Raised,          // one-pixel raised frame
    Sunken,          // one-pixel sunken frame
    RaisedEdge,      // two-pixel raised edge
    SunkenEdge,      // two-pixel sunken edge
    Gradient,        // selection gradient in its frame
    GradientReversed
};

ButtonFace FaceFor(TRzVisualStyle style, TToolButtonState state, bool mouseInControl, bool flat);

// The caption colour: under the system style the font colour, clBtnShadow when disabled; under
// another visual style that style's button text colours. A pressed caption keeps its colour: the
// highlight text colour would vanish on the sunken face this platform draws.
TColor CaptionColorFor(TToolButtonState state, TColor fontColor, bool systemStyle);

// The image lists and indexes a button can draw from.
struct ButtonImages {
    const TImageList* images = nullptr;
    const TImageList* disabledImages = nullptr;
    int imageIndex = -1;
    int disabledIndex = -1;
    int hotIndex = -1;
    int downIndex = -1;
};

struct ImageChoice {
    const TImageList* list = nullptr;
    int index = -1;
    bool greyed = false;  // drawn in the list's disabled manner
    bool Drawn() const { return list != nullptr && index >= 0; }
};

// Which picture shows for a state: the down, hot or normal picture while enabled; while disabled
// the disabled picture, else the normal one from the disabled list, else the normal one greyed.
ImageChoice ChooseImage(const ButtonImages& images, TToolButtonState state, bool hovered);
