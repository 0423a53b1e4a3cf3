#include "memo_text.h"
#include "value_text.h"
#include "xml_escape.h"
#include "xml_serializer.h"

#include "component_names.h"

#include "report/base/property_reflection.h"

#include <QMetaEnum>
#include <cmath>

namespace {

// Floats closer than this to the ancestor's value count as equal.
constexpr double kFloatTolerance = 0.000001;

// The component's name is written apart from its other properties, as the element's Name.
bool IsComponentName(const PublishedLeaf& leaf, const QObject& root)
{
    return leaf.holder == &root && leaf.path == QLatin1String("Name") && qobject_cast<const TfrxComponent*>(&root);
}

bool IsOrdinal(PropertyKind kind)
{
    return kind == PropertyKind::Integer || kind == PropertyKind::Color || kind == PropertyKind::Boolean ||
           kind == PropertyKind::Enumeration || kind == PropertyKind::Set;
}

QString OrdinalText(const QMetaProperty& property, qint64 value)
{
    switch (KindOf(property)) {
    case PropertyKind::Color:
        return XMLColor(TColor(value));
    case PropertyKind::Boolean:
        return value ? QStringLiteral("True") : QStringLiteral("False");
    case PropertyKind::Enumeration:
        if (const char* key = property.enumerator().valueToKey(int(value)))
            return QString::fromLatin1(key);
        return QString::number(value);
    default:
        return QString::number(value);
    }
}

qint64 OrdinalOf(const PublishedLeaf& leaf) { return OrdinalValue(leaf.property, leaf.property.read(leaf.holder)); }

QObject* ReferenceOf(const PublishedLeaf& leaf) { return leaf.property.read(leaf.holder).value<QObject*>(); }

QString LinesText(const PublishedLeaf& leaf)
{
    return leaf.property.read(leaf.holder).toStringList().join(QStringLiteral("\r\n"));
}

}  // namespace

QString TfrxXMLSerializer::LeafText(const PublishedLeaf& leaf, const PublishedLeaf* ancestor, bool& write) const
{
    const PropertyKind kind = KindOf(leaf.property);
    const bool all = SerializeDefaultValues;
    if (IsOrdinal(kind)) {
        const qint64 value = OrdinalOf(leaf);
        write = all || (ancestor ? value != OrdinalOf(*ancestor) : !HoldsDeclaredDefault(*leaf.holder, leaf.property));
        return OrdinalText(leaf.property, value);
    }
    switch (kind) {
    case PropertyKind::Float: {
        const double value = leaf.property.read(leaf.holder).toDouble();
        write = all || !ancestor ||
                std::abs(value - ancestor->property.read(ancestor->holder).toDouble()) > kFloatTolerance;
        return XMLFloat(value);
    }
    case PropertyKind::String: {
        const QString value = leaf.property.read(leaf.holder).toString();
        write = all || (ancestor ? value != ancestor->property.read(ancestor->holder).toString() : !value.isEmpty());
        return EscapeXMLValue(value);
    }
    case PropertyKind::Variant: {
        const QVariant value = leaf.property.read(leaf.holder);
        write = all || !ancestor || value != ancestor->property.read(ancestor->holder);
        return EscapeXMLValue(value.toString());
    }
    case PropertyKind::Reference: {
        const QObject* target = ReferenceOf(leaf);
        const QString name = target ? ComponentFullName(*target, Owner) : QString();
        if (ancestor) {
            const QObject* base = ReferenceOf(*ancestor);
            const QString baseName = base ? ComponentFullName(*base, Owner) : QString();
            write = all || name != baseName;
            return target || !base ? EscapeXMLValue(name) : QStringLiteral("nil");
        }
        write = all || target;
        return EscapeXMLValue(name);
    }
    case PropertyKind::StringList: {
        const QString text = LinesText(leaf);
        write = all || !ancestor || text != LinesText(*ancestor);
        return EscapeXMLValue(text);
    }
    default:
        // Wide string lists (the text object's lines) go out as its Text; sub-objects are expanded.
        write = false;
        return QString();
    }
}

QString TfrxXMLSerializer::ObjToXML(const QObject& object, const QString& prefix, const QObject* ancestor)
{
    const QObject& source = SaveAncestorOnly && ancestor ? *ancestor : object;
    const QObject* base = SaveAncestorOnly ? nullptr : ancestor;
    QString result;
    const auto append = [&](const QString& name, const QString& text) {
        result += u' ' + prefix + name + QLatin1String("=\"") + text + u'"';
    };
    for (const PublishedLeaf& leaf : PublishedLeaves(source)) {
        if (IsComponentName(leaf, source) || !IsLeafStored(leaf))
            continue;
        const auto baseLeaf = base ? FindPublishedLeaf(*base, leaf.path) : std::nullopt;
        bool write = false;
        const QString text = LeafText(leaf, baseLeaf ? &*baseLeaf : nullptr, write);
        if (write)
            append(KindOf(leaf.property) == PropertyKind::StringList ? leaf.path + QLatin1String(".Text") : leaf.path,
                   text);
    }
    if (const auto* memo = qobject_cast<const TfrxCustomMemoView*>(&source)) {
        const QString text = JoinedMemoText(*memo);
        const auto* baseMemo = qobject_cast<const TfrxCustomMemoView*>(base);
        if (!baseMemo || text != JoinedMemoText(*baseMemo))
            append(QStringLiteral("Text"), EscapeXMLValue(text));
    }
    return result;
}
