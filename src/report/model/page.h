#pragma once

#include "component.h"

// Base of the report's pages.
class TfrxPage : public TfrxComponent {
    Q_OBJECT
    Q_PROPERTY(TfrxFont* Font READ Font)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    Q_INVOKABLE explicit TfrxPage(QObject* owner = nullptr) : TfrxComponent(owner)
    {
        AddStyle(csAcceptsFrxComponents);
    }
};
