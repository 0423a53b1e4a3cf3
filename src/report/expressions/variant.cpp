#include "variant.h"

#include "report/base/float_text.h"

#include "platform/errors.h"
#include "platform/locale_info.h"
#include "platform/locale_text.h"

#include <cmath>

QVariant NullVariant() { return QVariant::fromValue(nullptr); }

bool VarIsNull(const QVariant& value) { return value.metaType() == QMetaType::fromType<std::nullptr_t>(); }

bool VarIsEmpty(const QVariant& value) { return !value.isValid(); }

QVariant DateVariant(TDateTime value) { return QVariant::fromValue(VariantDate{value}); }

namespace {

QString VariantDateText(TDateTime value)
{
    const LocaleInfo& locale = CurrentLocale();
    const double day = std::trunc(value);
    const bool hasTime = value != day;
    if (day == 0 && hasTime)
        return FormatDateTime(locale.longTimeFormat, value, locale);
    QString text = FormatDateTime(locale.shortDateFormat, value, locale);
    if (hasTime)
        text += u' ' + FormatDateTime(locale.longTimeFormat, value, locale);
    return text;
}

}  // namespace

QString VarToStr(const QVariant& value)
{
    if (VarIsNull(value) || VarIsEmpty(value))
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return FloatToText(value.toDouble());
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<VariantDate>())
        return VariantDateText(value.value<VariantDate>().value);
    return value.toString();
}

bool VarIsNumeric(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool VarIsString(const QVariant& value) { return value.metaType() == QMetaType::fromType<QString>(); }

namespace {

Exception ConversionError(const QVariant& value, const char* target)
{
    const QString from = VarIsString(value) ? QStringLiteral("String")
                         : VarIsNull(value) ? QStringLiteral("Null")
                                            : QString::fromLatin1(value.metaType().name());
    return Exception(
        QStringLiteral("Could not convert variant of type (%1) into type (%2)").arg(from, QLatin1String(target)));
}

}  // namespace

double VarToDouble(const QVariant& value)
{
    if (VarIsNumeric(value))
        return value.toDouble();
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    if (value.metaType() == QMetaType::fromType<VariantDate>())
        return value.value<VariantDate>().value;
    double result = 0;
    if (VarIsString(value) && TryStrToFloat(value.toString().trimmed(), result))
        return result;
    throw ConversionError(value, "Double");
}

bool VarIsTrue(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    if (VarIsString(value)) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        throw ConversionError(value, "Boolean");
    }
    if (VarIsNull(value) || VarIsEmpty(value))
        throw ConversionError(value, "Boolean");
    return VarToDouble(value) != 0;
}
