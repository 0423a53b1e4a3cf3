#pragma once

#include <QFlags>
#include <QMetaEnum>
#include <QObject>

// The enumerations and sets of the report objects. They live in one meta-object namespace so that
// their member names (fsDot, smActualHeight, ...) are known at run time to the serializer; the
// names are imported into the global namespace below so code can write them as they are.
// The brush styles and font styles are not imported: the canvas and the font description already
// use those member names for their own types.
namespace frx {
Q_NAMESPACE

enum TfrxComponentStyle {
    csContainer = 0x01,
    csPreviewVisible = 0x02,
    csDefaultDiff = 0x04,
    csHandlesNestedProperties = 0x08,
    csContained = 0x10,
    csAcceptsFrxComponents = 0x20,
    csObjectsContainer = 0x40,
};
Q_DECLARE_FLAGS(TfrxComponentStyles, TfrxComponentStyle)
Q_FLAG_NS(TfrxComponentStyles)

enum TfrxAnchor { fraLeft = 0x01, fraTop = 0x02, fraRight = 0x04, fraBottom = 0x08 };
Q_DECLARE_FLAGS(TfrxAnchors, TfrxAnchor)
Q_FLAG_NS(TfrxAnchors)

enum TfrxRestriction {
    rfDontModify = 0x01,
    rfDontSize = 0x02,
    rfDontMove = 0x04,
    rfDontDelete = 0x08,
    rfDontEdit = 0x10,
    rfDontCopy = 0x20,
};
Q_DECLARE_FLAGS(TfrxRestrictions, TfrxRestriction)
Q_FLAG_NS(TfrxRestrictions)

enum TfrxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient, baHidden };
Q_ENUM_NS(TfrxAlign)

enum TfrxShiftMode { smDontShift, smAlways, smWhenOverlapped };
Q_ENUM_NS(TfrxShiftMode)

enum TfrxStretchMode { smDontStretch, smActualHeight, smMaxHeight };
Q_ENUM_NS(TfrxStretchMode)

enum TfrxVisibilityType { vsPreview = 0x01, vsExport = 0x02, vsPrint = 0x04 };
Q_DECLARE_FLAGS(TfrxVisibilityTypes, TfrxVisibilityType)
Q_FLAG_NS(TfrxVisibilityTypes)

enum TfrxFrameType { ftLeft = 0x01, ftRight = 0x02, ftTop = 0x04, ftBottom = 0x08 };
Q_DECLARE_FLAGS(TfrxFrameTypes, TfrxFrameType)
Q_FLAG_NS(TfrxFrameTypes)

enum TfrxFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble, fsAltDot, fsSquare };
Q_ENUM_NS(TfrxFrameStyle)

enum TfrxFillType { ftBrush, ftGradient, ftGlass };
Q_ENUM_NS(TfrxFillType)

// Same members and order as the canvas's brush styles.
enum TfrxBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TfrxBrushStyle)

// Same bits as the font description's style.
enum TfrxFontStyle { fsBold = 0x01, fsItalic = 0x02, fsUnderline = 0x04, fsStrikeOut = 0x08 };
Q_DECLARE_FLAGS(TfrxFontStyles, TfrxFontStyle)
Q_FLAG_NS(TfrxFontStyles)

enum TfrxFontPitch { fpDefault, fpVariable, fpFixed };
Q_ENUM_NS(TfrxFontPitch)

enum TfrxHAlign { haLeft, haRight, haCenter, haBlock };
Q_ENUM_NS(TfrxHAlign)

enum TfrxVAlign { vaTop, vaBottom, vaCenter };
Q_ENUM_NS(TfrxVAlign)

enum TfrxFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };
Q_ENUM_NS(TfrxFormatKind)

enum TfrxDuplicateMerge { dmShow, dmHide, dmClear, dmMerge };
Q_ENUM_NS(TfrxDuplicateMerge)

enum TfrxUnderlinesTextMode { ulmNone, ulmUnderlinesAll, ulmUnderlinesText, ulmUnderlinesTextAndEmptyLines };
Q_ENUM_NS(TfrxUnderlinesTextMode)

enum TfrxHyperlinkKind { hkURL, hkAnchor, hkPageNumber, hkDetailReport, hkDetailPage, hkCustom };
Q_ENUM_NS(TfrxHyperlinkKind)

enum TfrxShiftEngine { seLinear, seTree, seDontShift };
Q_ENUM_NS(TfrxShiftEngine)

enum TfrxToNRowsMode { rmCount, rmAddToCount, rmTillPageEnds };
Q_ENUM_NS(TfrxToNRowsMode)

enum TPrinterOrientation { poPortrait, poLandscape };
Q_ENUM_NS(TPrinterOrientation)

enum TfrxDuplexMode { dmNone, dmVertical, dmHorizontal, dmSimplex };
Q_ENUM_NS(TfrxDuplexMode)

enum TfrxRangeBegin { rbFirst, rbCurrent };
Q_ENUM_NS(TfrxRangeBegin)

enum TfrxRangeEnd { reLast, reCurrent, reCount };
Q_ENUM_NS(TfrxRangeEnd)

enum TfrxFieldType { fftNumeric, fftString, fftBoolean, fftDateTime };
Q_ENUM_NS(TfrxFieldType)

enum TfrxSilentMode { simMessageBoxes, simSilent, simReThrow };
Q_ENUM_NS(TfrxSilentMode)

enum TfrxPreviewButton {
    pbPrint = 1 << 0,
    pbLoad = 1 << 1,
    pbSave = 1 << 2,
    pbExport = 1 << 3,
    pbZoom = 1 << 4,
    pbFind = 1 << 5,
    pbOutline = 1 << 6,
    pbPageSetup = 1 << 7,
    pbTools = 1 << 8,
    pbEdit = 1 << 9,
    pbNavigator = 1 << 10,
    pbExportQuick = 1 << 11,
    pbNoClose = 1 << 12,
    pbNoFullScreen = 1 << 13,
    pbNoEmail = 1 << 14,
    pbCopy = 1 << 15,
    pbPaste = 1 << 16,
    pbSelection = 1 << 17,
    pbInplaceEdit = 1 << 18,
};
Q_DECLARE_FLAGS(TfrxPreviewButtons, TfrxPreviewButton)
Q_FLAG_NS(TfrxPreviewButtons)

enum TfrxZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
Q_ENUM_NS(TfrxZoomMode)

enum TfrxPrintMode { pmDefault, pmSplit, pmJoin, pmScale };
Q_ENUM_NS(TfrxPrintMode)

enum TfrxPrintPages { ppAll, ppOdd, ppEven };
Q_ENUM_NS(TfrxPrintPages)

}  // namespace frx

Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxComponentStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxAnchors)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxRestrictions)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxVisibilityTypes)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxFrameTypes)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxPreviewButtons)

using frx::TfrxAlign, frx::TfrxAnchor, frx::TfrxAnchors, frx::TfrxBrushStyle, frx::TfrxComponentStyle,
    frx::TfrxComponentStyles, frx::TfrxDuplexMode, frx::TfrxDuplicateMerge, frx::TfrxFieldType,
    frx::TfrxFillType, frx::TfrxFontPitch, frx::TfrxFontStyle, frx::TfrxFontStyles, frx::TfrxFormatKind,
    frx::TfrxFrameStyle, frx::TfrxFrameType, frx::TfrxFrameTypes, frx::TfrxHAlign, frx::TfrxHyperlinkKind,
    frx::TfrxPreviewButton, frx::TfrxPreviewButtons, frx::TfrxPrintMode, frx::TfrxPrintPages,
    frx::TfrxRangeBegin, frx::TfrxRangeEnd, frx::TfrxRestriction, frx::TfrxRestrictions,
    frx::TfrxShiftEngine, frx::TfrxShiftMode, frx::TfrxSilentMode, frx::TfrxStretchMode,
    frx::TfrxToNRowsMode, frx::TfrxUnderlinesTextMode, frx::TfrxVAlign, frx::TfrxVisibilityType,
    frx::TfrxVisibilityTypes, frx::TfrxZoomMode, frx::TPrinterOrientation;

using enum frx::TfrxComponentStyle;
using enum frx::TfrxAnchor;
using enum frx::TfrxRestriction;
using enum frx::TfrxAlign;
using enum frx::TfrxShiftMode;
using enum frx::TfrxStretchMode;
using enum frx::TfrxVisibilityType;
using enum frx::TfrxFrameType;
using enum frx::TfrxFrameStyle;
using enum frx::TfrxFillType;
using enum frx::TfrxFontPitch;
using enum frx::TfrxHAlign;
using enum frx::TfrxVAlign;
using enum frx::TfrxFormatKind;
using enum frx::TfrxDuplicateMerge;
using enum frx::TfrxUnderlinesTextMode;
using enum frx::TfrxHyperlinkKind;
using enum frx::TfrxShiftEngine;
using enum frx::TfrxToNRowsMode;
using enum frx::TPrinterOrientation;
using enum frx::TfrxDuplexMode;
using enum frx::TfrxRangeBegin;
using enum frx::TfrxRangeEnd;
using enum frx::TfrxFieldType;
using enum frx::TfrxSilentMode;
using enum frx::TfrxPreviewButton;
using enum frx::TfrxZoomMode;
using enum frx::TfrxPrintMode;
using enum frx::TfrxPrintPages;

// Every preview button shown by default: pbPrint to pbExportQuick, pbCopy and pbSelection.
constexpr TfrxPreviewButtons::Int kDefaultPreviewButtons = 0x0FFF | pbCopy | pbSelection;
