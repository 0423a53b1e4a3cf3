#pragma once

#include "report/base/persistent.h"
#include "report/base/report_types.h"

#include "platform/font_desc.h"

#include <functional>

// The font of a report object. Report fonts default to Arial 10 pt black at 96 pixels per inch.
class TfrxFont : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(frx::TfrxFontPitch Pitch READ Pitch WRITE SetPitch)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(frx::TfrxFontStyles Style READ Style WRITE SetStyle)
    Q_CLASSINFO("default:Pitch", "fpDefault")
    Q_CLASSINFO("stored:Size", "false")  // the height carries it

public:
    Q_INVOKABLE explicit TfrxFont(QObject* owner = nullptr);

    static TFontDesc DefaultDesc();

    const TFontDesc& Desc() const { return desc_; }
    void SetDesc(const TFontDesc& desc);

    int Charset() const { return desc_.charset; }
    void SetCharset(int value);
    TColor Color() const { return desc_.color; }
    void SetColor(TColor value);
    int Height() const { return desc_.height; }
    void SetHeight(int value);
    QString Name() const { return desc_.name; }
    void SetName(const QString& value);
    TfrxFontPitch Pitch() const { return TfrxFontPitch(desc_.pitch); }
    void SetPitch(TfrxFontPitch value);
    int Size() const { return desc_.Size(); }
    void SetSize(int points);
    TfrxFontStyles Style() const { return TfrxFontStyles(int(desc_.style)); }
    void SetStyle(TfrxFontStyles value);

    // Raised after every change of the description.
    std::function<void()> OnChange;

private:
    template <typename Change>
    void Modify(Change change)
    {
        TFontDesc desc = desc_;
        change(desc);
        SetDesc(desc);
    }

    TFontDesc desc_;
};
