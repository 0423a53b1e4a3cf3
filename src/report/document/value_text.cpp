#include "value_text.h"

#include "report/base/float_text.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <optional>

QString XMLFloat(double value) { return FloatToText(value); }

namespace {

// The common plain number ("12.5", "-3", "1,5", "1e-5") read without building a string; nothing
// for anything else, which the locale-free reading below takes.
std::optional<double> ReadPlainNumber(QStringView text)
{
    char digits[64];
    qsizetype length = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ')
            continue;
        if (length + 1 == qsizetype(sizeof digits))
            return std::nullopt;
        if (u == u'.' || u == u',')
            digits[length++] = '.';
        else if ((u >= u'0' && u <= u'9') || u == u'-' || u == u'+' || u == u'e' || u == u'E')
            digits[length++] = char(u);
        else
            return std::nullopt;
    }
    const char* first = digits;
    if (length > 1 && digits[0] == '+' && digits[1] != '-' && digits[1] != '+')
        ++first;
    double parsed = 0;
    const auto [end, error] = std::from_chars(first, digits + length, parsed);
    if (error != std::errc() || end != digits + length)
        return std::nullopt;
    return parsed;
}

}  // namespace

bool TryReadXMLFloat(QStringView text, double& value)
{
    if (const auto plain = ReadPlainNumber(text)) {
        value = *plain;
        return true;
    }
    QString normal;
    normal.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'.' || c == u',')
            normal += u'.';
        else if (c != u' ')
            normal += c;
    }
    bool ok = false;
    const double parsed = QLocale::c().toDouble(normal, &ok);
    // Geometry and sizes are finite: "nan" and "inf" are no numbers here.
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QString XMLColor(TColor color) { return QString::number(static_cast<qint32>(color)); }

bool TryReadXMLColor(QStringView text, TColor& color)
{
    bool ok = false;
    const qint32 signedValue = text.toInt(&ok);
    if (ok) {
        color = static_cast<TColor>(signedValue);
        return true;
    }
    const quint32 unsignedValue = text.toUInt(&ok);
    if (ok)
        color = unsignedValue;
    return ok;
}

QString XMLFlag(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
