#pragma once

#include "platform/rounding.h"

#include <QRect>

// The window is designed at 96 pixels per inch and scaled to the screen's resolution.
class FormScale {
public:
    explicit FormScale(int pixelsPerInch = 96) : ppi_(pixelsPerInch) {}
    int operator()(int designed) const { return MulDivRound(designed, ppi_, 96); }
    QRect operator()(const QRect& r) const { return {(*this)(r.x()), (*this)(r.y()), (*this)(r.width()), (*this)(r.height())}; }
    int PixelsPerInch() const { return ppi_; }

private:
    int ppi_;
};
