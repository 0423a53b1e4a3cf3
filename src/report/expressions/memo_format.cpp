#include "memo_format.h"

#include "display_format.h"
#include "number_format.h"
#include "variant.h"

#include "platform/errors.h"
#include "platform/locale_info.h"
#include "platform/locale_text.h"
#include "platform/rounding.h"

FormatItem FormatItem::From(const TfrxFormat& format)
{
    return {format.Kind(), format.FormatStr(), format.DecimalSeparator(), format.ThousandSeparator()};
}

namespace {

// A one-character separator that differs from the system's replaces the system's.
QString ApplySeparators(QString text, const FormatItem& format)
{
    const LocaleInfo& locale = CurrentLocale();
    if (format.thousandSeparator.size() == 1 && format.thousandSeparator[0] != locale.thousandSeparator)
        text.replace(locale.thousandSeparator, format.thousandSeparator[0]);
    if (format.decimalSeparator.size() == 1 && format.decimalSeparator[0] != locale.decimalSeparator) {
        const qsizetype last = text.lastIndexOf(locale.decimalSeparator);
        if (last >= 0)
            text[last] = format.decimalSeparator[0];
    }
    return text;
}

QString FormatNumeric(const QVariant& value, const FormatItem& format)
{
    const QString& picture = format.formatStr;
    QString text;
    if (picture.contains(u'#') || picture.startsWith(u'0'))
        text = FormatFloat(picture, VarToDouble(value));
    else if (picture.contains(u'd') || picture.contains(u'u'))
        text = FormatWithPattern(picture, RoundHalfEven64(VarToDouble(value)));
    else
        text = FormatWithPattern(picture, VarToDouble(value));
    return ApplySeparators(text, format);
}

TDateTime VarToDateTime(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QString>()) {
        TDateTime result = 0;
        if (!TryStrToDateTime(value.toString(), result))
            throw Exception(QStringLiteral("Could not convert variant of type (String) into type (Date)"));
        return result;
    }
    return VarToDouble(value);
}

QString FormatBoolean(const QVariant& value, const FormatItem& format)
{
    const qsizetype comma = format.formatStr.indexOf(u',');
    const QString whenTrue = comma < 0 ? format.formatStr : format.formatStr.left(comma);
    const QString whenFalse = comma < 0 ? QString() : format.formatStr.mid(comma + 1);
    return VarIsTrue(value) ? whenTrue : whenFalse;
}

}  // namespace

QString FormatData(const QVariant& value, const FormatItem& format)
{
    if (VarIsNull(value))
        return QString();
    try {
        switch (format.kind) {
        case fkNumeric: return FormatNumeric(value, format);
        case fkDateTime: return FormatDateTime(format.formatStr, VarToDateTime(value));
        case fkBoolean: return FormatBoolean(value, format);
        default: break;
        }
    } catch (const Exception&) {
        // A value the format cannot take is shown plainly.
    }
    return VarToStr(value);
}

bool VarIsZero(const QVariant& value)
{
    if (VarIsNull(value) || VarIsEmpty(value) || value.metaType() == QMetaType::fromType<QString>())
        return false;
    try {
        return VarToDouble(value) == 0;
    } catch (const Exception&) {
        return false;
    }
}
