#pragma once

#include <QList>
#include <QMutex>
#include <functional>

class TfrxDataSet;

// Every data source of the process, in order of creation. Name lookups search it; a lock guards
// every addition, removal and lookup.
class TfrxGlobalDataSetList {
public:
    void Add(TfrxDataSet* dataSet);
    void Remove(TfrxDataSet* dataSet);
    // The first data source the predicate accepts, or none.
    TfrxDataSet* Find(const std::function<bool(const TfrxDataSet&)>& accept) const;
    QList<TfrxDataSet*> Snapshot() const;

private:
    mutable QMutex mutex_;
    QList<TfrxDataSet*> dataSets_;
};

TfrxGlobalDataSetList& GlobalDataSetList();
