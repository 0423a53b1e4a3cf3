#pragma once

#include "data_set_link.h"

#include <memory>
#include <vector>

// One data source a template may use.
class TfrxDataSetItem {
public:
    explicit TfrxDataSetItem(const TfrxReport* report) : report_(report) {}

    TfrxDataSet* DataSet() const { return link_.DataSet(); }
    void SetDataSet(TfrxDataSet* dataSet) { link_.SetDataSet(dataSet); }
    QString DataSetName() const { return link_.DataSetName(); }
    void SetDataSetName(const QString& name) { link_.SetDataSetName(name, report_); }

private:
    const TfrxReport* report_;
    DataSetLink link_;
};

// The report's Datasets collection.
class TfrxReportDataSets {
public:
    explicit TfrxReportDataSets(const TfrxReport* report) : report_(report) {}

    TfrxDataSetItem& Add();
    TfrxDataSetItem& Add(TfrxDataSet* dataSet);
    int Count() const { return int(items_.size()); }
    TfrxDataSetItem& Items(int index) const { return *items_.at(size_t(index)); }
    void Delete(int index);
    void Clear() { items_.clear(); }

    // The first item that refers to the data source, or none.
    TfrxDataSetItem* Find(const TfrxDataSet* dataSet) const;
    // The data source of the first item whose source's user name matches, without regard to case.
    TfrxDataSet* FindByName(const QString& userName) const;

    // When building starts every listed source gets the report and is initialised; when it ends
    // each is finalised.
    void Initialize(TfrxReport* report) const;
    void Finalize() const;

private:
    const TfrxReport* report_;
    std::vector<std::unique_ptr<TfrxDataSetItem>> items_;
};
