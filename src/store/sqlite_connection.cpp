#include "sqlite_connection.h"

#include <sqlite3.h>

QString SqliteErrorText(const QString& sqliteMessage)
{
    if (sqliteMessage.startsWith(QLatin1String(kDataAccessTag)))
        return sqliteMessage;
    return QLatin1String(kDataAccessTag) + QStringLiteral("[Phys][SQLite] ERROR: ") + sqliteMessage;
}

SqliteConnection::~SqliteConnection() { Close(); }

void SqliteConnection::Open()
{
    if (db_)
        return;
    if (BeforeConnect)
        BeforeConnect();
    const QByteArray path = Database.toUtf8();
    const int flags = ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | (CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.isEmpty() ? ":memory:" : path.constData(), &db_, flags, nullptr);
    try {
        if (rc != SQLITE_OK)
            Fail();
        sqlite3_extended_result_codes(db_, 1);
        // Day keys are written in double quotes; accept them as string literals whatever the
        // library's build default.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
        for (const Pragma& p : Pragmas)
            ExecSQL(QStringLiteral("PRAGMA ") + QLatin1String(p.name) + QStringLiteral(" = ") + QLatin1String(p.value));
        if (LockOnOpen) {
            ExecSQL(QStringLiteral("BEGIN EXCLUSIVE"));
            ExecSQL(QStringLiteral("COMMIT"));
        }
        if (AfterConnect)
            AfterConnect();
    } catch (const Exception& error) {
        lastOpenError_ = error.Message();
        Close();
        throw;
    }
    lastOpenError_.clear();
}

void SqliteConnection::Close()
{
    if (!db_)
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

sqlite3* SqliteConnection::Handle() const
{
    if (!db_) {
        QString text = QLatin1String(kDataAccessTag) + QStringLiteral(" The diary database is not open");
        if (!lastOpenError_.isEmpty())
            text += QStringLiteral(" (") + lastOpenError_ + QLatin1Char(')');
        throw SqliteError(text);
    }
    return db_;
}

void SqliteConnection::ExecSQL(const QString& sql)
{
    const QByteArray utf8 = sql.toUtf8();
    char* message = nullptr;
    const int rc = sqlite3_exec(Handle(), utf8.constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db_));
        sqlite3_free(message);
        throw SqliteError(SqliteErrorText(text), sqlite3_extended_errcode(db_));
    }
}

SqliteConnection::WriteAccess SqliteConnection::ProbeWriteAccess()
{
    sqlite3* db = Handle();
    if (sqlite3_db_readonly(db, "main") == 1)
        return WriteAccess::ReadOnlyFile;
    int version = 0;
    sqlite3_stmt* read = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &read, nullptr) == SQLITE_OK && sqlite3_step(read) == SQLITE_ROW)
        version = sqlite3_column_int(read, 0);
    sqlite3_finalize(read);
    const QByteArray probe = "BEGIN IMMEDIATE; PRAGMA user_version = " + QByteArray::number(version);
    const int rc = sqlite3_exec(db, probe.constData(), nullptr, nullptr, nullptr);
    if (!sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    if (rc == SQLITE_READONLY_DIRECTORY || (rc & 0xFF) == SQLITE_CANTOPEN)
        return WriteAccess::ReadOnlyFolder;
    return (rc & 0xFF) == SQLITE_READONLY ? WriteAccess::ReadOnlyFile : WriteAccess::Writable;
}

qint64 SqliteConnection::TotalChanges() const { return sqlite3_total_changes64(Handle()); }

void SqliteConnection::Fail() const
{
    const QString text = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
    throw SqliteError(SqliteErrorText(text), db_ ? sqlite3_extended_errcode(db_) : SQLITE_NOMEM);
}

void WriteTransaction(SqliteConnection& connection, const std::function<void()>& work)
{
    connection.ExecSQL(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        work();
        connection.ExecSQL(QStringLiteral("COMMIT"));
    } catch (...) {
        // A failed COMMIT may leave the transaction open too.
        if (!sqlite3_get_autocommit(connection.Handle()))
            sqlite3_exec(connection.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

namespace {

// Larger files are mapped up to this size and read plainly beyond it.
constexpr qint64 kMappedBytes = qint64(1) << 30;

}  // namespace

MappedReads::MappedReads(SqliteConnection& connection) : connection_(connection)
{
    connection_.ExecSQL(QStringLiteral("PRAGMA mmap_size = ") + QString::number(kMappedBytes));
}

MappedReads::~MappedReads()
{
    // The statements that read through the mapping have ended by now (they were opened inside
    // this scope), so nothing holds a mapped page and the mapping goes at once.
    if (connection_.Connected())
        sqlite3_exec(connection_.Handle(), "PRAGMA mmap_size = 0", nullptr, nullptr, nullptr);
}
