#pragma once

#include "report/base/report_types.h"

#include <QPixmap>

// The little pictures of the print and page settings dialogs, drawn here rather than loaded.

// Three numbered sheets twice: 1 2 3 1 2 3 when collated, 1 1 2 2 3 3 when not.
QPixmap CopiesPicture(bool collated);
// 64 × 32: how pages meet sheets in each print mode.
QPixmap PrintModePicture(TfrxPrintMode mode);
// A sheet standing up or lying down, with a letter on it.
QPixmap OrientationPicture(TPrinterOrientation orientation);
