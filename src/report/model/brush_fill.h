#pragma once

#include "report/base/persistent.h"
#include "report/base/report_types.h"

#include "platform/colors.h"

// The plain fill of a view: a back colour (clNone: transparent) and an optional hatch drawn in the
// fore colour over it.
class TfrxBrushFill : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(TColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(TColor ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(frx::TfrxBrushStyle Style READ Style WRITE SetStyle)
    Q_CLASSINFO("default:BackColor", "0x1FFFFFFF")
    Q_CLASSINFO("default:ForeColor", "0x000000")
    Q_CLASSINFO("default:Style", "bsSolid")

public:
    Q_INVOKABLE explicit TfrxBrushFill(QObject* owner = nullptr) : TfrxPersistent(owner) {}

    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value) { backColor_ = value; }
    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor value) { foreColor_ = value; }
    TfrxBrushStyle Style() const { return style_; }
    void SetStyle(TfrxBrushStyle value) { style_ = value; }

    bool IsHatched() const { return style_ >= frx::bsHorizontal; }

private:
    TColor backColor_ = clNone;
    TColor foreColor_ = clBlack;
    TfrxBrushStyle style_ = frx::bsSolid;
};
