#pragma once

#include "dataset.h"

#include <QPointer>
#include <QString>

class TfrxComponent;

// The (DataSet, DataSetName) pair that views, data bands, pages, the report and the report's
// data set items hold. Setting the reference copies the source's user name; reading the name gives
// the referenced source's user name while there is one; setting the name looks the source up.
class DataSetLink {
public:
    TfrxDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TfrxDataSet* dataSet);
    QString DataSetName() const;
    // A name that finds no data source keeps the current reference.
    void SetDataSetName(const QString& name, const TfrxReport* report);

private:
    QPointer<TfrxDataSet> dataSet_;
    QString name_;
};

// The data source a report means by a user name (compared without regard to case): from the
// process-wide list, skipping sources that belong to another report, or, when the report's engine
// is told not to use that list, from the report's Datasets.
TfrxDataSet* ResolveDataSetName(const QString& name, const TfrxReport* report);
