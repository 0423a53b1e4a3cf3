#pragma once

#include "page.h"

// A page that only holds data components.
class TfrxDataPage : public TfrxPage {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE SetLeft)
    Q_PROPERTY(double Top READ Top WRITE SetTop)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
    Q_PROPERTY(double Height READ Height WRITE SetHeight)

public:
    static constexpr double kDefaultSize = 1000;

    Q_INVOKABLE explicit TfrxDataPage(QObject* owner = nullptr) : TfrxPage(owner)
    {
        SetWidth(kDefaultSize);
        SetHeight(kDefaultSize);
    }

    bool IsLeftStored() const override { return Left() != 0; }
    bool IsTopStored() const override { return Top() != 0; }
};
