#pragma once

// Settings the toolbar shares with its buttons.

enum TOrientation { orHorizontal, orVertical };

// Where a button's image sits relative to its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

enum TRzVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TRzGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };

// Presets of the buttons' layout, size and caption visibility; ttoCustom once any of them is set
// on its own.
enum TRzToolbarTextOptions { ttoNoTextLabels, ttoShowTextLabels, ttoSelectiveTextOnRight, ttoCustom };

enum TRzToolStyle { tsButton, tsDropDown };
