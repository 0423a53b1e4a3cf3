#include "diary_stamp.h"

#include <QtEndian>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

constexpr int kHeaderSize = 100;
constexpr int kChangeCounterOffset = 24;
constexpr int kWriteVersionOffset = 18;
constexpr char kRollbackJournal = 1;

std::optional<QByteArray> FileHeader(sqlite3* db)
{
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods)
        return std::nullopt;
    QByteArray header(kHeaderSize, '\0');
    if (file->pMethods->xRead(file, header.data(), kHeaderSize, 0) != SQLITE_OK)
        return std::nullopt;
    return header;
}

std::optional<QByteArray> DateColumnType(sqlite3* db)
{
    const char* type = nullptr;
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(db, "main", "MyDb", "date", &type, &collation, nullptr, nullptr, nullptr) != SQLITE_OK)
        return std::nullopt;
    if (!collation || QByteArray(collation).compare("BINARY", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return QByteArray(type ? type : "");
}

std::optional<QByteArray> FileState(sqlite3* db)
{
    const char* path = sqlite3_db_filename(db, "main");
    struct stat st {};
    if (!path || !*path || ::stat(path, &st) != 0)
        return std::nullopt;
    QByteArray state;
    for (const qint64 value : {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec),
                               qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec), qint64(st.st_ctim.tv_nsec)})
        state.append(reinterpret_cast<const char*>(&value), sizeof value);
    return state;
}

}  // namespace

std::optional<DiaryStamp> DiaryStamp::Of(SqliteConnection& diary)
{
    if (!diary.Connected())
        return std::nullopt;
    sqlite3* db = diary.Handle();
    const auto header = FileHeader(db);
    const auto type = DateColumnType(db);
    const auto state = FileState(db);
    if (!header || !type || !state || header->at(kWriteVersionOffset) != kRollbackJournal)
        return std::nullopt;
    return DiaryStamp{*type, *state + *header};
}

quint32 DiaryStamp::ChangeCounter() const
{
    return qFromBigEndian<quint32>(bytes.constData() + bytes.size() - kHeaderSize + kChangeCounterOffset);
}
