#pragma once

#include "case_folding.h"
#include "platform/date_time.h"

#include <QString>
#include <QVector>

#include <optional>
#include <vector>

class SqliteConnection;

// A day whose diary text holds what was looked for.
struct DiaryHit {
    TDateTime day = 0;
    QString line;     // the first line that holds it, without its line break
    TextRange match;  // where in `line`
};

// One diary row as the search keeps it: its text also folded, ready for matching.
struct DiaryEntry {
    TDateTime day = 0;
    QString text;
    QString folded;
};

DiaryEntry MakeDiaryEntry(TDateTime day, const QString& text);

// The first line of the entry that holds the folded needle, or nullopt.
std::optional<DiaryHit> MatchEntry(const DiaryEntry& entry, const QString& foldedNeedle);

// The entries that hold `text` ignoring case, in the entries' order, a day only once (its first
// matching entry); nothing for an empty text.
QVector<DiaryHit> FindInEntries(const std::vector<DiaryEntry>& entries, const QString& text);

// Finds a text in the whole diary, ignoring case. The rows are read with one SELECT and kept in
// memory, folded and newest day first, so that searching as the user types costs no reading; they
// are read again once any row has changed through the connection.
class DiarySearch {
public:
    explicit DiarySearch(SqliteConnection& connection) : connection_(connection) {}

    // Newest day first; rows whose date cannot be read as a day are left out, since no click on
    // the calendar could show them.
    QVector<DiaryHit> Find(const QString& text);

private:
    void Refresh();

    SqliteConnection& connection_;
    std::vector<DiaryEntry> entries_;
    std::optional<qint64> readAtChanges_;  // the connection's change count when the rows were read
};
