#pragma once

#include "component.h"

#include <QRectF>

class TCanvas;

// An object that takes part in building: it is drawn, gets its data for each output, and keeps
// the template unchanged by restoring its bounds after every output.
class TfrxReportComponent : public TfrxComponent {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TfrxReportComponent(QObject* owner = nullptr) : TfrxComponent(owner) {}

    // Paints the object at the given scale; the offsets are device pixels of the corner of the
    // page's printable area.
    virtual void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY);
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
