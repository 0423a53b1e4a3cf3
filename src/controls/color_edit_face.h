#pragma once

#include "platform/colors.h"

#include <QRect>

class TCanvas;

// Where the parts of a colour edit of a given size lie.
struct ColorEditFace {
    QRect inside;  // within the edit frame
    QRect button;  // the drop-down button, empty when hidden
    QRect swatch;  // the colour shown: the client area less 2 pixels on every side
};

enum class DropButtonSide { Right, Left };
ColorEditFace ColorEditFaceLayout(QSize size, bool buttonVisible, DropButtonSide side);

// Painting of the edit's parts; `marked` is "focused or dropped down".
void PaintEditFrame(TCanvas& canvas, QRect rect);
enum class DropButtonState { Normal, Pushed, Inactive };
void PaintDropButton(TCanvas& canvas, const QRect& button, DropButtonState state);
void PaintColorFace(TCanvas& canvas, const QRect& swatch, TColor color, bool marked);
