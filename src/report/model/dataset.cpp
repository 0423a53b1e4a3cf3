#include "dataset.h"

#include "global_dataset_list.h"
#include "report.h"

#include "report/base/report_errors.h"
#include "report/expressions/variant.h"

TfrxDataSet::TfrxDataSet(QObject* owner) : TfrxDialogComponent(owner) { GlobalDataSetList().Add(this); }

TfrxDataSet::~TfrxDataSet() { GlobalDataSetList().Remove(this); }

void TfrxDataSet::SetUserName(const QString& value)
{
    if (value.trimmed().isEmpty())
        throw EPropertyError();
    userName_ = value;
}

void TfrxDataSet::SetName(const QString& name)
{
    TfrxDialogComponent::SetName(name);
    if (userName_.isEmpty() && !name.trimmed().isEmpty())
        userName_ = name;
}

void TfrxDataSet::SetBuildingReport(TfrxReport* report) { buildingReport_ = report; }

TfrxReport* TfrxDataSet::AttachedReport() const { return buildingReport_ ? buildingReport_.data() : Report(); }

QString TfrxDataSet::GetDisplayText(const QString&) { return QString(); }
int TfrxDataSet::GetDisplayWidth(const QString&) { return 10; }
TfrxFieldType TfrxDataSet::GetFieldType(const QString&) { return fftNumeric; }
QVariant TfrxDataSet::GetValue(const QString&) { return NullVariant(); }
bool TfrxDataSet::IsBlobField(const QString&) { return false; }
void TfrxDataSet::AssignBlobTo(const QString&, QObject*) {}
void TfrxDataSet::GetFieldList(QStringList& list) { list.clear(); }

void TfrxDataSet::Open()
{
    if (OnOpen)
        OnOpen(this);
}

void TfrxDataSet::Close()
{
    if (OnClose)
        OnClose(this);
}

void TfrxDataSet::First()
{
    recNo_ = 0;
    endReached_ = false;
    if (OnFirst)
        OnFirst(this);
}

void TfrxDataSet::Next()
{
    endReached_ = false;
    ++recNo_;
    if (rangeEnd_ == reCount && recNo_ >= rangeEndCount_) {
        recNo_ = rangeEndCount_ - 1;
        endReached_ = true;
        return;
    }
    if (OnNext)
        OnNext(this);
}

void TfrxDataSet::Prior()
{
    --recNo_;
    if (OnPrior)
        OnPrior(this);
}

bool TfrxDataSet::Eof()
{
    bool eof = rangeEnd_ == reCount && (recNo_ >= rangeEndCount_ || endReached_);
    if (OnCheckEOF)
        OnCheckEOF(this, eof);
    return eof;
}

int TfrxDataSet::RecordCount() { return rangeBegin_ == rbFirst && rangeEnd_ == reCount ? rangeEndCount_ : 0; }

bool TfrxDataSet::HasField(const QString& name)
{
    QStringList fields;
    GetFieldList(fields);
    return fields.contains(name, Qt::CaseInsensitive);
}
