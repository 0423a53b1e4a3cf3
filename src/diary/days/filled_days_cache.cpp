#include "filled_days_cache.h"

#include "store/diary_sql.h"
#include "store/sqlite_rows.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

// Raised with every change to the layout of the file; an older file is rebuilt.
constexpr int kFormat = 1;
// Long enough for the window to have been drawn first.
constexpr int kRebuildDelayMs = 1000;

const QString kVal1 = QStringLiteral("Val1");
const QString kInsertDay = QStringLiteral("INSERT INTO MyDb (\"date\") VALUES (:Val1)");

// Every row's value as it is stored, whatever its type, so the copy answers range queries as
// the diary does.
void CopyDays(SqliteConnection& diary, SqliteConnection& copy)
{
    MappedReads mapped(diary);
    SqliteRows read(diary, "SELECT date FROM MyDb");
    const SqliteStatement write = PrepareStatement(copy, "INSERT INTO MyDb (date) VALUES (?)");
    while (read.Next()) {
        sqlite3_bind_value(write.get(), 1, sqlite3_column_value(read.Statement(), 0));
        if (sqlite3_step(write.get()) != SQLITE_DONE)
            copy.Fail();
        sqlite3_reset(write.get());
    }
}

void WriteStamp(SqliteConnection& copy, const DiaryStamp& stamp)
{
    const SqliteStatement write =
        PrepareStatement(copy, "INSERT OR REPLACE INTO Stamp (id, dateType, state) VALUES (1, ?, ?)");
    sqlite3_bind_blob(write.get(), 1, stamp.dateType.constData(), int(stamp.dateType.size()), SQLITE_TRANSIENT);
    sqlite3_bind_blob(write.get(), 2, stamp.bytes.constData(), int(stamp.bytes.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(write.get()) != SQLITE_DONE)
        copy.Fail();
}

std::optional<DiaryStamp> ReadStamp(SqliteConnection& copy)
{
    const SqliteStatement format = PrepareStatement(copy, "PRAGMA user_version");
    if (sqlite3_step(format.get()) != SQLITE_ROW || sqlite3_column_int(format.get(), 0) != kFormat)
        return std::nullopt;
    const SqliteStatement read = PrepareStatement(copy, "SELECT dateType, state FROM Stamp WHERE id = 1");
    if (sqlite3_step(read.get()) != SQLITE_ROW)
        return std::nullopt;
    auto blob = [&read](int column) {
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(read.get(), column)),
                          sqlite3_column_bytes(read.get(), column));
    };
    return DiaryStamp{blob(0), blob(1)};
}

void CreateLayout(SqliteConnection& copy, const QByteArray& dateType)
{
    copy.ExecSQL(QStringLiteral("PRAGMA user_version = ") + QString::number(kFormat));
    // The same declared type gives the same affinity and the same reading of each value.
    copy.ExecSQL(QStringLiteral("CREATE TABLE MyDb(date ") + QString::fromUtf8(dateType) + QLatin1Char(')'));
    copy.ExecSQL(QStringLiteral("CREATE TABLE Stamp(id INTEGER PRIMARY KEY, dateType BLOB, state BLOB)"));
}

void RemoveFiles(const QString& path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

}  // namespace

FilledDaysCache::FilledDaysCache(SqliteConnection& diary, QString path) : diary_(diary), path_(std::move(path))
{
    rebuildTimer_.setSingleShot(true);
    rebuildTimer_.setInterval(kRebuildDelayMs);
    QObject::connect(&rebuildTimer_, &QTimer::timeout, &rebuildTimer_, [this] { Rebuild(); });
}

FilledDaysCache::~FilledDaysCache() = default;

QString FilledDaysCache::PathBeside(const QString& diaryPath)
{
    const QFileInfo diary(diaryPath);
    return diary.dir().filePath(diary.completeBaseName() + QStringLiteral(".days"));
}

void FilledDaysCache::CheckStoredCopy()
{
    checked_ = true;
    if (!QFile::exists(path_))
        return;
    try {
        auto copy = std::make_unique<SqliteConnection>();
        copy->Database = path_;
        copy->CreateIfMissing = false;
        copy->Open();
        const auto stored = ReadStamp(*copy);
        const auto now = DiaryStamp::Of(diary_);
        if (stored && now && *stored == *now) {
            copy_ = std::move(copy);
            current_ = now;
        }
    } catch (const Exception&) {
        // Not a copy this program can read: it is replaced at the next rebuild.
    }
}

std::optional<QList<TDateTime>> FilledDaysCache::FilledDays(TDateTime first, TDateTime last)
{
    if (!checked_)
        CheckStoredCopy();
    // A write that did not pass through here leaves a stamp the copy does not hold.
    if (!current_ || DiaryStamp::Of(diary_) != current_) {
        current_.reset();
        return std::nullopt;
    }
    try {
        return DiarySql::FilledDays(*copy_, first, last);
    } catch (const Exception&) {
        Discard();
        return std::nullopt;
    }
}

bool FilledDaysCache::Rebuild()
{
    rebuildTimer_.stop();
    const auto stamp = DiaryStamp::Of(diary_);
    if (!stamp || unavailable_)
        return false;
    Discard();
    RemoveFiles(path_);
    try {
        auto copy = std::make_unique<SqliteConnection>();
        copy->Database = path_;
        copy->Open();
        CreateLayout(*copy, stamp->dateType);
        copy->ExecSQL(QStringLiteral("BEGIN"));
        CopyDays(diary_, *copy);
        WriteStamp(*copy, *stamp);
        copy->ExecSQL(QStringLiteral("CREATE INDEX Days ON MyDb(date)"));
        copy->ExecSQL(QStringLiteral("COMMIT"));
        copy_ = std::move(copy);
        current_ = stamp;
        checked_ = true;
        return true;
    } catch (const Exception&) {
        // A folder that takes no new files keeps the diary alone; the marks come from the diary.
        unavailable_ = !QFile::exists(path_);
        Discard();
        RemoveFiles(path_);
        return false;
    }
}

void FilledDaysCache::RebuildSoon()
{
    if (!unavailable_ && !rebuildTimer_.isActive())
        rebuildTimer_.start();
}

void FilledDaysCache::Inserted(TDateTime day)
{
    Follow([this, day] {
        SqliteQuery insert(*copy_);
        insert.SetSQL(kInsertDay);
        insert.SetDateTimeParam(kVal1, day);
        insert.ExecSQL();
    });
}

void FilledDaysCache::Deleted(TDateTime day)
{
    Follow([this, day] {
        SqliteQuery erase(*copy_);
        erase.SetSQL(DiarySql::kDelete);
        erase.SetDateTimeParam(kVal1, day);
        erase.ExecSQL();
    });
}

void FilledDaysCache::DayHasRows(TDateTime day, qsizetype rows)
{
    Follow([this, day, rows] {
        SqliteQuery write(*copy_);
        write.SetSQL(DiarySql::kDelete);
        write.SetDateTimeParam(kVal1, day);
        write.ExecSQL();
        write.SetSQL(kInsertDay);
        write.SetDateTimeParam(kVal1, day);
        for (qsizetype i = 0; i < rows; ++i)
            write.ExecSQL();
    });
}

void FilledDaysCache::TextsChanged()
{
    Follow([] {});
}

// The diary is locked by this program while it runs, so a write of this program's own is the
// only one that can have happened since the copy was current: one transaction moves the change
// counter by one, none by zero. Any other step means writes the copy did not see.
void FilledDaysCache::Follow(const std::function<void()>& repeatWrite)
{
    const auto now = DiaryStamp::Of(diary_);
    const bool oneStep = current_ && now && now->dateType == current_->dateType &&
                         now->ChangeCounter() - current_->ChangeCounter() <= 1;
    if (!oneStep) {
        Discard();
        RebuildSoon();
        return;
    }
    try {
        copy_->ExecSQL(QStringLiteral("BEGIN"));
        repeatWrite();
        WriteStamp(*copy_, *now);
        copy_->ExecSQL(QStringLiteral("COMMIT"));
        current_ = now;
    } catch (const Exception&) {
        Discard();  // the stored stamp stays the old one, which no longer matches the diary
        RebuildSoon();
    }
}

void FilledDaysCache::Discard()
{
    current_.reset();
    copy_.reset();
}
