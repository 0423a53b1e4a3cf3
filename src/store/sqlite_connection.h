#pragma once

#include "platform/errors.h"

#include <QString>
#include <functional>

struct sqlite3;

// An error reported by SQLite or by this data-access layer.
class SqliteError : public Exception {
public:
    explicit SqliteError(QString message, int resultCode = 0) : Exception(std::move(message)), resultCode_(resultCode) {}
    // SQLite's extended result code; 0 for errors of this layer itself.
    int ResultCode() const { return resultCode_; }

private:
    int resultCode_;
};

// The tag that begins every message of this layer.
inline constexpr const char* kDataAccessTag = "[Kalvo]";

// "[Kalvo][Phys][SQLite] ERROR: <SQLite's message>"; a message that already carries the tag stays.
QString SqliteErrorText(const QString& sqliteMessage);

struct Pragma {
    const char* name;
    const char* value;
};

// One connection to a database file. Opening runs BeforeConnect, opens the file read-write
// (created when missing, unless told not to), sends the pragmas, takes the file's lock and runs
// AfterConnect.
class SqliteConnection {
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    QString Database;                     // the file path
    std::function<void()> BeforeConnect;  // may set Database
    std::function<void()> AfterConnect;
    std::vector<Pragma> Pragmas;
    // Begin and commit an exclusive transaction right after the pragmas, so that in the exclusive
    // locking mode the file stays locked from the start.
    bool LockOnOpen = false;
    // Off: a missing file is an error rather than a new empty database.
    bool CreateIfMissing = true;
    // On: the file is only read, and a file left half-written is not put right on opening.
    bool ReadOnly = false;

    void Open();
    void Close();
    bool Connected() const { return db_ != nullptr; }
    void ExecSQL(const QString& sql);
    sqlite3* Handle() const;  // throws when not connected
    QString LastOpenError() const { return lastOpenError_; }

    // Whether the open database takes changes. A file this process may not write is opened
    // read-only; a folder where the rollback journal cannot be created shows only at the first
    // change, so one is tried (the user version, written unchanged) and rolled back.
    enum class WriteAccess { Writable, ReadOnlyFile, ReadOnlyFolder };
    WriteAccess ProbeWriteAccess();

    // Rows inserted, updated or deleted through this connection since it opened: what a reader
    // that keeps rows in memory compares to know whether they are still current.
    qint64 TotalChanges() const;

    // Raises the error for a failed SQLite call on this connection.
    [[noreturn]] void Fail() const;

private:
    sqlite3* db_ = nullptr;
    QString lastOpenError_;
};

// Runs `work` as one write transaction (BEGIN IMMEDIATE ... COMMIT). When anything in it fails, or
// the commit itself, the transaction is rolled back and the error goes on to the caller.
void WriteTransaction(SqliteConnection& connection, const std::function<void()>& work);

// While it lives, the connection reads its file through a memory mapping instead of one read
// call per page. That makes a read of the whole file much cheaper, but a disk that fails under a
// mapping ends the process rather than the statement, so keep it to short, read-only work.
class MappedReads {
public:
    explicit MappedReads(SqliteConnection& connection);  // throws when the connection is not open
    ~MappedReads();
    MappedReads(const MappedReads&) = delete;
    MappedReads& operator=(const MappedReads&) = delete;

private:
    SqliteConnection& connection_;
};
