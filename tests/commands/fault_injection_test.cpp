// Processes killed with SIGKILL at random moments while they write the diary and back it up: the
// diary, and every backup that has its final name, must pass the integrity check afterwards.
// KALVO_FAULT_ROUNDS=<n> runs n rounds instead of the short default (the long run).
#include "diary/safety/diary_backups.h"
#include "kalvo_folder.h"
#include "store/diary_check.h"

#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kDefaultRounds = 30;
constexpr int kDefaultSeconds = 25;

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
    const int requested = qEnvironmentVariableIntValue("KALVO_FAULT_ROUNDS");
    const int rounds = requested > 0 ? requested : kDefaultRounds;
    const QDeadlineTimer budget(requested > 0 ? QDeadlineTimer::Forever : QDeadlineTimer(kDefaultSeconds * 1000));
    KalvoFolder folder;
    folder.SeedLongDays(3000);
    std::mt19937 random(20211230);
    std::uniform_int_distribution<int> writerMs(0, 40), kalvoMs(0, 500), writingMs(0, 15);
    int finishedBackups = 0, killedBackups = 0, killedWriting = 0, restores = 0, writes = 0, round = 0;
    for (; round < rounds && !budget.hasExpired(); ++round) {
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

}  // namespace
