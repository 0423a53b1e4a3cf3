#include "ansi_text.h"
#include "attribute_text.h"
#include "document_texts.h"
#include "value_text.h"
#include "xml_escape.h"
#include "xml_serializer.h"

#include "report/base/property_reflection.h"
#include "report/base/wide_strings.h"
#include "report/model/report.h"
#include "report/views/custom_memo_view.h"

#include <QMetaEnum>
#include <optional>

namespace {

const QString kNilReference = QStringLiteral("nil");
constexpr QStringView kLinesSuffix = u".Text";

// Lines separated by CR LF, CR or LF; a final line break adds no empty line.
QStringList SplitLines(const QString& text)
{
    TfrxWideStrings lines;
    lines.SetText(text);
    return lines.Lines();
}

std::optional<int> MemberByName(const QMetaEnum& enumerator, QStringView name)
{
    for (int i = 0; i < enumerator.keyCount(); ++i)
        if (name.compare(QLatin1String(enumerator.key(i)), Qt::CaseInsensitive) == 0)
            return enumerator.value(i);
    return std::nullopt;
}

// A member's name or number.
std::optional<int> ReadEnumeration(const QMetaProperty& property, QStringView text)
{
    const QMetaEnum enumerator = property.enumerator();
    if (const auto member = MemberByName(enumerator, text.trimmed()))
        return member;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && enumerator.valueToKey(value) ? std::optional<int>(value) : std::nullopt;
}

// "True"/"False" or "1"/"0".
std::optional<bool> ReadBoolean(QStringView text)
{
    text = text.trimmed();
    if (text.compare(u"True", Qt::CaseInsensitive) == 0 || text == u"1")
        return true;
    if (text.compare(u"False", Qt::CaseInsensitive) == 0 || text == u"0")
        return false;
    return std::nullopt;
}

// A bit mask of the set's members, or their names as "[fsBold, fsItalic]".
std::optional<int> ReadSet(const QMetaProperty& property, QStringView text)
{
    const QMetaEnum enumerator = property.enumerator();
    int members = 0;
    for (int i = 0; i < enumerator.keyCount(); ++i)
        members |= enumerator.value(i);
    bool ok = false;
    const int mask = text.trimmed().toInt(&ok);
    if (ok)
        return (mask & ~members) == 0 ? std::optional<int>(mask) : std::nullopt;
    text = text.trimmed();
    if (text.startsWith(u'[') && text.endsWith(u']'))
        text = text.sliced(1, text.size() - 2);
    int result = 0;
    for (QStringView name : text.split(u',')) {
        if (name.trimmed().isEmpty())
            continue;
        const auto member = MemberByName(enumerator, name.trimmed());
        if (!member)
            return std::nullopt;
        result |= *member;
    }
    return result;
}

std::optional<QVariant> ReadInteger(const QMetaProperty& property, QStringView text)
{
    bool ok = false;
    if (property.metaType().id() == QMetaType::LongLong) {
        const qlonglong value = text.trimmed().toLongLong(&ok);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<QVariant>(value) : std::nullopt;
}

// Kinds whose values are read from their text; references wait for the end of the reading.
bool IsConvertible(PropertyKind kind)
{
    switch (kind) {
    case PropertyKind::Integer:
    case PropertyKind::Color:
    case PropertyKind::Boolean:
    case PropertyKind::Enumeration:
    case PropertyKind::Set:
    case PropertyKind::Float:
    case PropertyKind::String:
    case PropertyKind::Variant:
    case PropertyKind::StringList:
    case PropertyKind::WideStrings: return true;
    default: return false;
    }
}

QString ConversionProblem(PropertyKind kind, QStringView value)
{
    switch (kind) {
    case PropertyKind::Integer:
    case PropertyKind::Color: return kInvalidIntegerText.arg(value);
    case PropertyKind::Float: return kInvalidFloatText.arg(value);
    default: return kInvalidPropertyValueText;
    }
}

}  // namespace

void TfrxXMLSerializer::XMLToObj(QStringView text, QObject& object)
{
    AttributeScanner scanner(text);
    AttributePair pair;
    while (scanner.Next(pair))
        ApplyPair(object, pair.name, pair.value);
}

void TfrxXMLSerializer::ApplyPair(QObject& object, QStringView name, QStringView value)
{
    try {
        if (ApplySpecialPair(object, name, value) || ApplyLinesText(object, name, value))
            return;
        // A name that reaches no published property is ignored.
        const auto leaf = FindPublishedLeaf(object, name);
        if (leaf && leaf->property.isWritable())
            ApplyProperty(*leaf, value);
    } catch (const Exception& error) {
        AddError(error.Message());
    }
}

QString TfrxXMLSerializer::TextValue(QStringView value, bool utf8Inside) const
{
    if (!utf8Inside)
        return UnescapeXMLValue(value);
    return UnescapeXMLValue(QString::fromUtf8(EncodeAnsi(value)));
}

// The short names of prepared pages and the texts of text objects. Every name taken here is one
// of MayBeSpecialName's.
bool TfrxXMLSerializer::ApplySpecialPair(QObject& object, QStringView name, QStringView value)
{
    auto* component = qobject_cast<TfrxComponent*>(&object);
    auto* memo = qobject_cast<TfrxCustomMemoView*>(&object);
    if (component && name.size() == 1) {
        const char16_t letter = name[0].unicode();
        if (letter == u'l' || letter == u't' || letter == u'w' || letter == u'h') {
            double number = 0;
            if (!TryReadXMLFloat(value, number)) {
                AddError(kInvalidFloatText.arg(value));
                return true;
            }
            switch (letter) {
            case u'l': component->SetLeft(number); break;
            case u't': component->SetTop(number); break;
            case u'w': component->SetWidth(number); break;
            default: component->SetHeight(number); break;
            }
            return true;
        }
        if (letter == u'u' || letter == u'x') {
            if (memo)
                memo->SetText(TextValue(value, OldFormat && letter == u'u'));
            return true;
        }
    }
    if (memo && name == u"Text") {
        memo->SetText(TextValue(value, OldFormat));
        return true;
    }
    // No object of this model keeps binary property data.
    if (name == u"PropData")
        return true;
    return name == u"Name" && qobject_cast<TfrxReport*>(&object);
}

bool TfrxXMLSerializer::MayBeSpecialName(QStringView name)
{
    return name.size() == 1 || name == u"Text" || name == u"PropData" || name == u"Name" || name.endsWith(kLinesSuffix);
}

// "Lines.Text" sets the lines of a string list.
bool TfrxXMLSerializer::ApplyLinesText(QObject& object, QStringView name, QStringView value)
{
    if (!name.endsWith(kLinesSuffix))
        return false;
    const auto leaf = FindPublishedLeaf(object, name.chopped(kLinesSuffix.size()));
    if (!leaf || !leaf->property.isWritable())
        return false;
    const PropertyKind kind = KindOf(leaf->property);
    if (kind != PropertyKind::StringList && kind != PropertyKind::WideStrings)
        return false;
    ApplyProperty(*leaf, value);
    return true;
}

void TfrxXMLSerializer::ApplyProperty(const PublishedLeaf& leaf, QStringView value)
{
    const PropertyKind kind = KindOf(leaf.property);
    if (kind == PropertyKind::Reference) {
        AddFixup(leaf, UnescapeXMLValue(value));
        return;
    }
    if (!IsConvertible(kind))
        return;
    const std::optional<QVariant> converted = ConvertValue(leaf.property, value);
    if (!converted || !WriteValue(*leaf.holder, leaf.property, *converted))
        AddError(ConversionProblem(kind, value));
}

std::optional<QVariant> TfrxXMLSerializer::ConvertValue(const QMetaProperty& property, QStringView value) const
{
    switch (KindOf(property)) {
    case PropertyKind::Integer:
        return ReadInteger(property, value);
    case PropertyKind::Color:
        if (TColor color = 0; TryReadXMLColor(value.trimmed(), color))
            return QVariant(uint(color));
        return std::nullopt;
    case PropertyKind::Boolean:
        if (const auto flag = ReadBoolean(value))
            return QVariant(*flag);
        return std::nullopt;
    case PropertyKind::Enumeration:
        if (const auto member = ReadEnumeration(property, value))
            return QVariant(*member);
        return std::nullopt;
    case PropertyKind::Set:
        if (const auto mask = ReadSet(property, value))
            return QVariant(*mask);
        return std::nullopt;
    case PropertyKind::Float:
        if (double number = 0; TryReadXMLFloat(value, number))
            return QVariant(number);
        return std::nullopt;
    case PropertyKind::String:
    case PropertyKind::Variant:
        return QVariant(UnescapeXMLValue(value));
    case PropertyKind::StringList:
        return QVariant(SplitLines(UnescapeXMLValue(value)));
    case PropertyKind::WideStrings: {
        TfrxWideStrings lines;
        lines.SetText(TextValue(value, OldFormat));
        return QVariant::fromValue(lines);
    }
    default:
        return std::nullopt;
    }
}

// The reference is emptied now and set when the reading operation resolves the name; a later
// pair for the same property replaces a waiting one.
void TfrxXMLSerializer::AddFixup(const PublishedLeaf& leaf, const QString& name)
{
    std::erase_if(fixups_, [&](const Fixup& fixup) {
        return fixup.holder == leaf.holder && fixup.property.propertyIndex() == leaf.property.propertyIndex();
    });
    leaf.property.write(leaf.holder, QVariant(leaf.property.metaType()));
    if (!name.isEmpty() && name != kNilReference)
        fixups_.push_back({leaf.holder, leaf.property, name});
}
