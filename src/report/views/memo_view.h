#pragma once

#include "custom_memo_view.h"

// The text object class that templates hold.
class TfrxMemoView : public TfrxCustomMemoView {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TfrxMemoView(QObject* owner = nullptr) : TfrxCustomMemoView(owner) {}
};

// A text object of the designer's system texts; the diary does not use it.
class TfrxSysMemoView : public TfrxCustomMemoView {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TfrxSysMemoView(QObject* owner = nullptr) : TfrxCustomMemoView(owner) {}
};
