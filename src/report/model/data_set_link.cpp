#include "data_set_link.h"

#include "global_dataset_list.h"
#include "report.h"

void DataSetLink::SetDataSet(TfrxDataSet* dataSet)
{
    dataSet_ = dataSet;
    name_ = dataSet ? dataSet->UserName() : QString();
}

QString DataSetLink::DataSetName() const { return dataSet_ ? dataSet_->UserName() : name_; }

void DataSetLink::SetDataSetName(const QString& name, const TfrxReport* report)
{
    name_ = name;
    if (TfrxDataSet* found = ResolveDataSetName(name, report))
        dataSet_ = found;
}

TfrxDataSet* ResolveDataSetName(const QString& name, const TfrxReport* report)
{
    if (name.isEmpty())
        return nullptr;
    if (report && !report->EngineOptions()->UseGlobalDataSetList())
        return report->Datasets().FindByName(name);
    return GlobalDataSetList().Find([&](const TfrxDataSet& dataSet) {
        const TfrxReport* owner = dataSet.AttachedReport();
        const bool otherReport = report && owner && owner != report;
        return !otherReport && dataSet.UserName().compare(name, Qt::CaseInsensitive) == 0;
    });
}
