#pragma once

#include <QIcon>
#include <QImage>

// The strip of toolbar images: 448 × 32 pixels, cut into 16 × 16 cells row by row.
const QImage& ToolbarStrip();
// Cell `index` of the strip; an empty icon outside it.
QIcon ToolbarImage(int index);
