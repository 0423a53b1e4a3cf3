#pragma once

#include "report/base/report_types.h"

#include <QRectF>
#include <QSizeF>
#include <vector>

struct AlignedChild {
    TfrxAlign align = baNone;
    QRectF bounds;  // relative to the parent
};

// Where children with an Align rule go inside a parent's client area, in child order: baLeft and
// baRight stack against the left and right edges, baBottom against the bottom, baWidth spans the
// remaining width, baCenter centres horizontally, and baClient (placed last) takes what is left.
// baNone and baHidden keep their bounds.
std::vector<QRectF> AlignChildBounds(QSizeF client, const std::vector<AlignedChild>& children);
