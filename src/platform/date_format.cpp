#include "date_time.h"
#include "locale_info.h"

namespace {

QString Padded(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }

int RunLength(const QString& format, int from)
{
    const QChar letter = format[from].toLower();
    int end = from;
    while (end < format.size() && format[end].toLower() == letter)
        ++end;
    return end - from;
}

struct Formatter {
    const LocaleInfo& locale;
    DateParts date;
    TimeParts time;
    int weekday;  // 0 = Sunday
    bool afterHour = false;

    QString DayText(int count) const
    {
        switch (count) {
        case 1: return QString::number(date.day);
        case 2: return Padded(date.day, 2);
        case 3: return locale.shortDayNames[weekday];
        default: return locale.longDayNames[weekday];
        }
    }

    QString MonthText(int count) const
    {
        switch (count) {
        case 1: return QString::number(date.month);
        case 2: return Padded(date.month, 2);
        case 3: return locale.shortMonthNames[date.month - 1];
        default: return locale.longMonthNames[date.month - 1];
        }
    }

    QString Minutes(int count) const { return count == 1 ? QString::number(time.minute) : Padded(time.minute, 2); }

    // Returns the text for a run of one letter; sets afterHour for the next minute letter.
    QString Run(QChar letter, int count)
    {
        const bool wasAfterHour = afterHour;
        afterHour = false;
        switch (letter.unicode()) {
        case 'y': return count <= 2 ? Padded(date.year % 100, 2) : Padded(date.year, 4);
        case 'm': return wasAfterHour && count <= 2 ? Minutes(count) : MonthText(count);
        case 'd': return DayText(count);
        case 'a': return count >= 4 ? locale.longDayNames[weekday] : locale.shortDayNames[weekday];
        case 'h': afterHour = true; return count == 1 ? QString::number(time.hour) : Padded(time.hour, 2);
        case 'n': return Minutes(count);
        case 's': return count == 1 ? QString::number(time.second) : Padded(time.second, 2);
        case 'z': return count == 1 ? QString::number(time.millisecond) : Padded(time.millisecond, 3);
        default: return {};
        }
    }
};

bool IsFormatLetter(QChar c) { return QStringLiteral("ymdahnsz").contains(c.toLower()); }

}  // namespace

QString FormatDateTime(const QString& format, TDateTime value, const LocaleInfo& locale)
{
    Formatter f{locale, DecodeDate(value), DecodeTime(value), DayOfWeek(value) - 1};
    QString out;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        if (!IsFormatLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        const int count = RunLength(format, i);
        // A lone "a" is no format letter; it is copied like any other character.
        if (c.toLower() == QLatin1Char('a') && count < 3)
            out += format.mid(i, count);
        else
            out += f.Run(c.toLower(), count);
        i += count;
    }
    return out;
}

QString FormatDateTime(const QString& format, TDateTime value)
{
    return FormatDateTime(format, value, CurrentLocale());
}
