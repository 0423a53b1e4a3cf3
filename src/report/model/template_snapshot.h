#pragma once

#include <QList>
#include <QMetaProperty>
#include <QPointer>
#include <QVariant>

class TfrxComponent;

// The published values of a report template and all its objects, taken before building and put
// back afterwards, so that nothing a build changed in the template (texts of bound objects,
// sizes, positions) outlives it. Only values that differ are written back: writing a value can
// change others (a paper side makes the paper custom).
class TfrxTemplateSnapshot {
public:
    explicit TfrxTemplateSnapshot(const TfrxComponent& root);

    void Restore() const;

private:
    struct Value {
        QPointer<QObject> holder;
        QMetaProperty property;
        QVariant value;
    };

    void Take(const QObject& object);

    QList<Value> values_;
};
