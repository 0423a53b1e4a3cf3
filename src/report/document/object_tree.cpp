#include "document_texts.h"
#include "xml_document.h"
#include "xml_escape.h"
#include "xml_serializer.h"

#include "component_names.h"

#include "report/model/component.h"
#include "report/model/report.h"
#include "report/views/report_classes.h"

namespace {

// Report trees are a few levels deep; anything deeper is damage, and the object tree would
// otherwise be freed by ever deeper nested calls.
constexpr int kMaxObjectDepth = 64;

}  // namespace

void TfrxXMLSerializer::WriteRootComponent(const TfrxComponent& root, bool saveChildren, TfrxXMLItem* item)
{
    std::unique_ptr<TfrxXMLDocument> document;
    if (!item) {
        document = std::make_unique<TfrxXMLDocument>();
        document->AutoIndent = true;
        item = &document->Root();
    }
    if (!Owner)
        Owner = const_cast<TfrxComponent*>(&root);
    item->SetName(root.ClassName());
    item->SetText(ObjToXML(root));
    WriteNestedProperties(root, *item);
    if (saveChildren)
        for (const TfrxComponent* child : root.Objects())
            WriteElement(*child, *item->Add());
    if (document && stream_)
        document->SaveToStream(*stream_);
}

void TfrxXMLSerializer::WriteElement(const TfrxComponent& object, TfrxXMLItem& item)
{
    item.SetName(object.ClassName());
    const QString fullForm = ObjToXML(object);
    item.SetText(IgnoreName ? fullForm : QLatin1String("Name=\"") + EscapeXMLValue(object.Name()) + u'"' + fullForm);
    WriteNestedProperties(object, item);
    for (const TfrxComponent* child : object.Objects())
        WriteElement(*child, *item.Add());
}

void TfrxXMLSerializer::ReadRootComponent(TfrxComponent& root, TfrxXMLItem* item)
{
    std::unique_ptr<TfrxXMLDocument> document;
    if (!item) {
        document = std::make_unique<TfrxXMLDocument>();
        if (stream_)
            document->LoadFromStream(*stream_);
        OldFormat = document->OldVersion();
        item = &document->Root();
    }
    if (!Owner)
        Owner = &root;
    std::vector<QPointer<TfrxComponent>> read;
    ReadElement(*item, root, 0, read);
    FixupReferences();
    for (const QPointer<TfrxComponent>& object : read)
        if (object && !qobject_cast<TfrxReport*>(object))
            NotifyLoaded(*object);
}

void TfrxXMLSerializer::ReadElement(const TfrxXMLItem& item, TfrxComponent& object, int depth,
                                    std::vector<QPointer<TfrxComponent>>& read)
{
    XMLToObj(item.Text(), object);
    read.emplace_back(&object);
    for (int i = 0; i < item.Count(); ++i) {
        const TfrxXMLItem& child = *item.Items(i);
        if (HandleNestedProperties && ReadNestedProperty(object, child))
            continue;
        const QMetaObject* meta = FindReportClass(child.Name());
        if (!meta) {
            AddError(kCannotFindClassText + u' ' + child.Name());
            continue;
        }
        if (depth + 1 >= kMaxObjectDepth) {
            AddError(kInvalidFileFormatText);
            continue;
        }
        if (TfrxComponent* childObject = ReuseOrCreate(child, *meta, object))
            ReadElement(child, *childObject, depth + 1, read);
        else
            AddError(kCannotFindClassText + u' ' + child.Name());
    }
}

// An object of the same class and name under the owner is read into again; otherwise a new one
// becomes the last child of `parent`.
TfrxComponent* TfrxXMLSerializer::ReuseOrCreate(const TfrxXMLItem& item, const QMetaObject& meta,
                                                TfrxComponent& parent)
{
    if (!IgnoreName && Owner) {
        const QString name = item.GetProp(u"Name");
        auto* existing = name.isEmpty() ? nullptr : qobject_cast<TfrxComponent*>(FindComponentUnder(*Owner, name));
        if (existing && existing->metaObject() == &meta)
            return existing;
    }
    return CreateReportObject(meta, &parent);
}
