#include "component_streaming.h"

#include "xml_serializer.h"

#include "report/model/component.h"
#include "report/model/report.h"

#include <QBuffer>

namespace {

QStringList Copy(TfrxComponent& target, const TfrxComponent& source, bool withChildren)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    SaveToStream(source, buffer, withChildren, true);
    buffer.seek(0);
    return LoadFromStream(target, buffer);
}

}  // namespace

void SaveToStream(const TfrxComponent& object, QIODevice& stream, bool saveChildren, bool saveDefaultValues)
{
    TfrxXMLSerializer serializer(&stream);
    serializer.HandleNestedProperties = true;
    serializer.SerializeDefaultValues = saveDefaultValues;
    serializer.Owner = object.Report();
    serializer.WriteRootComponent(object, saveChildren);
}

QStringList LoadFromStream(TfrxComponent& object, QIODevice& stream)
{
    object.Clear();
    TfrxXMLSerializer serializer(&stream);
    serializer.HandleNestedProperties = true;
    serializer.Owner = object.Report();
    serializer.ReadRootComponent(object);
    return serializer.Errors();
}

QStringList Assign(TfrxComponent& target, const TfrxComponent& source) { return Copy(target, source, false); }

QStringList AssignAll(TfrxComponent& target, const TfrxComponent& source) { return Copy(target, source, true); }
