#include "toolbar_layout.h"

#include <algorithm>

namespace {

// Along a row and across it, so one loop serves both orientations.
int Along(QSize size, TOrientation o) { return o == orHorizontal ? size.width() : size.height(); }
int Across(QSize size, TOrientation o) { return o == orHorizontal ? size.height() : size.width(); }

bool AlignedAcrossRows(TAlign align, TOrientation o)
{
    if (align == alNone)
        return true;
    const bool edgeTopOrBottom = align == alTop || align == alBottom;
    const bool edgeLeftOrRight = align == alLeft || align == alRight;
    return o == orHorizontal ? edgeTopOrBottom : edgeLeftOrRight;
}

bool AlignedAlongRows(TAlign align, TOrientation o)
{
    return align != alNone && align != alClient && !AlignedAcrossRows(align, o);
}

}  // namespace

ToolbarLayout LayoutToolbarControls(const ToolbarLayoutInput& in)
{
    const TOrientation o = in.orientation;
    const int length = Along(in.toolbarSize, o);
    ToolbarLayout layout;
    int pos = in.margin;
    for (size_t i = 0; i < in.controls.size(); ++i) {
        const QSize control = in.controls[i];
        if (i > 0 && in.wrap && length - in.margin < Along(control, o) + pos) {
            pos = in.margin;
            ++layout.rows;
        }
        const int across = in.rowHeight * (layout.rows - 1) + in.topMargin + in.rowHeight / 2 - Across(control, o) / 2;
        int along = pos;
        if (o == orHorizontal && in.rightToLeft)
            along = length - control.width() - pos;
        layout.positions.push_back(o == orHorizontal ? QPoint(along, across) : QPoint(across, along));
        pos += Along(control, o);
        layout.extent = std::max(layout.extent, pos);
    }
    return layout;
}

QSize AutoResizedToolbarSize(const ToolbarLayoutInput& in, const ToolbarLayout& layout, TAlign align)
{
    const TOrientation o = in.orientation;
    int along = Along(in.toolbarSize, o), across = Across(in.toolbarSize, o);
    if (AlignedAcrossRows(align, o))
        across = in.rowHeight * layout.rows + 2 * in.topMargin;
    else if (AlignedAlongRows(align, o))
        along = in.margin + layout.extent;
    return o == orHorizontal ? QSize(along, across) : QSize(across, along);
}

TSides AutoStyleSides(TAlign align)
{
    switch (align) {
    case alBottom: return {sdBottom};
    case alLeft: return {sdLeft};
    case alRight: return {sdRight};
    default: return {sdTop};
    }
}

TextOptionsPreset PresetFor(TRzToolbarTextOptions options, TOrientation orientation)
{
    TextOptionsPreset preset{blGlyphLeft, 25, 25, false, 25};
    if (options == ttoShowTextLabels)
        preset = {blGlyphTop, 60, 40, true, 40};
    else if (options == ttoSelectiveTextOnRight)
        preset = {blGlyphLeft, 60, 25, true, 25};
    if (orientation == orVertical)
        preset.rowHeight = preset.buttonWidth;
    return preset;
}
