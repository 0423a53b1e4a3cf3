#include "global_dataset_list.h"

#include <QMutexLocker>

void TfrxGlobalDataSetList::Add(TfrxDataSet* dataSet)
{
    QMutexLocker lock(&mutex_);
    dataSets_.append(dataSet);
}

void TfrxGlobalDataSetList::Remove(TfrxDataSet* dataSet)
{
    QMutexLocker lock(&mutex_);
    dataSets_.removeOne(dataSet);
}

TfrxDataSet* TfrxGlobalDataSetList::Find(const std::function<bool(const TfrxDataSet&)>& accept) const
{
    QMutexLocker lock(&mutex_);
    for (TfrxDataSet* dataSet : dataSets_)
        if (accept(*dataSet))
            return dataSet;
    return nullptr;
}

QList<TfrxDataSet*> TfrxGlobalDataSetList::Snapshot() const
{
    QMutexLocker lock(&mutex_);
    return dataSets_;
}

TfrxGlobalDataSetList& GlobalDataSetList()
{
    static TfrxGlobalDataSetList list;
    return list;
}
