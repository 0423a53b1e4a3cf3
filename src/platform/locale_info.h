#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// What the program asks of the user's locale. The ANSI code page is UTF-8 here, so no typed
// character is ever lost on its way to the database or the settings file.
struct LocaleInfo {
    QString name;             // "ja-JP" form
    QString shortDateFormat;  // in FormatDateTime letters
    QString longTimeFormat;
    int firstDayOfWeek = 6;   // 0 = Monday ... 6 = Sunday
    QStringList longMonthNames;   // 12, January first
    QStringList shortMonthNames;
    QStringList longDayNames;     // 7, Sunday first
    QStringList shortDayNames;
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandSeparator = QLatin1Char(',');
    QChar dateSeparator = QLatin1Char('/');
    int ansiCodePage = 65001;
};

// Locale name in "ja-JP" form from the first set of LC_ALL, LC_MESSAGES, LANG ("en-US" when none
// names a language).
QString LocaleNameFromEnvironment();
QString LocaleNameFromPosix(const QString& posixName);

// A locale built from Qt's locale data for the given name.
LocaleInfo LocaleFor(const QString& name);
LocaleInfo EnglishLocale();   // en-US
LocaleInfo JapaneseLocale();  // ja-JP

// The locale every part of the program reads; tests replace it without touching the environment.
const LocaleInfo& CurrentLocale();
void SetCurrentLocale(const LocaleInfo& locale);
