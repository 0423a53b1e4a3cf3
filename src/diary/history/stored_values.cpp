#include "stored_values.h"

#include "store/sqlite_connection.h"

#include <QLocale>
#include <QString>
#include <sqlite3.h>

QByteArray ValueBytes(sqlite3_stmt* statement, int column)
{
    // The storage class is asked first: reading a value as text converts it in place.
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: return {};
    case SQLITE_FLOAT: return QString::number(sqlite3_column_double(statement, column), 'g', QLocale::FloatingPointShortest).toLatin1();
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return QByteArray(bytes ? bytes : "", sqlite3_column_bytes(statement, column));
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return QByteArray(text ? text : "", sqlite3_column_bytes(statement, column));
    }
    }
}

void BindValue(const SqliteConnection& connection, sqlite3_stmt* statement, const char* name, int type, const QByteArray& bytes)
{
    const int index = sqlite3_bind_parameter_index(statement, name);
    if (index == 0)
        return;
    // Never a null pointer for the bytes: SQLite would bind NULL instead of the empty text.
    const char* data = bytes.isNull() ? "" : bytes.constData();
    const int size = int(bytes.size());
    int rc = SQLITE_OK;
    switch (type) {
    case SQLITE_NULL: rc = sqlite3_bind_null(statement, index); break;
    case SQLITE_INTEGER: rc = sqlite3_bind_int64(statement, index, bytes.toLongLong()); break;
    case SQLITE_FLOAT: rc = sqlite3_bind_double(statement, index, bytes.toDouble()); break;
    case SQLITE_BLOB: rc = sqlite3_bind_blob(statement, index, data, size, SQLITE_TRANSIENT); break;
    default: rc = sqlite3_bind_text(statement, index, data, size, SQLITE_TRANSIENT); break;
    }
    if (rc != SQLITE_OK)
        connection.Fail();
}
