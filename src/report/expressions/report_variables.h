#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// Named values: the report's variables (a string value is itself an expression) and the global
// variables every report sees.
class TfrxVariables {
public:
    int Count() const { return int(items_.size()); }
    QString Name(int index) const { return items_[index].first; }
    QVariant Value(int index) const { return items_[index].second; }
    // Sets the variable, adding it when it is new. Names are compared without regard to case.
    void SetValue(const QString& name, const QVariant& value);
    bool Find(const QString& name, QVariant& value) const;
    int IndexOf(const QString& name) const;
    void Delete(int index) { items_.removeAt(index); }
    void Clear() { items_.clear(); }

private:
    QList<std::pair<QString, QVariant>> items_;
};

// The global variables ("CopyName" and "CopyName0" among them while printing copies).
TfrxVariables& frxGlobalVariables();
