// Attribute text read once and put into many objects of one class.
#include "attribute_text.h"
#include "document_texts.h"
#include "xml_serializer.h"

#include "report/base/property_reflection.h"
#include "report/model/component.h"
#include "report/views/report_classes.h"

namespace {

// The property a dotted name reaches, with the property indexes of the sub-objects on the way.
std::optional<QMetaProperty> ResolvePath(const QObject& sample, QStringView name, std::vector<int>& subObjects)
{
    const auto leaf = FindPublishedLeaf(sample, name);
    if (!leaf)
        return std::nullopt;
    // Each shorter name up to a dot reaches one of the sub-objects.
    for (qsizetype dot = name.indexOf(u'.'); dot >= 0; dot = name.indexOf(u'.', dot + 1))
        subObjects.push_back(FindPublishedLeaf(sample, name.left(dot))->property.propertyIndex());
    return leaf->property;
}

}  // namespace

TfrxPreparedPairs TfrxXMLSerializer::PreparePairs(QStringView text, const QObject& sample)
{
    TfrxPreparedPairs prepared;
    AttributeScanner scanner(text);
    AttributePair pair;
    qsizetype end = 0;
    while (scanner.Next(pair)) {
        const qsizetype valueEnd = pair.value.data() - text.data() + pair.value.size();
        prepared.complete_ = prepared.complete_ && valueEnd < pair.end;
        end = pair.end;
        TfrxPreparedPairs::Entry entry{pair.name.toString(), pair.value.toString(), {}, {}, {}};
        if (!MayBeSpecialName(pair.name)) {
            std::vector<int> subObjects;
            const auto property = ResolvePath(sample, pair.name, subObjects);
            // Only values that convert are kept converted; the others keep their problems.
            const auto converted = property && property->isWritable() && KindOf(*property) != PropertyKind::Reference
                                       ? ConvertValue(*property, pair.value)
                                       : std::nullopt;
            if (converted) {
                entry.subObjects = std::move(subObjects);
                entry.property = *property;
                entry.converted = *converted;
            }
        }
        prepared.entries_.push_back(std::move(entry));
    }
    prepared.complete_ = prepared.complete_ && text.sliced(end).trimmed().isEmpty();
    return prepared;
}

void TfrxXMLSerializer::ApplyPrepared(const TfrxPreparedPairs& pairs, QObject& object)
{
    for (const TfrxPreparedPairs::Entry& entry : pairs.entries_) {
        if (!entry.property.isValid()) {
            ApplyPair(object, entry.name, entry.value);
            continue;
        }
        QObject* holder = &object;
        for (int index : entry.subObjects)
            holder = holder ? SubObjectOf(*holder, holder->metaObject()->property(index)) : nullptr;
        bool written = false;
        try {
            written = !holder || WriteValue(*holder, entry.property, entry.converted);
        } catch (const Exception&) {
        }
        if (!written)
            ApplyPair(object, entry.name, entry.value);  // meets the problem as reading the text would
    }
}

TfrxComponent* TfrxXMLSerializer::ReadPreparedComponent(TfrxComponent* parent, const QMetaObject& meta,
                                                        const TfrxPreparedPairs& base, QStringView pairs,
                                                        bool dontFixup)
{
    TfrxComponent* object = CreateReportObject(meta, parent);
    if (!object)
        throw Exception(kCannotFindClassText + u' ' + QLatin1String(meta.className()));
    ApplyPrepared(base, *object);
    XMLToObj(pairs, *object);
    EndReading(*object, dontFixup);
    return object;
}

void TfrxXMLSerializer::ReadPreparedRoot(TfrxComponent& root, const TfrxPreparedPairs& pairs)
{
    if (!Owner)
        Owner = &root;
    ApplyPrepared(pairs, root);
    EndReading(root, false);
}
