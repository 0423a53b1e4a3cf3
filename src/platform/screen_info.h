#pragma once

#include <QList>
#include <QRect>

// The screen's logical pixels per inch, what new fonts are sized at (96 when there is no screen).
int ScreenPixelsPerInch();

// The primary monitor's work area (the screen less panels and task bars), in screen coordinates.
QRect PrimaryWorkArea();
// Every monitor's work area.
QList<QRect> WorkAreas();
