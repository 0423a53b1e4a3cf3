#include "report_variables.h"

int TfrxVariables::IndexOf(const QString& name) const
{
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TfrxVariables::SetValue(const QString& name, const QVariant& value)
{
    const int index = IndexOf(name);
    if (index < 0)
        items_.append({name, value});
    else
        items_[index].second = value;
}

bool TfrxVariables::Find(const QString& name, QVariant& value) const
{
    const int index = IndexOf(name);
    if (index < 0)
        return false;
    value = items_[index].second;
    return true;
}

TfrxVariables& frxGlobalVariables()
{
    static TfrxVariables variables;
    return variables;
}
