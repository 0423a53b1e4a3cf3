#include "report.h"

#include "page.h"
#include "prepared_pages_sink.h"

#include "report/base/report_texts.h"
#include "report/expressions/report_script.h"
#include "report/expressions/variant.h"

#include <QTimer>

TfrxReport::TfrxReport(QObject* owner)
    : TfrxComponent(owner), engineOptions_(new TfrxEngineOptions(this)),
      previewOptions_(new TfrxPreviewOptions(this)), printOptions_(new TfrxPrintOptions(this)),
      reportOptions_(new TfrxReportOptions(this)),
      scriptText_{QStringLiteral("begin"), QString(), QStringLiteral("end.")}, datasets_(this),
      script_(std::make_unique<TfrxScript>()), engine_(MakeIdleReportBuilder())
{
    AddStyle(csHandlesNestedProperties);
}

TfrxReport::~TfrxReport()
{
    // The prepared pages and the pages go while the report is still whole.
    previewPages_.reset();
    Clear();
}

int TfrxReport::PagesCount() const
{
    int count = 0;
    for (const TfrxComponent* child : Objects())
        count += qobject_cast<const TfrxPage*>(child) ? 1 : 0;
    return count;
}

TfrxPage* TfrxReport::Pages(int index) const
{
    for (TfrxComponent* child : Objects())
        if (auto* page = qobject_cast<TfrxPage*>(child); page && index-- == 0)
            return page;
    return nullptr;
}

TfrxDataSet* TfrxReport::GetDataset(const QString& alias) const { return datasets_.FindByName(alias); }

QString TfrxReport::GetAlias(const TfrxDataSet* dataSet) const
{
    if (!dataSet)
        return QString();
    return datasets_.Find(dataSet) ? dataSet->UserName() : kDataSetNotIncludedText;
}

void TfrxReport::GetDatasetAndField(const QString& name, TfrxDataSet*& dataSet, QString& field) const
{
    dataSet = nullptr;
    field.clear();
    const qsizetype pair = name.indexOf(QLatin1String(".\""));
    if (pair < 0)
        return;
    dataSet = GetDataset(name.left(pair));
    const qsizetype fieldStart = pair + 2;
    field = name.mid(fieldStart, std::max<qsizetype>(0, name.size() - 1 - fieldStart));
}

namespace {

QVariant EmptyValueOf(TfrxFieldType type)
{
    switch (type) {
    case fftString: return QString();
    case fftBoolean: return false;
    default: return 0;
    }
}

}  // namespace

bool TfrxReport::GetFieldReferenceValue(const QString& name, QVariant& value) const
{
    TfrxDataSet* dataSet = nullptr;
    QString field;
    GetDatasetAndField(name, dataSet, field);
    if (!dataSet || field.isEmpty())
        return false;
    value = dataSet->GetValue(field);
    if (engineOptions_->ConvertNulls() && VarIsNull(value))
        value = EmptyValueOf(dataSet->GetFieldType(field));
    return true;
}
