#pragma once

#include <QList>
#include <QString>

// Diary texts that a careless store or format would change: texts SQLite reads as numbers, the
// empty text, CR LF line ends, Japanese, and a NUL inside a line.
inline QList<QString> TrickyDiaryTexts()
{
    return {
        QStringLiteral("007"),      QStringLiteral("1e3"),     QStringLiteral("12.50\r\n"), QStringLiteral(" 42 "),
        QStringLiteral("0x1F"),     QStringLiteral("-0"),      QStringLiteral("Infinity"),   QStringLiteral("NaN"),
        QString(),                  QStringLiteral("plain words\r\nsecond line\r\n"), QStringLiteral("日記を書いた\r\n"),
        QStringLiteral("before") + QChar(0) + QStringLiteral("after\r\n"),
    };
}
