#include "property_reflection.h"

#include "persistent.h"
#include "wide_strings.h"

#include <QMetaEnum>
#include <stdexcept>

namespace {

bool IsPointerToQObject(const QMetaType& type) { return type.flags().testFlag(QMetaType::PointerToQObject); }

QByteArray ClassInfoValue(const QObject& holder, const char* prefix, const char* name, bool* found)
{
    const QMetaObject* meta = holder.metaObject();
    const int index = meta->indexOfClassInfo(QByteArray(prefix).append(name).constData());
    *found = index >= 0;
    return *found ? QByteArray(meta->classInfo(index).value()) : QByteArray();
}

[[noreturn]] void BadDeclaration(const QObject& holder, const QMetaProperty& property, const QByteArray& text)
{
    throw std::logic_error(std::string(holder.metaObject()->className()) + "." + property.name() +
                           ": cannot use the declaration \"" + text.toStdString() + "\"");
}

// "[fraLeft, fraTop]" -> "fraLeft|fraTop"
QByteArray SetTextToKeys(QByteArray text)
{
    text = text.trimmed();
    if (text.startsWith('[') && text.endsWith(']'))
        text = text.mid(1, text.size() - 2);
    QByteArray keys;
    for (const QByteArray& part : text.split(',')) {
        const QByteArray key = part.trimmed();
        if (key.isEmpty())
            continue;
        if (!keys.isEmpty())
            keys += '|';
        keys += key;
    }
    return keys;
}

std::optional<qint64> EnumerationFromText(const QMetaProperty& property, const QByteArray& text)
{
    const QMetaEnum enumerator = property.enumerator();
    bool ok = false;
    int value = 0;
    if (property.isFlagType()) {
        const QByteArray keys = SetTextToKeys(text);
        value = keys.isEmpty() ? 0 : enumerator.keysToValue(keys.constData(), &ok);
        ok = ok || keys.isEmpty();
    } else {
        value = enumerator.keyToValue(text.trimmed().constData(), &ok);
    }
    if (!ok) {
        // A member's number is as good as its name.
        value = text.trimmed().toInt(&ok);
    }
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<QVariant> ParseDefault(const QMetaProperty& property, const QByteArray& text)
{
    bool ok = true;
    switch (KindOf(property)) {
    case PropertyKind::Boolean:
        if (text == "true" || text == "false")
            return QVariant(text == "true");
        return std::nullopt;
    case PropertyKind::Integer: {
        const qlonglong value = text.toLongLong(&ok, 0);
        return ok ? std::optional<QVariant>(QVariant(value)) : std::nullopt;
    }
    case PropertyKind::Color: {
        const uint value = text.toUInt(&ok, 0);
        return ok ? std::optional<QVariant>(QVariant(value)) : std::nullopt;
    }
    case PropertyKind::Enumeration:
    case PropertyKind::Set: {
        const auto value = EnumerationFromText(property, text);
        return value ? std::optional<QVariant>(QVariant(qlonglong(*value))) : std::nullopt;
    }
    default: {
        QVariant value(QString::fromUtf8(text));
        return value.convert(property.metaType()) ? std::optional<QVariant>(value) : std::nullopt;
    }
    }
}

bool IsOrdinal(PropertyKind kind)
{
    return kind == PropertyKind::Integer || kind == PropertyKind::Color || kind == PropertyKind::Boolean ||
           kind == PropertyKind::Enumeration || kind == PropertyKind::Set;
}

}  // namespace

PropertyKind KindOf(const QMetaProperty& property)
{
    if (property.isEnumType())
        return property.isFlagType() ? PropertyKind::Set : PropertyKind::Enumeration;
    const QMetaType type = property.metaType();
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return PropertyKind::Integer;
    case QMetaType::UInt:
        return PropertyKind::Color;
    case QMetaType::Bool:
        return PropertyKind::Boolean;
    case QMetaType::Double:
    case QMetaType::Float:
        return PropertyKind::Float;
    case QMetaType::QString:
        return PropertyKind::String;
    case QMetaType::QStringList:
        return PropertyKind::StringList;
    case QMetaType::QVariant:
        return PropertyKind::Variant;
    default:
        break;
    }
    if (type == QMetaType::fromType<TfrxWideStrings>())
        return PropertyKind::WideStrings;
    if (IsPointerToQObject(type)) {
        const QMetaObject* target = type.metaObject();
        return target && target->inherits(&TfrxPersistent::staticMetaObject) ? PropertyKind::SubObject
                                                                              : PropertyKind::Reference;
    }
    return PropertyKind::Other;
}

QList<QMetaProperty> PublishedProperties(const QMetaObject& metaObject)
{
    QList<QMetaProperty> result;
    for (int i = QObject::staticMetaObject.propertyCount(); i < metaObject.propertyCount(); ++i)
        result.append(metaObject.property(i));
    return result;
}

std::optional<QMetaProperty> FindPublishedProperty(const QMetaObject& metaObject, QStringView name)
{
    const int index = metaObject.indexOfProperty(name.toUtf8().constData());
    if (index < QObject::staticMetaObject.propertyCount())
        return std::nullopt;
    return metaObject.property(index);
}

QObject* SubObjectOf(const QObject& holder, const QMetaProperty& property)
{
    return property.read(&holder).value<QObject*>();
}

namespace {

void CollectLeaves(const QObject& holder, const QString& prefix, bool parentsStored, QList<PublishedLeaf>& leaves)
{
    for (const QMetaProperty& property : PublishedProperties(*holder.metaObject())) {
        const QString path = prefix + QString::fromLatin1(property.name());
        if (KindOf(property) == PropertyKind::SubObject) {
            if (QObject* sub = SubObjectOf(holder, property))
                CollectLeaves(*sub, path + u'.', parentsStored && IsStored(holder, property), leaves);
            continue;
        }
        leaves.append({path, const_cast<QObject*>(&holder), property, parentsStored});
    }
}

}  // namespace

QList<PublishedLeaf> PublishedLeaves(const QObject& root)
{
    QList<PublishedLeaf> leaves;
    CollectLeaves(root, QString(), true, leaves);
    return leaves;
}

std::optional<PublishedLeaf> FindPublishedLeaf(const QObject& root, QStringView path)
{
    const QObject* holder = &root;
    bool parentsStored = true;
    const QList<QStringView> steps = path.split(u'.');
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const auto property = FindPublishedProperty(*holder->metaObject(), steps[i]);
        if (!property)
            return std::nullopt;
        if (i + 1 == steps.size())
            return PublishedLeaf{path.toString(), const_cast<QObject*>(holder), *property, parentsStored};
        if (KindOf(*property) != PropertyKind::SubObject)
            return std::nullopt;
        parentsStored = parentsStored && IsStored(*holder, *property);
        holder = SubObjectOf(*holder, *property);
        if (!holder)
            return std::nullopt;
    }
    return std::nullopt;
}

qint64 OrdinalValue(const QMetaProperty& property, const QVariant& value)
{
    const PropertyKind kind = KindOf(property);
    if ((kind == PropertyKind::Enumeration || kind == PropertyKind::Set) && value.metaType() == property.metaType() &&
        value.metaType().sizeOf() == sizeof(int))
        return *static_cast<const int*>(value.constData());
    if (kind == PropertyKind::Color)
        return value.toUInt();
    return value.toLongLong();
}

QVariant ReadValue(const QObject& holder, const QMetaProperty& property)
{
    const QVariant value = property.read(&holder);
    switch (KindOf(property)) {
    case PropertyKind::Enumeration:
    case PropertyKind::Set:
        return QVariant(int(OrdinalValue(property, value)));
    default:
        return value;
    }
}

bool WriteValue(QObject& holder, const QMetaProperty& property, const QVariant& value)
{
    const PropertyKind kind = KindOf(property);
    if (kind == PropertyKind::Enumeration || kind == PropertyKind::Set) {
        int ordinal = 0;
        if (value.metaType() == QMetaType::fromType<QString>()) {
            const auto parsed = EnumerationFromText(property, value.toString().toUtf8());
            if (!parsed)
                return false;
            ordinal = int(*parsed);
        } else if (value.metaType() == property.metaType()) {
            ordinal = int(OrdinalValue(property, value));
        } else {
            bool ok = false;
            ordinal = value.toInt(&ok);
            if (!ok)
                return false;
        }
        // Enumerations and sets are stored as an int; build the value of the property's own type.
        return property.write(&holder, QVariant(property.metaType(), &ordinal));
    }
    QVariant converted = value;
    if (converted.metaType() != property.metaType() && property.metaType() != QMetaType::fromType<QVariant>() &&
        !converted.convert(property.metaType()))
        return false;
    return property.write(&holder, converted);
}

QVariant ReadPublished(const QObject& root, QStringView path)
{
    const auto leaf = FindPublishedLeaf(root, path);
    return leaf ? ReadValue(*leaf->holder, leaf->property) : QVariant();
}

bool WritePublished(QObject& root, QStringView path, const QVariant& value)
{
    const auto leaf = FindPublishedLeaf(root, path);
    return leaf && leaf->property.isWritable() && WriteValue(*leaf->holder, leaf->property, value);
}

std::optional<QVariant> DeclaredDefault(const QObject& holder, const QMetaProperty& property)
{
    bool found = false;
    const QByteArray text = ClassInfoValue(holder, "default:", property.name(), &found);
    if (!found || text.isEmpty())
        return std::nullopt;
    auto value = ParseDefault(property, text);
    if (!value)
        BadDeclaration(holder, property, text);
    return value;
}

bool HoldsDeclaredDefault(const QObject& holder, const QMetaProperty& property)
{
    const auto declared = DeclaredDefault(holder, property);
    if (!declared)
        return false;
    const QVariant current = property.read(&holder);
    if (IsOrdinal(KindOf(property)))
        return OrdinalValue(property, current) == declared->toLongLong();
    return current == *declared;
}

bool IsStored(const QObject& holder, const QMetaProperty& property)
{
    bool found = false;
    const QByteArray test = ClassInfoValue(holder, "stored:", property.name(), &found);
    if (!found || test == "true")
        return true;
    if (test == "false")
        return false;
    bool stored = true;
    if (!QMetaObject::invokeMethod(const_cast<QObject*>(&holder), test.constData(), Qt::DirectConnection,
                                   Q_RETURN_ARG(bool, stored)))
        BadDeclaration(holder, property, test);
    return stored;
}

bool IsLeafStored(const PublishedLeaf& leaf) { return leaf.parentsStored && IsStored(*leaf.holder, leaf.property); }

void CopyPublishedProperties(const QObject& source, QObject& target)
{
    for (const QMetaProperty& property : PublishedProperties(*source.metaObject())) {
        if (KindOf(property) == PropertyKind::SubObject) {
            QObject* from = SubObjectOf(source, property);
            QObject* to = SubObjectOf(target, property);
            if (from && to)
                CopyPublishedProperties(*from, *to);
        } else if (property.isWritable()) {
            property.write(&target, property.read(&source));
        }
    }
}
