#pragma once

#include "report/base/persistent.h"
#include "report/base/report_types.h"

#include "platform/colors.h"

class TfrxFrame;

// One side of a frame. A side is written out only where it differs from its frame, because
// setting the frame's colour, style or width sets all four sides first.
class TfrxFrameLine : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(frx::TfrxFrameStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
    Q_CLASSINFO("stored:Color", "IsColorStored")
    Q_CLASSINFO("stored:Style", "IsStyleStored")
    Q_CLASSINFO("stored:Width", "IsWidthStored")

public:
    explicit TfrxFrameLine(TfrxFrame* frame);

    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TfrxFrameStyle Style() const { return style_; }
    void SetStyle(TfrxFrameStyle value) { style_ = value; }
    double Width() const { return width_; }
    void SetWidth(double value) { width_ = value; }

    Q_INVOKABLE bool IsColorStored() const;
    Q_INVOKABLE bool IsStyleStored() const;
    Q_INVOKABLE bool IsWidthStored() const;

private:
    const TfrxFrame* frame_;
    TColor color_ = clBlack;
    TfrxFrameStyle style_ = fsSolid;
    double width_ = 1;
};

class TfrxFrame : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool DropShadow READ DropShadow WRITE SetDropShadow)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(double ShadowWidth READ ShadowWidth WRITE SetShadowWidth)
    Q_PROPERTY(frx::TfrxFrameStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(frx::TfrxFrameTypes Typ READ Typ WRITE SetTyp)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
    Q_PROPERTY(TfrxFrameLine* LeftLine READ LeftLine)
    Q_PROPERTY(TfrxFrameLine* TopLine READ TopLine)
    Q_PROPERTY(TfrxFrameLine* RightLine READ RightLine)
    Q_PROPERTY(TfrxFrameLine* BottomLine READ BottomLine)
    Q_CLASSINFO("default:Color", "0x000000")
    Q_CLASSINFO("default:DropShadow", "false")
    Q_CLASSINFO("default:ShadowColor", "0x000000")
    Q_CLASSINFO("default:Style", "fsSolid")
    Q_CLASSINFO("stored:ShadowWidth", "IsShadowWidthStored")
    Q_CLASSINFO("stored:Width", "IsWidthStored")

public:
    static constexpr double kDefaultShadowWidth = 4;
    static constexpr double kDefaultWidth = 1;

    Q_INVOKABLE explicit TfrxFrame(QObject* owner = nullptr);

    // Setting the frame's colour, style or width sets the same value on all four sides.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool DropShadow() const { return dropShadow_; }
    void SetDropShadow(bool value) { dropShadow_ = value; }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { shadowColor_ = value; }
    double ShadowWidth() const { return shadowWidth_; }
    void SetShadowWidth(double value) { shadowWidth_ = value; }
    TfrxFrameStyle Style() const { return style_; }
    void SetStyle(TfrxFrameStyle value);
    TfrxFrameTypes Typ() const { return typ_; }
    void SetTyp(TfrxFrameTypes value) { typ_ = value; }
    double Width() const { return width_; }
    void SetWidth(double value);

    TfrxFrameLine* LeftLine() const { return leftLine_; }
    TfrxFrameLine* TopLine() const { return topLine_; }
    TfrxFrameLine* RightLine() const { return rightLine_; }
    TfrxFrameLine* BottomLine() const { return bottomLine_; }
    // The line of one side (ftLeft, ftRight, ftTop or ftBottom).
    TfrxFrameLine* Line(TfrxFrameType side) const;

    Q_INVOKABLE bool IsShadowWidthStored() const { return shadowWidth_ != kDefaultShadowWidth; }
    Q_INVOKABLE bool IsWidthStored() const { return width_ != kDefaultWidth; }

private:
    template <typename Apply>
    void ForEachLine(Apply apply)
    {
        for (TfrxFrameLine* line : {leftLine_, topLine_, rightLine_, bottomLine_})
            apply(*line);
    }

    TColor color_ = clBlack;
    bool dropShadow_ = false;
    TColor shadowColor_ = clBlack;
    double shadowWidth_ = kDefaultShadowWidth;
    TfrxFrameStyle style_ = fsSolid;
    TfrxFrameTypes typ_;
    double width_ = kDefaultWidth;
    TfrxFrameLine* leftLine_;
    TfrxFrameLine* topLine_;
    TfrxFrameLine* rightLine_;
    TfrxFrameLine* bottomLine_;
};
