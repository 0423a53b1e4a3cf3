#include "report_datasets.h"

TfrxDataSetItem& TfrxReportDataSets::Add()
{
    items_.push_back(std::make_unique<TfrxDataSetItem>(report_));
    return *items_.back();
}

TfrxDataSetItem& TfrxReportDataSets::Add(TfrxDataSet* dataSet)
{
    TfrxDataSetItem& item = Add();
    item.SetDataSet(dataSet);
    return item;
}

void TfrxReportDataSets::Delete(int index) { items_.erase(items_.begin() + index); }

TfrxDataSetItem* TfrxReportDataSets::Find(const TfrxDataSet* dataSet) const
{
    for (const auto& item : items_)
        if (dataSet && item->DataSet() == dataSet)
            return item.get();
    return nullptr;
}

TfrxDataSet* TfrxReportDataSets::FindByName(const QString& userName) const
{
    for (const auto& item : items_) {
        TfrxDataSet* dataSet = item->DataSet();
        if (dataSet && dataSet->UserName().compare(userName, Qt::CaseInsensitive) == 0)
            return dataSet;
    }
    return nullptr;
}

void TfrxReportDataSets::Initialize(TfrxReport* report) const
{
    for (const auto& item : items_) {
        if (TfrxDataSet* dataSet = item->DataSet()) {
            dataSet->SetBuildingReport(report);
            dataSet->Initialize();
        }
    }
}

void TfrxReportDataSets::Finalize() const
{
    for (const auto& item : items_)
        if (TfrxDataSet* dataSet = item->DataSet())
            dataSet->Finalize();
}
