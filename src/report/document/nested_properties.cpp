#include "component_names.h"
#include "xml_item.h"
#include "xml_serializer.h"

#include "report/model/report.h"
#include "report/views/custom_memo_view.h"

// Collections that objects with csHandlesNestedProperties keep as child elements: the report's
// list of data sources. A text object's display formats and highlights would go here too, but
// the model keeps a single display format, which its DisplayFormat properties already carry.

namespace {

const QString kDatasetsElement = QStringLiteral("Datasets");
const QString kItemElement = QStringLiteral("item");
const QStringList kTextObjectCollections{QStringLiteral("Formats"), QStringLiteral("Highlights")};

bool HandlesNestedProperties(const TfrxComponent& object)
{
    return object.FrComponentStyle().testFlag(csHandlesNestedProperties);
}

}  // namespace

void TfrxXMLSerializer::WriteNestedProperties(const TfrxComponent& object, TfrxXMLItem& item)
{
    const auto* report = qobject_cast<const TfrxReport*>(&object);
    if (!HandleNestedProperties || !report || !HandlesNestedProperties(object) || report->Datasets().Count() == 0)
        return;
    TfrxXMLItem* list = item.Add(kDatasetsElement);
    for (int i = 0; i < report->Datasets().Count(); ++i) {
        const TfrxDataSetItem& entry = report->Datasets().Items(i);
        TfrxXMLItem* element = list->Add(kItemElement);
        if (entry.DataSet())
            element->SetProp(u"DataSet", ComponentFullName(*entry.DataSet(), Owner));
        element->SetProp(u"DataSetName", entry.DataSetName());
    }
}

bool TfrxXMLSerializer::ReadNestedProperty(TfrxComponent& object, const TfrxXMLItem& item)
{
    if (!HandlesNestedProperties(object))
        return false;
    if (qobject_cast<TfrxCustomMemoView*>(&object))
        return kTextObjectCollections.contains(item.Name(), Qt::CaseInsensitive);
    auto* report = qobject_cast<TfrxReport*>(&object);
    if (!report || item.Name().compare(kDatasetsElement, Qt::CaseInsensitive) != 0)
        return false;
    report->Datasets().Clear();
    for (int i = 0; i < item.Count(); ++i) {
        const TfrxXMLItem& element = *item.Items(i);
        TfrxDataSetItem& entry = report->Datasets().Add();
        auto* dataSet = qobject_cast<TfrxDataSet*>(FindComponentByName(element.GetProp(u"DataSet"), Owner));
        if (dataSet)
            entry.SetDataSet(dataSet);
        else
            entry.SetDataSetName(element.GetProp(u"DataSetName"));
    }
    return true;
}
