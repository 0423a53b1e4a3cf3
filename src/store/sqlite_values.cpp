#include "sqlite_values.h"

#include <cmath>

namespace {

// Reads `count` digits at `pos`; -1 when any of them is not a digit or missing.
int Digits(const QByteArray& s, int pos, int count)
{
    if (pos < 0 || pos + count > s.size())
        return -1;
    int value = 0;
    for (int i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        value = value * 10 + (s[i] - '0');
    }
    return value;
}

// The time after the first ten characters: blanks, "T" or "t" skipped, then hh:nn[:ss[.zzz]].
TDateTime TimeAfterDate(const QByteArray& text)
{
    int p = 10;
    while (p < text.size() && (text[p] == ' ' || text[p] == 'T' || text[p] == 't'))
        ++p;
    const QByteArray rest = text.mid(p);
    auto at = [&](int i) { return i < rest.size() ? rest[i] : '\0'; };
    if (at(2) != ':')
        return 0;
    const int hour = Digits(rest, 0, 2), minute = Digits(rest, 3, 2);
    if (hour < 0 || minute < 0)
        return 0;
    int second = 0, millisecond = 0;
    if (at(5) == ':') {
        second = std::max(0, Digits(rest, 6, 2));
        if (at(8) == '.') {
            int digits = 0, fraction = 0;
            for (int i = 9; i < rest.size() && digits < 3 && rest[i] >= '0' && rest[i] <= '9'; ++i, ++digits)
                fraction = fraction * 10 + (rest[i] - '0');
            for (; digits < 3 && digits > 0; ++digits)
                fraction *= 10;
            millisecond = fraction;
        }
    }
    return EncodeTime(hour, minute, second, millisecond);
}

std::optional<TDateTime> FromParts(int year, int month, int day, const QByteArray& text)
{
    TDateTime date = 0;
    if (year <= 0 || month <= 0 || day <= 0 || !TryEncodeDate(year, month, day, date))
        return std::nullopt;
    return date + (text.size() > 10 ? TimeAfterDate(text) : 0);
}

}  // namespace

QString DateTimeParamText(TDateTime value)
{
    const DateParts d = DecodeDate(value);
    QString text = QString::asprintf("%.4d-%.2d-%.2d", d.year, d.month, d.day);
    if (value != std::trunc(value)) {
        const TimeParts t = DecodeTime(value);
        text += QString::asprintf(" %.2d:%.2d:%.2d.%.3d", t.hour, t.minute, t.second, t.millisecond);
    }
    return text;
}

TDateTime DateTimeFromJulianDay(double julianDay) { return JulianDayToDateTime(julianDay); }

std::optional<TDateTime> DateTimeFromText(const QByteArray& text)
{
    if (text.size() >= 10 && text[4] == '-' && text[7] == '-')
        return FromParts(Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2), text);
    if (text.size() >= 10 && text[2] == '.' && text[5] == '.')
        return FromParts(Digits(text, 6, 4), Digits(text, 3, 2), Digits(text, 0, 2), text);
    bool isNumber = false;
    const double julian = text.trimmed().toDouble(&isNumber);
    if (isNumber && std::isfinite(julian))
        return DateTimeFromJulianDay(julian);
    return std::nullopt;
}
