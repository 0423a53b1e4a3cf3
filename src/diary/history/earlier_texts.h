#pragma once

#include "platform/date_time.h"

#include <QByteArray>
#include <QList>
#include <QString>

class SqliteConnection;

// The texts that Post, Delete Record and `--import --replace` replaced or deleted, kept in the
// diary's table Earlier for 60 days:
//   Earlier(day TEXT "yyyy-mm-dd", text BLOB as it was stored, kept TEXT ISO 8601 UTC, why TEXT)
// A diary without the table gets it with its first write; reading a diary without it finds nothing.

constexpr int kEarlierKeptDays = 60;

struct EarlierText {
    TDateTime day = 0;
    QByteArray text;  // the bytes as they were stored
    QString kept;     // "2026-12-11T09:30:00Z"
    QString why;      // kKeptForPost, kKeptForDelete or kKeptForImport
};

// The day's kept texts, newest first.
QList<EarlierText> EarlierTextsOf(SqliteConnection& diary, TDateTime day);

// The days with a text kept for "delete" in the last 60 days before `now` that have no row now,
// each once with its newest deleted text; newest deletion first.
QList<EarlierText> DeletedDays(SqliteConnection& diary, TDateTime now);

// Removes the texts kept longer than 60 days before `now`; nothing when the table is missing.
void PruneEarlierTexts(SqliteConnection& diary, TDateTime now);

// "2026-12-11T09:30:00Z": `moment`, a local time, as UTC.
QString KeptStamp(TDateTime moment);
