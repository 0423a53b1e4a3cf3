#include "variant.h"

#include "float_text.h"

#include "platform/locale_info.h"

#include <cmath>

QVariant NullVariant() { return QVariant::fromValue(nullptr); }

bool VarIsNull(const QVariant& value) { return value.metaType() == QMetaType::fromType<std::nullptr_t>(); }

bool VarIsEmpty(const QVariant& value) { return !value.isValid(); }

QVariant DateVariant(TDateTime value) { return QVariant::fromValue(VariantDate{value}); }

namespace {

QString DateToStr(TDateTime value)
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
        return DateToStr(value.value<VariantDate>().value);
    return value.toString();
}
