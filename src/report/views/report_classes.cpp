#include "report_classes.h"

#include "line_view.h"
#include "memo_view.h"

#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/data_page.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

struct ClassList {
    QMutex mutex;
    QList<const QMetaObject*> classes{
        &TfrxComponent::staticMetaObject,      &TfrxReportComponent::staticMetaObject,
        &TfrxDialogComponent::staticMetaObject, &TfrxView::staticMetaObject,
        &TfrxStretcheable::staticMetaObject,   &TfrxCustomMemoView::staticMetaObject,
        &TfrxMemoView::staticMetaObject,       &TfrxSysMemoView::staticMetaObject,
        &TfrxCustomLineView::staticMetaObject, &TfrxLineView::staticMetaObject,
        &TfrxBand::staticMetaObject,           &TfrxReportTitle::staticMetaObject,
        &TfrxReportSummary::staticMetaObject,  &TfrxPageHeader::staticMetaObject,
        &TfrxPageFooter::staticMetaObject,     &TfrxHeader::staticMetaObject,
        &TfrxFooter::staticMetaObject,         &TfrxDataBand::staticMetaObject,
        &TfrxMasterData::staticMetaObject,     &TfrxDetailData::staticMetaObject,
        &TfrxSubdetailData::staticMetaObject,  &TfrxDataBand4::staticMetaObject,
        &TfrxDataBand5::staticMetaObject,      &TfrxDataBand6::staticMetaObject,
        &TfrxGroupHeader::staticMetaObject,    &TfrxGroupFooter::staticMetaObject,
        &TfrxChild::staticMetaObject,          &TfrxColumnHeader::staticMetaObject,
        &TfrxColumnFooter::staticMetaObject,   &TfrxOverlay::staticMetaObject,
        &TfrxNullBand::staticMetaObject,       &TfrxPage::staticMetaObject,
        &TfrxReportPage::staticMetaObject,     &TfrxDataPage::staticMetaObject,
        &TfrxReport::staticMetaObject,         &TfrxDataSet::staticMetaObject,
        &TfrxUserDataSet::staticMetaObject,
    };
};

ClassList& Classes()
{
    static ClassList list;
    return list;
}

}  // namespace

QList<const QMetaObject*> ReportClasses()
{
    QMutexLocker lock(&Classes().mutex);
    return Classes().classes;
}

void RegisterReportClass(const QMetaObject& metaObject)
{
    QMutexLocker lock(&Classes().mutex);
    if (!Classes().classes.contains(&metaObject))
        Classes().classes.append(&metaObject);
}

const QMetaObject* FindReportClass(QStringView className)
{
    QMutexLocker lock(&Classes().mutex);
    for (const QMetaObject* meta : Classes().classes)
        if (QLatin1String(meta->className()) == className)
            return meta;
    return nullptr;
}

TfrxComponent* CreateReportObject(const QMetaObject& metaObject, QObject* owner)
{
    QObject* object = metaObject.newInstance(Q_ARG(QObject*, owner));
    return qobject_cast<TfrxComponent*>(object);
}
