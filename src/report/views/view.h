#pragma once

#include "view_geometry.h"

#include "report/model/brush_fill.h"
#include "report/model/data_set_link.h"
#include "report/model/frx_frame.h"
#include "report/model/hyperlink.h"
#include "report/model/report_component.h"

// A visible object: frame, fill, data binding and how it moves when objects above it grow.
class TfrxView : public TfrxReportComponent {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE SetLeft)
    Q_PROPERTY(double Top READ Top WRITE SetTop)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
    Q_PROPERTY(double Height READ Height WRITE SetHeight)
    Q_PROPERTY(TfrxFont* Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(frx::TfrxAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(frx::TfrxRestrictions Restrictions READ Restrictions WRITE SetRestrictions)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(frx::TfrxAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(bool AllowVectorExport READ AllowVectorExport WRITE SetAllowVectorExport)
    Q_PROPERTY(frx::TfrxShiftMode ShiftMode READ ShiftMode WRITE SetShiftMode)
    Q_PROPERTY(bool Printable READ Printable WRITE SetPrintable)
    Q_PROPERTY(frx::TfrxVisibilityTypes Visibility READ Visibility WRITE SetVisibility)
    Q_PROPERTY(TfrxFrame* Frame READ Frame)
    Q_PROPERTY(frx::TfrxFillType FillType READ FillType WRITE SetFillType)
    Q_PROPERTY(TfrxBrushFill* Fill READ Fill)
    Q_PROPERTY(TfrxDataSet* DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(TfrxHyperlink* Hyperlink READ Hyperlink)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(QString TagStr READ TagStr WRITE SetTagStr)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(QString OnBeforePrint READ OnBeforePrint WRITE SetOnBeforePrint)
    Q_PROPERTY(QString OnAfterPrint READ OnAfterPrint WRITE SetOnAfterPrint)
    Q_PROPERTY(QString OnAfterData READ OnAfterData WRITE SetOnAfterData)
    Q_PROPERTY(QString OnPreviewClick READ OnPreviewClick WRITE SetOnPreviewClick)
    Q_PROPERTY(QString OnPreviewDblClick READ OnPreviewDblClick WRITE SetOnPreviewDblClick)
    Q_PROPERTY(QString OnContentChanged READ OnContentChanged WRITE SetOnContentChanged)
    Q_PROPERTY(QString OnMouseEnter READ OnMouseEnter WRITE SetOnMouseEnter)
    Q_PROPERTY(QString OnMouseLeave READ OnMouseLeave WRITE SetOnMouseLeave)
    Q_PROPERTY(QString OnMouseDown READ OnMouseDown WRITE SetOnMouseDown)
    Q_PROPERTY(QString OnMouseMove READ OnMouseMove WRITE SetOnMouseMove)
    Q_PROPERTY(QString OnMouseUp READ OnMouseUp WRITE SetOnMouseUp)
    Q_CLASSINFO("default:Align", "baNone")
    Q_CLASSINFO("default:ShiftMode", "smAlways")
    Q_CLASSINFO("default:Printable", "true")
    Q_CLASSINFO("default:Visibility", "[vsPreview, vsExport, vsPrint]")
    Q_CLASSINFO("default:FillType", "ftBrush")
    Q_CLASSINFO("default:ShowHint", "false")
    Q_CLASSINFO("default:Cursor", "0")

public:
    Q_INVOKABLE explicit TfrxView(QObject* owner = nullptr);

    TfrxAlign Align() const override { return align_; }
    void SetAlign(TfrxAlign value) { align_ = value; }
    bool AllowVectorExport() const { return allowVectorExport_; }
    void SetAllowVectorExport(bool value) { allowVectorExport_ = value; }
    TfrxShiftMode ShiftMode() const { return shiftMode_; }
    void SetShiftMode(TfrxShiftMode value) { shiftMode_ = value; }
    bool Printable() const { return printable_; }
    void SetPrintable(bool value) { printable_ = value; }
    // Shown on screen only with vsPreview, printed only with vsPrint.
    TfrxVisibilityTypes Visibility() const { return visibility_; }
    void SetVisibility(TfrxVisibilityTypes value) { visibility_ = value; }
    TfrxFrame* Frame() const { return frame_; }
    // Only the brush fill is painted; the other kinds are kept as set.
    TfrxFillType FillType() const { return fillType_; }
    void SetFillType(TfrxFillType value) { fillType_ = value; }
    TfrxBrushFill* Fill() const { return fill_; }

    TfrxDataSet* DataSet() const { return dataSet_.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { dataSet_.SetDataSet(value); }
    QString DataSetName() const { return dataSet_.DataSetName(); }
    void SetDataSetName(const QString& value) { dataSet_.SetDataSetName(value, Report()); }
    QString DataField() const { return dataField_; }
    void SetDataField(const QString& value) { dataField_ = value; }
    bool IsDataField() const { return DataSet() && !dataField_.isEmpty(); }

    TfrxHyperlink* Hyperlink() const { return hyperlink_; }
    QString Hint() const { return hint_; }
    void SetHint(const QString& value) { hint_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }
    QString TagStr() const { return tagStr_; }
    void SetTagStr(const QString& value) { tagStr_ = value; }
    int Cursor() const { return cursor_; }
    void SetCursor(int value) { cursor_ = value; }
    QString OnMouseEnter() const { return onMouseEnter_; }
    void SetOnMouseEnter(const QString& value) { onMouseEnter_ = value; }
    QString OnMouseLeave() const { return onMouseLeave_; }
    void SetOnMouseLeave(const QString& value) { onMouseLeave_ = value; }
    QString OnMouseDown() const { return onMouseDown_; }
    void SetOnMouseDown(const QString& value) { onMouseDown_ = value; }
    QString OnMouseMove() const { return onMouseMove_; }
    void SetOnMouseMove(const QString& value) { onMouseMove_ = value; }
    QString OnMouseUp() const { return onMouseUp_; }
    void SetOnMouseUp(const QString& value) { onMouseUp_ = value; }

    // The tag text and the hyperlink's value have their bracketed expressions replaced for each
    // output; BeforePrint and AfterPrint keep them as designed.
    void BeforePrint() override;
    void GetData() override;
    void AfterPrint() override;

    // Fill, then frame.
    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
              const TfrxDrawContext& context = {}) const override;
    // Where the view lands for one drawing; PaintFill and PaintFrame paint there.
    ViewDeviceRect DeviceRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const;
    void PaintFill(TCanvas& canvas, const ViewDeviceRect& rect) const;
    void PaintFrame(TCanvas& canvas, const ViewDeviceRect& rect) const;

private:
    TfrxAlign align_ = baNone;
    bool allowVectorExport_ = true;
    TfrxShiftMode shiftMode_ = smAlways;
    bool printable_ = true;
    TfrxVisibilityTypes visibility_ = vsPreview | vsExport | vsPrint;
    TfrxFrame* frame_;
    TfrxFillType fillType_ = ftBrush;
    TfrxBrushFill* fill_;
    DataSetLink dataSet_;
    QString dataField_;
    TfrxHyperlink* hyperlink_;
    QString hint_;
    bool showHint_ = false;
    QString tagStr_;
    int cursor_ = 0;
    QString onMouseEnter_;
    QString onMouseLeave_;
    QString onMouseDown_;
    QString onMouseMove_;
    QString onMouseUp_;
    QString savedTagStr_;
    QString savedHyperlinkValue_;
};
