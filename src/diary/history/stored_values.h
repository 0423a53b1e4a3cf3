#pragma once

#include <QByteArray>

class SqliteConnection;
struct sqlite3_stmt;

// Values as SQLite stores them, read and bound with their storage class: the history puts back
// and keeps bytes that need not be UTF-8, numbers and NULL, which the store's query carries as
// Unicode text only.

// The bytes of a column: text as UTF-8, a blob as it is, an integer as its decimal text, a real
// as its shortest exact text, NULL as nothing.
QByteArray ValueBytes(sqlite3_stmt* statement, int column);

// Binds the parameter `name` (":Val1") to `bytes` with the storage class `type` (SQLITE_TEXT,
// SQLITE_BLOB, SQLITE_INTEGER, SQLITE_FLOAT or SQLITE_NULL); a statement without that parameter
// is left alone. Raises the connection's error when SQLite refuses.
void BindValue(const SqliteConnection& connection, sqlite3_stmt* statement, const char* name, int type, const QByteArray& bytes);
