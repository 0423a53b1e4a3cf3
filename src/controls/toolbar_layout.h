#pragma once

#include "controls/align.h"
#include "controls/custom_panel.h"
#include "controls/toolbar_types.h"

#include <QPoint>
#include <QSize>
#include <vector>

// Where the toolbar puts its controls: in rows from the left margin, wrapping to a new row when a
// control would pass the right margin, each control centred vertically in its row. Vertical
// toolbars do the same in columns.
struct ToolbarLayoutInput {
    QSize toolbarSize;
    int margin = 4;
    int topMargin = 2;
    int rowHeight = 25;
    bool wrap = true;
    TOrientation orientation = orHorizontal;
    bool rightToLeft = false;
    std::vector<QSize> controls;  // the visible controls, in toolbar order
};

struct ToolbarLayout {
    std::vector<QPoint> positions;  // top-left of each control
    int rows = 1;                   // columns when vertical
    int extent = 0;                 // the furthest the controls reach along a row, margin included
};

ToolbarLayout LayoutToolbarControls(const ToolbarLayoutInput& input);

// The size an auto-resizing toolbar takes: across its rows it is as deep as its rows plus the top
// margin on both sides; along them (when aligned that way) as long as its longest row plus a margin.
QSize AutoResizedToolbarSize(const ToolbarLayoutInput& input, const ToolbarLayout& layout, TAlign align);

// The frame side an automatically styled toolbar draws its divider on.
TSides AutoStyleSides(TAlign align);

// The button settings a text-options preset stands for.
struct TextOptionsPreset {
    TButtonLayout layout;
    int buttonWidth;
    int buttonHeight;
    bool showCaptions;
    int rowHeight;
};
// The preset of a choice other than ttoCustom; a vertical toolbar's rows are as high as the
// buttons are wide.
TextOptionsPreset PresetFor(TRzToolbarTextOptions options, TOrientation orientation);
