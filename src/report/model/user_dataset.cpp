#include "user_dataset.h"

#include "report/expressions/variant.h"

QVariant TfrxUserDataSet::GetValue(const QString& field)
{
    QVariant value = NullVariant();
    if (OnGetValue)
        OnGetValue(field, value);
    if (OnNewGetValue)
        OnNewGetValue(this, field, value);
    return value;
}

QString TfrxUserDataSet::GetDisplayText(const QString& field)
{
    QString text;
    if (OnGetValue) {
        QVariant value = NullVariant();
        OnGetValue(field, value);
        text = VarToStr(value);
    }
    if (OnNewGetValue) {
        QVariant value = NullVariant();
        OnNewGetValue(this, field, value);
        text = VarToStr(value);
    }
    return text;
}

bool TfrxUserDataSet::IsBlobField(const QString& field) { return OnIsBlobField && OnIsBlobField(this, field); }

void TfrxUserDataSet::AssignBlobTo(const QString& field, QObject* target)
{
    if (OnGetBlobValue)
        OnGetBlobValue(this, field, target);
}
