#pragma once

#include "text_rect.h"

#include "report/base/report_types.h"

// What decides where a text object's text goes inside its bounds.
struct MemoBox {
    double absLeft = 0;
    double absTop = 0;
    double width = 0;
    double height = 0;
    double gapX = 0;
    double gapY = 0;
    double frameWidth = 1;
    TfrxFrameTypes sides;
    double shadowWidth = 0;  // 0 without a drop shadow
};

// The rectangle the text is laid out in, in device pixels at the given scale, with the offsets of
// the printable area's corner: the bounds less the gaps and the inner half of each framed side.
TextRect MemoTextRect(const MemoBox& box, double scaleX, double scaleY, double offsetX, double offsetY);

// How much taller and wider the object is than its text: gaps on both sides, the framed sides'
// widths and the drop shadow.
double VerticalExtra(const MemoBox& box);
double HorizontalExtra(const MemoBox& box);
