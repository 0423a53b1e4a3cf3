#pragma once

#include "store/sqlite_connection.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What identifies one state of the diary file on disk: its device, inode, size and modification
// time, the `date` column's declared type and collation, and the file's 100-byte SQLite header,
// whose change counter goes up with every transaction that writes the file. The header is read
// through the connection's own file handle: opening the file a second time and closing it would
// drop the process's lock on it.
struct DiaryStamp {
    QByteArray dateType;  // as declared, "datetime" in a diary this program created
    QByteArray bytes;

    // Nothing when the state cannot be told for sure: no file, a write-ahead log (its writes do not
    // move the change counter) or a `date` column compared by anything but its bytes.
    static std::optional<DiaryStamp> Of(SqliteConnection& diary);

    quint32 ChangeCounter() const;
    bool operator==(const DiaryStamp&) const = default;
};
