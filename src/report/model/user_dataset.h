#pragma once

#include "dataset.h"

// A data source whose rows the application supplies through events: the report asks for a field
// of the current row (RecNo) and the application answers.
class TfrxUserDataSet : public TfrxDataSet {
    Q_OBJECT
    Q_PROPERTY(QStringList Fields READ Fields WRITE SetFields)

public:
    using GetValueEvent = std::function<void(const QString& varName, QVariant& value)>;
    using NewGetValueEvent = std::function<void(TfrxDataSet* sender, const QString& varName, QVariant& value)>;
    using GetBlobValueEvent = std::function<void(TfrxDataSet* sender, const QString& fieldName, QObject* assignTo)>;
    using IsBlobFieldEvent = std::function<bool(TfrxDataSet* sender, const QString& fieldName)>;

    Q_INVOKABLE explicit TfrxUserDataSet(QObject* owner = nullptr) : TfrxDataSet(owner) {}

    QStringList Fields() const { return fields_; }
    void SetFields(const QStringList& value) { fields_ = value; }

    GetValueEvent OnGetValue;
    NewGetValueEvent OnNewGetValue;
    GetBlobValueEvent OnGetBlobValue;
    IsBlobFieldEvent OnIsBlobField;

    // Starts as Null, then OnGetValue, then OnNewGetValue, which sees what the first one left.
    QVariant GetValue(const QString& field) override;
    // Each handler gets a Null of its own; the second handler's text replaces the first's.
    QString GetDisplayText(const QString& field) override;
    bool IsBlobField(const QString& field) override;
    void AssignBlobTo(const QString& field, QObject* target) override;
    void GetFieldList(QStringList& list) override { list = fields_; }
    int FieldsCount() override { return int(fields_.size()); }

private:
    QStringList fields_;
};
