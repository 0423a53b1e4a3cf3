#pragma once

#include "controls/align.h"

#include <QMargins>
#include <QRect>
#include <QWidget>
#include <vector>

// A child placed by alignment the way the designed forms arrange their controls: top and bottom
// children take the full width in turn, left and right ones the remaining height, and the client
// child what is left, each inside its margins. A hidden child takes no room.
struct AlignedWidget {
    QWidget* widget = nullptr;
    TAlign align = alNone;
    QMargins margins;
};

// The rectangles for the children in order, inside `client`. Pure, so tests can check it.
std::vector<QRect> AlignRects(const QRect& client, const std::vector<AlignedWidget>& children);
void ApplyAlign(const QRect& client, const std::vector<AlignedWidget>& children);
