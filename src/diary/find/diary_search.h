#pragma once

#include "diary_index.h"

#include <optional>

class SqliteConnection;

// Finds a text in the whole diary, ignoring case. The rows are read with one SELECT and kept in
// memory, folded, so that searching as the user types costs no reading; they are read again once
// any row has changed through the connection.
class DiarySearch {
public:
    explicit DiarySearch(SqliteConnection& connection) : connection_(connection) {}

    // Newest day first; rows whose date cannot be read as a day are left out, since no click on
    // the calendar could show them.
    QVector<DiaryHit> Find(const QString& text);

    // What the rows kept in memory take, in bytes.
    size_t MemoryBytes() const { return index_.MemoryBytes(); }

private:
    // Reads the rows again, finding `text` in them as they come.
    QVector<DiaryHit> Refresh(const QString& text);

    SqliteConnection& connection_;
    DiaryIndex index_;
    std::optional<qint64> readAtChanges_;  // the connection's change count when the rows were read
};
