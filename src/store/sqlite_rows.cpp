#include "sqlite_rows.h"

#include <sqlite3.h>

SqliteStatement PrepareStatement(const SqliteConnection& connection, QByteArrayView sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(connection.Handle(), sql.data(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
        connection.Fail();
    return SqliteStatement(raw);
}

SqliteRows::SqliteRows(const SqliteConnection& connection, QByteArrayView sql)
    : connection_(connection), statement_(PrepareStatement(connection, sql))
{
}

bool SqliteRows::Next()
{
    const int rc = sqlite3_step(statement_.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        connection_.Fail();
    return false;
}

int SqliteRows::ColumnIndex(const char* name) const
{
    for (int c = 0; c < sqlite3_column_count(statement_.get()); ++c)
        if (sqlite3_stricmp(sqlite3_column_name(statement_.get(), c), name) == 0)
            return c;
    throw SqliteError(QLatin1String(kDataAccessTag) + QStringLiteral(" Field '%1' not found").arg(QLatin1String(name)));
}

std::string_view SqliteRows::Text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_.get(), column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(statement_.get(), column))) : std::string_view();
}
