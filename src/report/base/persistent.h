#pragma once

#include <QObject>

// Base of the sub-objects of report objects (font, frame, fill, display format, options). Their
// published properties are written under the owner's property name with a dot (Frame.Typ).
class TfrxPersistent : public QObject {
    Q_OBJECT
public:
    explicit TfrxPersistent(QObject* owner = nullptr) : QObject(owner) {}

    // Copies every published property, sub-objects included, from an object of the same class.
    void Assign(const TfrxPersistent& source);
};
