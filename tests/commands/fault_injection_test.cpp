// Processes killed with SIGKILL at random moments while they write the diary and back it up: the
// diary, and every backup that has its final name, must pass the integrity check afterwards; and
// a day's writes leave every day its old row, or its new row with the old text kept.
// KALVO_FAULT_ROUNDS=<n> runs n rounds instead of the short default (the long run).
#include "diary/safety/diary_backups.h"
#include "kalvo_folder.h"
#include "store/diary_check.h"
#include "store/sqlite_rows.h"
#include "versioned_days.h"

#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sqlite3.h>

namespace {

constexpr int kDefaultRounds = 30;
constexpr int kDefaultSeconds = 25;

// How many rounds a test runs: the short default, within its time, or KALVO_FAULT_ROUNDS, however
// long they take.
struct Rounds {
    int count;
    QDeadlineTimer budget;
};

Rounds RoundsToRun()
{
    const int requested = qEnvironmentVariableIntValue("KALVO_FAULT_ROUNDS");
    if (requested > 0)
        return {requested, QDeadlineTimer(QDeadlineTimer::Forever)};
    return {kDefaultRounds, QDeadlineTimer(kDefaultSeconds * 1000)};
}

// Runs `program` and kills it with SIGKILL after `ms`, unless it ended before.
void RunAndKill(QProcess& process, int ms)
{
    if (!process.waitForStarted(10000))
        return;
    if (!process.waitForFinished(ms)) {
        process.kill();
        process.waitForFinished(10000);
    }
}

// The writer is killed a few milliseconds after its first change reaches the file: mid-write, however
// slowly it starts on a busy machine.
void KillAfterItWrote(QProcess& writer, const QString& diary, int ms)
{
    const auto stamp = [&diary] {
        const QFileInfo info(diary);
        return std::pair{info.lastModified().toMSecsSinceEpoch(), info.size()};
    };
    const auto before = stamp();
    if (!writer.waitForStarted(10000))
        return;
    const QDeadlineTimer patience(10000);
    while (stamp() == before && !patience.hasExpired())
        if (writer.waitForFinished(1))
            return;
    RunAndKill(writer, ms);
}

// Kills it a few milliseconds after it adds a file to the folder, hidden ones included: while it
// writes a copy. Answers whether it was killed.
bool KillWhileItWrites(QProcess& process, const KalvoFolder& folder, int ms)
{
    const QStringList before = folder.Listing();
    if (!process.waitForStarted(10000))
        return false;
    while (folder.Listing() == before)
        if (process.waitForFinished(1))
            return false;
    if (process.waitForFinished(ms))
        return false;
    process.kill();
    process.waitForFinished(10000);
    return true;
}

QStringList UnsoundFiles(const KalvoFolder& folder)
{
    QStringList unsound;
    QStringList files;
    for (const QString& name : QDir(folder.File(QString())).entryList({QStringLiteral("copy-*.db")}, QDir::Files))
        files << folder.File(name);
    const QDir backups(folder.File(QStringLiteral("backups")));
    for (const QString& name : backups.entryList(QDir::Files))
        if (IsBackupName(name))
            files << backups.filePath(name);
    for (const QString& file : files) {
        const QStringList problems = DiaryFileProblems(file, CheckDepth::Full);
        if (!problems.isEmpty())
            unsound << file + QStringLiteral(": ") + problems.join(QStringLiteral("; "));
    }
    return unsound;
}

// Opened as Kalvo opens it, so that a change a killed process left half-done is rolled back first.
QStringList DiaryProblemsAfterOpening(const KalvoFolder& folder)
{
    try {
        return DiaryProblems(*folder.OpenDiary());
    } catch (const SqliteError& error) {
        return {error.Message()};
    }
}

TEST(FaultInjection, KilledWritersBackupsAndRestoresLeaveTheDiaryAndEveryFinishedBackupSound)
{
    const Rounds rounds = RoundsToRun();
    KalvoFolder folder;
    folder.SeedLongDays(3000);
    std::mt19937 random(20211230);
    std::uniform_int_distribution<int> writerMs(0, 40), kalvoMs(0, 500), writingMs(0, 15);
    int finishedBackups = 0, killedBackups = 0, killedWriting = 0, restores = 0, writes = 0, round = 0;
    for (; round < rounds.count && !rounds.budget.hasExpired(); ++round) {
        const QByteArray diaryBefore = Contents(folder.Diary());
        QProcess writer;
        writer.start(QStringLiteral(DIARY_WRITER), {folder.Diary()});
        KillAfterItWrote(writer, folder.Diary(), writerMs(random));
        writes += Contents(folder.Diary()) != diaryBefore;

        const QStringList copies = QDir(folder.File(QString())).entryList({QStringLiteral("copy-*.db")}, QDir::Files);
        QStringList arguments = {QStringLiteral("--backup"), folder.File(QStringLiteral("copy-%1.db").arg(round % 5))};
        if (round % 3 == 2 && !copies.isEmpty()) {
            arguments = {QStringLiteral("--restore"), folder.File(copies[round % copies.size()])};
            ++restores;
        }
        QProcess kalvo;
        folder.Start(kalvo, arguments);
        // Some run to their end, so that there are copies to restore.
        if (round % 4 == 0) {
            kalvo.waitForFinished(60000);
            EXPECT_EQ(kalvo.exitCode(), 0) << "round " << round << ": " << kalvo.readAllStandardError().toStdString();
        }
        else if (round % 4 == 2)
            RunAndKill(kalvo, kalvoMs(random));
        else
            killedWriting += KillWhileItWrites(kalvo, folder, writingMs(random));
        (kalvo.exitStatus() == QProcess::NormalExit ? finishedBackups : killedBackups)++;

        ASSERT_EQ(UnsoundFiles(folder), QStringList()) << "round " << round;
        ASSERT_EQ(DiaryProblemsAfterOpening(folder), QStringList()) << "round " << round;
    }
    std::printf("%d rounds: the writer changed the diary in %d; %d commands finished, %d killed (%d while writing a copy), "
                "%d of them restores\n", round, writes, finishedBackups, killedBackups, killedWriting, restores);
    EXPECT_GT(writes, 0) << "the writer was always killed before it wrote";
    EXPECT_GT(killedWriting, 0) << "no command was killed while it wrote a copy";
    EXPECT_GT(finishedBackups, 0) << "no command ever finished: the kills come too early to test anything";
    EXPECT_GT(killedBackups, 0) << "no command was ever killed";
}

// What a day's texts are now, read by SQL of its own: its rows' versions, and its kept versions
// with why they were kept.
struct DayVersions {
    QList<int> rows;
    std::map<int, QStringList> kept;
};

DayVersions VersionsOf(const SqliteConnection& diary, TDateTime day, bool hasEarlier)
{
    const QByteArray key = DiarySql::DayKey(day).toUtf8();
    DayVersions versions;
    SqliteRows rows(diary, "SELECT CAST(diary AS BLOB) FROM MyDb WHERE date = ?1");
    sqlite3_bind_text(rows.Statement(), 1, key.constData(), int(key.size()), SQLITE_TRANSIENT);
    while (rows.Next())
        versions.rows << VersionOf(QByteArray(rows.Text(0).data(), qsizetype(rows.Text(0).size())));
    if (!hasEarlier)
        return versions;
    SqliteRows kept(diary, "SELECT text, why FROM Earlier WHERE day = ?1");
    sqlite3_bind_text(kept.Statement(), 1, key.constData(), int(key.size()), SQLITE_TRANSIENT);
    while (kept.Next())
        versions.kept[VersionOf(QByteArray(kept.Text(0).data(), qsizetype(kept.Text(0).size())))]
            << QString::fromUtf8(kept.Text(1).data(), qsizetype(kept.Text(1).size()));
    return versions;
}

// Every version a day ever had is in its row or kept, once; the newest is its row, or was kept
// for "delete" when the day has no row. A write that was not whole shows as a version that is
// nowhere, one found twice, or a day without a row whose newest text was kept for "post".
QStringList LostTexts(const SqliteConnection& diary, int& newestVersions, int& deletedDays)
{
    SqliteRows earlier(diary, "SELECT 1 FROM sqlite_master WHERE name = 'Earlier'");
    const bool hasEarlier = earlier.Next();
    QStringList faults;
    for (int i = 0; i < kVersionedDays; ++i) {
        const QString key = DiarySql::DayKey(VersionedDay(i));
        const DayVersions versions = VersionsOf(diary, VersionedDay(i), hasEarlier);
        int newest = versions.rows.isEmpty() ? 0 : *std::max_element(versions.rows.cbegin(), versions.rows.cend());
        if (!versions.kept.empty())
            newest = std::max(newest, versions.kept.rbegin()->first);
        newestVersions += newest;
        if (versions.rows.size() > 1)
            faults << key + QStringLiteral(": %1 rows").arg(versions.rows.size());
        for (int version = 1; version <= newest; ++version) {
            const auto kept = versions.kept.find(version);
            const qsizetype found = versions.rows.count(version) + (kept == versions.kept.end() ? 0 : kept->second.size());
            if (found != 1)
                faults << key + QStringLiteral(": version %1 found %2 times").arg(version).arg(found);
        }
        if (versions.rows.isEmpty() && newest > 0) {
            ++deletedDays;
            if (versions.kept.at(newest) != QStringList{QStringLiteral("delete")})
                faults << key + QStringLiteral(": no row, and its newest text was not kept for delete");
        }
        if (!versions.rows.isEmpty() && versions.rows.first() != newest)
            faults << key + QStringLiteral(": its row is version %1 of %2").arg(versions.rows.first()).arg(newest);
    }
    return faults;
}

TEST(FaultInjection, KilledDayWritesLeaveEveryDayItsOldRowOrItsNewRowWithTheOldTextKept)
{
    const Rounds rounds = RoundsToRun();
    KalvoFolder folder;
    folder.SeedLongDays(300);
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> writerMs(0, 60);
    int writes = 0, round = 0, versions = 0, deletedDays = 0;
    for (; round < rounds.count && !rounds.budget.hasExpired(); ++round) {
        const QByteArray diaryBefore = Contents(folder.Diary());
        QProcess writer;
        writer.start(QStringLiteral(DIARY_WRITER), {folder.Diary(), QStringLiteral("--day-writes")});
        KillAfterItWrote(writer, folder.Diary(), writerMs(random));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "round " << round << ": the writer ended by itself";
        ASSERT_EQ(writer.readAllStandardError().toStdString(), "") << "round " << round;
        writes += Contents(folder.Diary()) != diaryBefore;

        // A fresh connection, opened as Kalvo opens it: a write the kill cut short is rolled back.
        const auto diary = folder.OpenDiary();
        versions = 0;
        deletedDays = 0;
        ASSERT_EQ(LostTexts(*diary, versions, deletedDays).join(QStringLiteral("; ")).toStdString(), "") << "round " << round;
        ASSERT_EQ(DiaryProblems(*diary), QStringList()) << "round " << round;
    }
    std::printf("%d rounds: the writer changed the diary in %d; %d versions written in all, %d days deleted at the end\n",
                round, writes, versions, deletedDays);
    EXPECT_GT(writes, 0) << "the writer was always killed before it wrote";
    EXPECT_GT(versions, 2 * kVersionedDays) << "too few writes to tell anything";
}

}  // namespace
