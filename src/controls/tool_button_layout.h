#pragma once

#include "controls/color_popup_placement.h"  // TAlignment
#include "controls/toolbar_types.h"
#include "platform/font_desc.h"

#include <QRect>
#include <QSize>
#include <QStringList>

// Geometry of a tool button, shared by its painting and its mouse handling.

constexpr int kDropDownArrowWidth = 14;
// The image and caption are laid out inside the button less this much on every side.
constexpr int kContentInset = 2;

// What decides the size of a button that follows its toolbar's button size.
struct ToolButtonSizing {
    int buttonWidth = 25;
    int buttonHeight = 25;
    bool showCaption = false;
    TButtonLayout layout = blGlyphLeft;
    int captionWidth = 0;   // of the shown caption, in the button's font
    QSize imageSize;        // of the button's image list; empty without one
    bool dropDown = false;
};

// The toolbar's button size, widened so image and caption fit (image beside the caption: image +
// caption + 12; image above or below it: caption + 8), plus the drop-down arrow part, and never
// smaller than the images.
QSize ToolButtonSize(const ToolButtonSizing& sizing);

// The part of the button that acts as the button, and the drop-down arrow part right of it.
QRect ButtonPartRect(const QRect& bounds, TRzToolStyle style);
QRect DropDownArrowRect(const QRect& bounds, TRzToolStyle style);

// What is placed inside the button.
struct ToolButtonContent {
    QRect bounds;           // the button part
    QSize imageSize;        // empty: no image
    QString caption;        // as shown (accelerator markers removed); empty: no caption
    TFontDesc font;
    TButtonLayout layout = blGlyphLeft;
    int spacing = 4;
    TAlignment alignment = taCenter;
    bool pushed = false;    // the content moves one pixel right and down while pushed
};

struct ToolButtonContentLayout {
    QRect imageRect;          // empty without image
    QRect captionRect;        // empty without caption
    QStringList captionLines; // the caption word-wrapped to the captionRect's width
};

// Places the image and the caption block: image and caption side by side (or stacked), the block
// centred (or moved to the side given by the alignment), each part centred across the block.
ToolButtonContentLayout LayoutToolButtonContent(const ToolButtonContent& content);
