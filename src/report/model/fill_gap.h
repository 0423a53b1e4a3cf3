#pragma once

#include "report/base/persistent.h"

// How far a band's generated background object stays inside the band, in pixels.
class TfrxFillGap : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Bottom READ Bottom WRITE SetBottom)
    Q_PROPERTY(int Right READ Right WRITE SetRight)
    Q_CLASSINFO("default:Top", "0")
    Q_CLASSINFO("default:Left", "0")
    Q_CLASSINFO("default:Bottom", "0")
    Q_CLASSINFO("default:Right", "0")

public:
    Q_INVOKABLE explicit TfrxFillGap(QObject* owner = nullptr) : TfrxPersistent(owner) {}

    int Top() const { return top_; }
    void SetTop(int value) { top_ = value; }
    int Left() const { return left_; }
    void SetLeft(int value) { left_ = value; }
    int Bottom() const { return bottom_; }
    void SetBottom(int value) { bottom_ = value; }
    int Right() const { return right_; }
    void SetRight(int value) { right_ = value; }

private:
    int top_ = 0;
    int left_ = 0;
    int bottom_ = 0;
    int right_ = 0;
};
