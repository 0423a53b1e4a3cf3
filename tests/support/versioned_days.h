#pragma once

// The days the fault injection's writer rewrites through the day's writes. Each text says which
// version of its day it is, so that a look at the diary after a kill tells whether a text was lost.
#include "platform/date_time.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

constexpr int kVersionedDays = 12;

inline TDateTime VersionedDay(int index) { return EncodeDate(2030, 1, 1) + index; }

// "version 17" and lines enough to spread each write over several pages.
inline QString VersionedText(int version)
{
    return QStringLiteral("version %1\r\n").arg(version) +
           QStringLiteral("A line that makes the text long enough to take a few pages.\r\n").repeated(40 + version % 90);
}

// The version a text says it is; 0 for a text that says none.
inline int VersionOf(const QByteArray& text)
{
    static const QRegularExpression pattern(QStringLiteral("^version (\\d+)\r\n"));
    const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(text.left(32)));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}
