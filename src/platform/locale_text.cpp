#include "locale_text.h"

#include "clock.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A run of ASCII digits, at most maxDigits long.
bool ParseDigits(const QString& text, int maxDigits, int& value)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    value = text.toInt();
    return true;
}

// The order of year, month and day in a date format, as "YMD", "MDY", "DMY" and so on.
QString DateOrder(const QString& format)
{
    QString order;
    for (const QChar c : format) {
        const QChar upper = c.toUpper();
        if ((upper == QLatin1Char('Y') || upper == QLatin1Char('M') || upper == QLatin1Char('D')) && !order.contains(upper))
            order += upper;
    }
    return order.size() == 3 ? order : QStringLiteral("MDY");
}

int ExpandTwoDigitYear(int year)
{
    const int current = DecodeDate(Now()).year;
    int expanded = current - current % 100 + year;
    if (expanded > current + 50)
        expanded -= 100;
    else if (expanded <= current - 50)
        expanded += 100;
    return expanded;
}

// Scientific notation of the general form: "1.5E-7", "1E20".
QString ScientificText(const QString& digits, int exponent, QChar separator)
{
    QString text = digits.left(1);
    if (digits.size() > 1)
        text += separator + digits.mid(1);
    return text + QLatin1Char('E') + QString::number(exponent);
}

// Fixed notation of digits d1d2d3... meaning d1.d2d3... x 10^exponent.
QString FixedText(const QString& digits, int exponent, QChar separator)
{
    if (exponent < 0)
        return QLatin1Char('0') + QString(separator) + QString(-exponent - 1, QLatin1Char('0')) + digits;
    const int integerDigits = exponent + 1;
    if (digits.size() <= integerDigits)
        return digits + QString(integerDigits - digits.size(), QLatin1Char('0'));
    return digits.left(integerDigits) + separator + digits.mid(integerDigits);
}

}  // namespace

QString DateToStr(TDateTime value, const LocaleInfo& locale)
{
    return FormatDateTime(locale.shortDateFormat, value, locale);
}

QString TimeToStr(TDateTime value, const LocaleInfo& locale)
{
    return FormatDateTime(locale.longTimeFormat, value, locale);
}

QString DateTimeToStr(TDateTime value, const LocaleInfo& locale)
{
    if (value == DateOf(value))
        return DateToStr(value, locale);
    return DateToStr(value, locale) + QLatin1Char(' ') + TimeToStr(value, locale);
}

bool TryStrToDate(const QString& text, TDateTime& result, const LocaleInfo& locale)
{
    const QStringList parts = text.trimmed().split(locale.dateSeparator);
    QString order = DateOrder(locale.shortDateFormat);
    if (parts.size() == 2)
        order.remove(QLatin1Char('Y'));
    else if (parts.size() != 3)
        return false;
    int year = DecodeDate(Now()).year, month = 0, day = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const QString part = parts[i].trimmed();
        const QChar field = order[i];
        int& target = field == QLatin1Char('Y') ? year : field == QLatin1Char('M') ? month : day;
        if (!ParseDigits(part, field == QLatin1Char('Y') ? 4 : 2, target))
            return false;
        if (field == QLatin1Char('Y') && part.size() <= 2)
            year = ExpandTwoDigitYear(year);
    }
    return TryEncodeDate(year, month, day, result);
}

bool TryStrToTime(const QString& text, TDateTime& result)
{
    QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    QString millisecondText = QStringLiteral("0");
    if (parts.size() == 3 && parts[2].contains(QLatin1Char('.'))) {
        millisecondText = parts[2].section(QLatin1Char('.'), 1);
        parts[2] = parts[2].section(QLatin1Char('.'), 0, 0);
    }
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    if (!ParseDigits(parts[0].trimmed(), 2, hour) || !ParseDigits(parts[1].trimmed(), 2, minute) ||
        (parts.size() == 3 && !ParseDigits(parts[2].trimmed(), 2, second)) ||
        !ParseDigits(millisecondText, 3, millisecond))
        return false;
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    result = EncodeTime(hour, minute, second, millisecond);
    return true;
}

bool TryStrToDateTime(const QString& text, TDateTime& result, const LocaleInfo& locale)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList parts = text.trimmed().split(blanks);
    TDateTime date = 0, time = 0;
    if (parts.size() == 1) {
        if (TryStrToDate(parts[0], date, locale) || TryStrToTime(parts[0], time)) {
            result = date + time;
            return true;
        }
        return false;
    }
    if (parts.size() != 2 || !TryStrToDate(parts[0], date, locale) || !TryStrToTime(parts[1], time))
        return false;
    // Before 1899-12-30 the time of day counts away from zero.
    result = date < 0 ? date - time : date + time;
    return true;
}

QString FloatToStr(double value, const LocaleInfo& locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    // "%.14e" rounds to 15 significant digits: d.dddddddddddddde[+-]x.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const QString scientific = QString::fromLatin1(buffer);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    const QChar separator = locale.decimalSeparator;
    const QString text = exponent > 14 || exponent < -4 ? ScientificText(digits, exponent, separator)
                                                        : FixedText(digits, exponent, separator);
    return value < 0 ? QLatin1Char('-') + text : text;
}

bool TryStrToFloat(const QString& text, double& result, const LocaleInfo& locale)
{
    const QString trimmed = text.trimmed();
    const QString upper = trimmed.toUpper();
    if (upper == QLatin1String("NAN") || upper == QLatin1String("INF") || upper == QLatin1String("+INF") ||
        upper == QLatin1String("-INF")) {
        result = upper == QLatin1String("NAN") ? NAN : upper.startsWith(QLatin1Char('-')) ? -INFINITY : INFINITY;
        return true;
    }
    const QString separator = QRegularExpression::escape(QString(locale.decimalSeparator));
    const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?$").arg(separator));
    if (!number.match(trimmed).hasMatch())
        return false;
    QString plain = trimmed;
    plain.replace(locale.decimalSeparator, QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || std::isinf(value))
        return false;
    result = value;
    return true;
}
