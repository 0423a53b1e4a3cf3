#include "xml_serializer.h"

#include "component_names.h"
#include "document_texts.h"

#include "report/base/property_reflection.h"
#include "report/model/component.h"
#include "report/model/report.h"
#include "report/views/report_classes.h"

#include <algorithm>

namespace {

bool LessWithoutCase(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

}  // namespace

void TfrxXMLSerializer::AddError(const QString& text)
{
    const auto at = std::lower_bound(errors_.begin(), errors_.end(), text, LessWithoutCase);
    if (at == errors_.end() || at->compare(text, Qt::CaseInsensitive) != 0)
        errors_.insert(at, text);
}

void TfrxXMLSerializer::FixupReferences()
{
    const std::vector<Fixup> waiting = std::move(fixups_);
    fixups_.clear();
    for (const Fixup& fixup : waiting) {
        if (!fixup.holder)
            continue;
        // A name that finds nothing, or an object of the wrong class, leaves the reference empty.
        if (QObject* target = FindComponentByName(fixup.name, Owner))
            WriteValue(*fixup.holder, fixup.property, QVariant::fromValue(target));
    }
}

QString TfrxXMLSerializer::WriteComponentStr(const TfrxComponent& object, const TfrxComponent* ancestor)
{
    return object.ClassName() + ObjToXML(object, QString(), ancestor);
}

TfrxComponent* TfrxXMLSerializer::ReadComponentStr(TfrxComponent* parent, const QString& text, bool dontFixup)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return nullptr;
    const qsizetype space = trimmed.indexOf(u' ');
    const QString className = space < 0 ? trimmed : trimmed.left(space);
    const QMetaObject* meta = FindReportClass(className);
    TfrxComponent* object = meta ? CreateReportObject(*meta, parent) : nullptr;
    if (!object)
        throw Exception(kCannotFindClassText + u' ' + className);
    XMLToObj(space < 0 ? QStringView() : QStringView(trimmed).sliced(space + 1), *object);
    EndReading(*object, dontFixup);
    return object;
}

void TfrxXMLSerializer::EndReading(TfrxComponent& object, bool dontFixup)
{
    if (dontFixup)
        ClearFixups();
    else
        FixupReferences();
    if (!qobject_cast<TfrxReport*>(&object))
        NotifyLoaded(object);
}

void NotifyLoaded(QObject& object)
{
    if (object.metaObject()->indexOfMethod("Loaded()") >= 0)
        QMetaObject::invokeMethod(&object, "Loaded", Qt::DirectConnection);
}
