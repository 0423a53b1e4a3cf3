#pragma once

#include "sqlite_query.h"

#include <QByteArrayView>
#include <string_view>

// A statement prepared on the connection; a statement SQLite refuses raises the connection's error.
SqliteStatement PrepareStatement(const SqliteConnection& connection, QByteArrayView sql);

// The rows of a statement as SQLite hands them over, each seen once and in place. Reads of the
// whole diary (finding, printing, the copy of its days) go this way so that the table is never
// held twice.
class SqliteRows {
public:
    SqliteRows(const SqliteConnection& connection, QByteArrayView sql);

    // Moves to the next row; false after the last. A step that fails raises the connection's
    // error, so a read that breaks off is never taken for a shorter one.
    bool Next();

    sqlite3_stmt* Statement() const { return statement_.get(); }
    // The index of the column of that name (case ignored); raises when there is none.
    int ColumnIndex(const char* name) const;
    // A column's text as UTF-8, valid until the next row; NULL reads as no text.
    std::string_view Text(int column) const;

private:
    const SqliteConnection& connection_;
    SqliteStatement statement_;
};
