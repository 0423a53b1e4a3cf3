#include "locale_info.h"

#include <QLocale>
#include <QRegularExpression>

#include <memory>

namespace {

QStringList MonthNames(const QLocale& locale, QLocale::FormatType type)
{
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names << locale.standaloneMonthName(m, type);
    return names;
}

QStringList DayNames(const QLocale& locale, QLocale::FormatType type)
{
    QStringList names;
    names << locale.dayName(7, type);  // Qt counts Monday = 1 ... Sunday = 7
    for (int d = 1; d <= 6; ++d)
        names << locale.dayName(d, type);
    return names;
}

// Qt's date pattern in the program's letters: a two-digit year becomes four digits.
QString ShortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(shortYear, QStringLiteral("yyyy"));
    return format;
}

QString LongTimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.replace(QStringLiteral("mm"), QStringLiteral("nn"));
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return format.trimmed();
}

std::unique_ptr<LocaleInfo>& Current()
{
    static std::unique_ptr<LocaleInfo> current;
    return current;
}

}  // namespace

QString LocaleNameFromPosix(const QString& posixName)
{
    QString name = posixName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QStringLiteral("en-US");
    return name.replace(QLatin1Char('_'), QLatin1Char('-'));
}

QString LocaleNameFromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return LocaleNameFromPosix(value);
    }
    return QStringLiteral("en-US");
}

LocaleInfo LocaleFor(const QString& name)
{
    const QLocale locale(QString(name).replace(QLatin1Char('-'), QLatin1Char('_')));
    LocaleInfo info;
    info.name = name;
    info.shortDateFormat = ShortDateFormat(locale);
    info.longTimeFormat = LongTimeFormat(locale);
    info.firstDayOfWeek = (static_cast<int>(locale.firstDayOfWeek()) + 6) % 7;
    info.longMonthNames = MonthNames(locale, QLocale::LongFormat);
    info.shortMonthNames = MonthNames(locale, QLocale::ShortFormat);
    info.longDayNames = DayNames(locale, QLocale::LongFormat);
    info.shortDayNames = DayNames(locale, QLocale::ShortFormat);
    info.decimalSeparator = locale.decimalPoint().at(0);
    info.thousandSeparator = locale.groupSeparator().isEmpty() ? QChar() : locale.groupSeparator().at(0);
    const QString date = info.shortDateFormat;
    const qsizetype sep = date.indexOf(QRegularExpression(QStringLiteral("[^A-Za-z]")));
    info.dateSeparator = sep >= 0 ? date[sep] : QLatin1Char('/');
    return info;
}

LocaleInfo EnglishLocale()
{
    LocaleInfo info = LocaleFor(QStringLiteral("en-US"));
    info.shortDateFormat = QStringLiteral("M/d/yyyy");
    info.longTimeFormat = QStringLiteral("h:nn:ss");
    return info;
}

LocaleInfo JapaneseLocale()
{
    LocaleInfo info = LocaleFor(QStringLiteral("ja-JP"));
    info.shortDateFormat = QStringLiteral("yyyy/MM/dd");
    info.longTimeFormat = QStringLiteral("H:nn:ss");
    return info;
}

const LocaleInfo& CurrentLocale()
{
    auto& current = Current();
    if (!current)
        current = std::make_unique<LocaleInfo>(LocaleFor(LocaleNameFromEnvironment()));
    return *current;
}

void SetCurrentLocale(const LocaleInfo& locale)
{
    // Assigned in place so references handed out earlier stay valid.
    auto& current = Current();
    if (current)
        *current = locale;
    else
        current = std::make_unique<LocaleInfo>(locale);
}
