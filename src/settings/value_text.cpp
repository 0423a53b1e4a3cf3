#include "value_text.h"

#include "settings_errors.h"

namespace {

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// Digits in the base; false on an empty run, a foreign character or a value above the limit.
bool ParseMagnitude(QStringView digits, int base, uint64_t limit, uint64_t& magnitude)
{
    if (digits.isEmpty())
        return false;
    magnitude = 0;
    for (const QChar c : digits) {
        const int digit = HexValue(c);
        if (digit < 0 || digit >= base)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }
    return true;
}

}  // namespace

bool TryStrToInt32(const QString& text, int32_t& value)
{
    QStringView rest(text);
    const bool negative = rest.startsWith(QLatin1Char('-'));
    if (negative || rest.startsWith(QLatin1Char('+')))
        rest = rest.mid(1);
    uint64_t magnitude = 0;
    if (rest.startsWith(QLatin1Char('$')) || rest.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        rest = rest.mid(rest.startsWith(QLatin1Char('$')) ? 1 : 2);
        if (!ParseMagnitude(rest, 16, UINT32_MAX, magnitude))
            return false;
        const uint32_t bits = static_cast<uint32_t>(magnitude);
        value = static_cast<int32_t>(negative ? 0u - bits : bits);
        return true;
    }
    const uint64_t limit = negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX);
    if (!ParseMagnitude(rest, 10, limit, magnitude))
        return false;
    value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
    return true;
}

int32_t StrToInt32(const QString& text)
{
    int32_t value = 0;
    if (!TryStrToInt32(text, value))
        throw EConvertError(QStringLiteral("'%1' は整数ではありません").arg(text));
    return value;
}

QString HexDigits(uint32_t value) { return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper(); }

QString BytesToHex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex()).toUpper(); }

QByteArray HexToBytes(const QString& text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int high = HexValue(text[i]);
        const int low = HexValue(text[i + 1]);
        if (high < 0 || low < 0)
            break;
        bytes.append(static_cast<char>(high * 16 + low));
    }
    return bytes;
}
