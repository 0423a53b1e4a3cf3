#pragma once

#include "component.h"

#include <QRectF>

class TCanvas;

// What a drawn page shows that its objects do not hold: "[TotalPages#]" and "[CopyName#]" take
// the page count and copy number, and printed text is sized by the print scale. Passed with each
// drawing, so that drawing leaves the objects as they are.
struct TfrxDrawContext {
    int totalPages = 0;
    int copyNo = 0;
    double printScale = 1;
};

// An object that takes part in building: it is drawn, gets its data for each output, and keeps
// the template unchanged by restoring its bounds after every output.
class TfrxReportComponent : public TfrxComponent {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TfrxReportComponent(QObject* owner = nullptr) : TfrxComponent(owner) {}

    // Paints the object at the given scale; the offsets are device pixels of the corner of the
    // page's printable area. Drawing changes nothing of the object.
    virtual void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
                      const TfrxDrawContext& context = {}) const;
    // Takes the form the object is drawn in, once, before its first drawing (a text sized to its
    // text takes that width); the owner of a page to be drawn calls it for every object.
    virtual void PrepareForDrawing() {}
    // Saves the bounds before an output ...
    virtual void BeforePrint();
    // ... produces the object's content for it ...
    virtual void GetData() {}
    // ... and restores the bounds after it.
    virtual void AfterPrint();
    // An object that paints itself some other way than through Draw; page drawing passes it by.
    virtual bool IsOwnerDraw() const { return false; }

    // Names of script procedures; the engine never runs them, they are only kept.
    QString OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(const QString& value) { onBeforePrint_ = value; }
    QString OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(const QString& value) { onAfterPrint_ = value; }
    QString OnAfterData() const { return onAfterData_; }
    void SetOnAfterData(const QString& value) { onAfterData_ = value; }
    QString OnPreviewClick() const { return onPreviewClick_; }
    void SetOnPreviewClick(const QString& value) { onPreviewClick_ = value; }
    QString OnPreviewDblClick() const { return onPreviewDblClick_; }
    void SetOnPreviewDblClick(const QString& value) { onPreviewDblClick_ = value; }
    QString OnContentChanged() const { return onContentChanged_; }
    void SetOnContentChanged(const QString& value) { onContentChanged_ = value; }

private:
    QRectF savedBounds_;
    QString onBeforePrint_;
    QString onAfterPrint_;
    QString onAfterData_;
    QString onPreviewClick_;
    QString onPreviewDblClick_;
    QString onContentChanged_;
};
