#pragma once

#include "brush_fill.h"
#include "fill_gap.h"
#include "frx_frame.h"
#include "report_component.h"

#include <QPointer>

class TfrxChild;
class TfrxDataBand;

// A horizontal strip of a page; base of every band kind. The fields that only some kinds use
// (child band, splitting, stretching, shift engine) are published here for all of them.
class TfrxBand : public TfrxReportComponent {
    Q_OBJECT
    Q_MOC_INCLUDE("report/model/band_kinds.h")
    Q_PROPERTY(double Left READ Left WRITE SetLeft)
    Q_PROPERTY(double Top READ Top WRITE SetTop)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
    Q_PROPERTY(double Height READ Height WRITE SetHeight)
    Q_PROPERTY(TfrxFont* Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(frx::TfrxRestrictions Restrictions READ Restrictions WRITE SetRestrictions)
    Q_PROPERTY(bool Vertical READ Vertical WRITE SetVertical)
    Q_PROPERTY(frx::TfrxFillType FillType READ FillType WRITE SetFillType)
    Q_PROPERTY(TfrxBrushFill* Fill READ Fill)
    Q_PROPERTY(TfrxFillGap* FillGap READ FillGap)
    Q_PROPERTY(TfrxFrame* Frame READ Frame)
    Q_PROPERTY(QString OnBeforePrint READ OnBeforePrint WRITE SetOnBeforePrint)
    Q_PROPERTY(QString OnAfterPrint READ OnAfterPrint WRITE SetOnAfterPrint)
    Q_PROPERTY(QString OnAfterCalcHeight READ OnAfterCalcHeight WRITE SetOnAfterCalcHeight)
    Q_PROPERTY(bool AllowSplit READ AllowSplit WRITE SetAllowSplit)
    Q_PROPERTY(TfrxChild* Child READ Child WRITE SetChild)
    Q_PROPERTY(bool KeepChild READ KeepChild WRITE SetKeepChild)
    Q_PROPERTY(QString OutlineText READ OutlineText WRITE SetOutlineText)
    Q_PROPERTY(bool PrintChildIfInvisible READ PrintChildIfInvisible WRITE SetPrintChildIfInvisible)
    Q_PROPERTY(bool StartNewPage READ StartNewPage WRITE SetStartNewPage)
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
    Q_PROPERTY(frx::TfrxShiftEngine ShiftEngine READ ShiftEngine WRITE SetShiftEngine)
    Q_CLASSINFO("default:Vertical", "false")
    // Unlike views, bands always write their fill type.
    Q_CLASSINFO("default:FillType", "")
    Q_CLASSINFO("default:AllowSplit", "false")
    Q_CLASSINFO("default:KeepChild", "false")
    Q_CLASSINFO("default:PrintChildIfInvisible", "false")
    Q_CLASSINFO("default:StartNewPage", "false")
    Q_CLASSINFO("default:Stretched", "false")
    Q_CLASSINFO("default:ShiftEngine", "seTree")

public:
    Q_INVOKABLE explicit TfrxBand(QObject* owner = nullptr);

    bool Vertical() const { return vertical_; }
    void SetVertical(bool value) { vertical_ = value; }
    TfrxFillType FillType() const { return fillType_; }
    void SetFillType(TfrxFillType value) { fillType_ = value; }
    TfrxBrushFill* Fill() const { return fill_; }
    TfrxFillGap* FillGap() const { return fillGap_; }
    TfrxFrame* Frame() const { return frame_; }
    QString OnAfterCalcHeight() const { return onAfterCalcHeight_; }
    void SetOnAfterCalcHeight(const QString& value) { onAfterCalcHeight_ = value; }

    bool AllowSplit() const { return allowSplit_; }
    void SetAllowSplit(bool value) { allowSplit_ = value; }
    // The band printed right after this one.
    TfrxChild* Child() const;
    void SetChild(TfrxChild* value);
    bool KeepChild() const { return keepChild_; }
    void SetKeepChild(bool value) { keepChild_ = value; }
    QString OutlineText() const { return outlineText_; }
    void SetOutlineText(const QString& value) { outlineText_ = value; }
    bool PrintChildIfInvisible() const { return printChildIfInvisible_; }
    void SetPrintChildIfInvisible(bool value) { printChildIfInvisible_ = value; }
    bool StartNewPage() const { return startNewPage_; }
    void SetStartNewPage(bool value) { startNewPage_ = value; }
    bool Stretched() const { return stretched_; }
    void SetStretched(bool value) { stretched_ = value; }
    TfrxShiftEngine ShiftEngine() const { return shiftEngine_; }
    void SetShiftEngine(TfrxShiftEngine value) { shiftEngine_ = value; }

    // A band at the left edge does not write its Left.
    bool IsLeftStored() const override { return Left() != 0; }

    // State kept while building.
    int FLineN = 0;
    int FLineThrough = 0;
    double FStretchedHeight = 0;
    TfrxBand* FHeader = nullptr;
    TfrxBand* FFooter = nullptr;
    TfrxBand* FGroup = nullptr;
    QList<TfrxDataBand*> FSubBands;

private:
    bool vertical_ = false;
    TfrxFillType fillType_ = ftBrush;
    TfrxBrushFill* fill_;
    TfrxFillGap* fillGap_;
    TfrxFrame* frame_;
    QString onAfterCalcHeight_;
    bool allowSplit_ = false;
    QPointer<TfrxChild> child_;
    bool keepChild_ = false;
    QString outlineText_;
    bool printChildIfInvisible_ = false;
    bool startNewPage_ = false;
    bool stretched_ = false;
    TfrxShiftEngine shiftEngine_ = seTree;
};
