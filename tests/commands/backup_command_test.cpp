// Kalvo --check, --backup and --restore: the arguments as a table, and the real executable run with
// no display on a diary beside it.
#include "diary/safety/diary_backups.h"
#include "commands/command_line.h"
#include "app/main_window.h"
#include "diary_rows.h"
#include "kalvo_folder.h"
#include "controls/month_calendar.h"
#include "platform/paths.h"
#include "platform/scripted_dialogs.h"
#include "store/diary_check.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;
using Kind = BackupCommand::Kind;

const TDateTime kJune30 = EncodeDate(2021, 6, 30);

TEST(BackupArguments, AreReadStrictly)
{
    struct Case {
        QStringList arguments;
        Action action;
        Kind kind;
        const char* part;  // the file, or a piece of the one line said
    };
    const Case cases[] = {
        {{"--check"}, Action::Backup, Kind::Check, ""},
        {{"--backup", "copy.db"}, Action::Backup, Kind::Backup, "copy.db"},
        {{"--restore", "dir/old diary.db"}, Action::Backup, Kind::Restore, "dir/old diary.db"},
        {{"--check", "Kalvo.db"}, Action::Invalid, Kind::Check, "expected: Kalvo --check (see Kalvo --help)"},
        {{"--backup"}, Action::Invalid, Kind::Check, "expected: Kalvo --backup FILE"},
        {{"--backup", "--check"}, Action::Invalid, Kind::Check, "expected: Kalvo --check"},
        {{"--backup", "-x"}, Action::Invalid, Kind::Check, "expected: Kalvo --backup FILE"},
        {{"copy.db", "--backup"}, Action::Invalid, Kind::Check, "expected: Kalvo --backup FILE"},
        {{"--restore", "a.db", "b.db"}, Action::Invalid, Kind::Check, "expected: Kalvo --restore FILE"},
        {{"--restore", "a.db", "--help"}, Action::Help, Kind::Check, ""},
    };
    for (const Case& c : cases) {
        const std::string shown = c.arguments.join(u' ').toStdString();
        const CommandLine command = ParseCommandLine(c.arguments);
        ASSERT_EQ(command.action, c.action) << shown;
        if (c.action == Action::Backup) {
            EXPECT_EQ(command.backup.kind, c.kind) << shown;
            EXPECT_EQ(command.backup.file, QString::fromUtf8(c.part)) << shown;
        }
        else if (c.action == Action::Invalid) {
            EXPECT_TRUE(command.error.startsWith(QString::fromUtf8(c.part))) << shown << ": " << command.error.toStdString();
        }
    }
    for (const char* usage : {"--check", "--backup FILE", "--restore FILE", "--export FROM TO FILE"})
        EXPECT_TRUE(UsageText().contains(QString::fromUtf8(usage))) << usage;
}

// The executable beside a diary of one day.
class DiaryFolder : public KalvoFolder {
public:
    QStringList Names() const
    {
        QStringList names = Listing();
        names.sort();
        return names;
    }

    DiaryFolder() { Store({{kJune30, QStringLiteral("the diary's own words\r\n")}}); }

    // A sound diary of one day in another file.
    QString OtherDiary(const QString& name, const QString& text) const
    {
        SqliteConnection connection;
        DiarySql::ConfigureConnection(connection);
        connection.Database = File(name);
        connection.Open();
        StoreDiaryRow(connection, kJune30, text);
        return connection.Database;
    }
};

QString TextOf(const QString& file) { return StoredDayText(file, kJune30); }

void Damage(const QString& file) { WriteFile(file, QByteArray("no database, just words\n").repeated(300)); }

TEST(CheckCommand, SaysOkOrWhatIsWrong)
{
    enum class Diary { Sound, Damaged, NoDiaryColumn, Locked, Missing, TwoEntries, EarlierWithoutWhy };
    struct Case {
        const char* name;
        Diary diary;
        int exitCode;
        const char* out;
        const char* errPart;
    };
    const Case cases[] = {
        {"sound", Diary::Sound, 0, "ok\n", nullptr},
        {"damaged", Diary::Damaged, 1, "file is not a database\n", nullptr},
        {"no diary column", Diary::NoDiaryColumn, 1, "the table MyDb has no column diary\n", nullptr},
        {"locked", Diary::Locked, 1, "", "is open in another Kalvo; close that Kalvo and try again"},
        {"missing", Diary::Missing, 1, "", "no diary at "},
        {"two entries on a day: no damage", Diary::TwoEntries, 0, "ok\n2021-06-30 has 2 entries\n", nullptr},
        {"kept texts without their why", Diary::EarlierWithoutWhy, 1, "the table Earlier has no column why\n", nullptr},
    };
    for (const Case& c : cases) {
        DiaryFolder folder;
        std::unique_ptr<SqliteConnection> otherKalvo;
        if (c.diary == Diary::Damaged)
            Damage(folder.Diary());
        if (c.diary == Diary::Missing)
            QFile::remove(folder.Diary());
        if (c.diary == Diary::NoDiaryColumn) {
            QFile::remove(folder.Diary());
            folder.OpenDiary()->ExecSQL(QStringLiteral("DROP TABLE MyDb; CREATE TABLE MyDb(ID integer PRIMARY KEY, date datetime)"));
        }
        if (c.diary == Diary::TwoEntries)
            folder.Store({{kJune30, QStringLiteral("a second entry")}, {kJune30 + 1, QStringLiteral("one entry")}});
        if (c.diary == Diary::EarlierWithoutWhy)
            folder.OpenDiary()->ExecSQL(QStringLiteral("CREATE TABLE Earlier(day TEXT, text BLOB, kept TEXT)"));
        const QByteArray before = Contents(folder.Diary());
        if (c.diary == Diary::Locked)
            otherKalvo = folder.OpenDiary();
        const Outcome run = folder.Run({QStringLiteral("--check")});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.out, QString::fromUtf8(c.out)) << c.name;
        if (c.errPart) {
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("Kalvo: ")) && run.err.contains(QString::fromUtf8(c.errPart)))
                << c.name << ": " << run.err.toStdString();
            EXPECT_EQ(run.err.count(u'\n'), 1) << c.name;
        } else {
            EXPECT_EQ(run.err, QString()) << c.name;
        }
        otherKalvo.reset();
        EXPECT_EQ(Contents(folder.Diary()), before) << c.name << ": checking changes nothing";
    }
}

TEST(BackupCommand, WritesACheckedCopyOrLeavesTheOlderFileAsItWas)
{
    DiaryFolder folder;
    const QString target = folder.File(QStringLiteral("copy.db"));
    WriteFile(target, "an older backup");
    Outcome run = folder.Run({QStringLiteral("--backup"), target});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out + run.err, QString());
    EXPECT_EQ(TextOf(target), QStringLiteral("the diary's own words\r\n"));
    EXPECT_EQ(DiaryFileProblems(target), QStringList());
    EXPECT_EQ(folder.Names(), QStringList({"Kalvo", "Kalvo.db", "copy.db"}));

    const QByteArray copied = Contents(target);
    const auto otherKalvo = folder.OpenDiary();
    run = folder.Run({QStringLiteral("--backup"), target});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("is open in another Kalvo"))) << run.err.toStdString();
    EXPECT_EQ(Contents(target), copied);
    run = folder.Run({QStringLiteral("--backup"), folder.File(QStringLiteral("no/folder/copy.db"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(folder.Names(), QStringList({"Kalvo", "Kalvo.db", "copy.db"}));
}

TEST(RestoreCommand, IsRefusedWhileLockedAndForAFileThatIsNoSoundDiary)
{
    enum class Trouble { Locked, DamagedFile, NoTableInFile, TheDiaryItself, MissingFile };
    struct Case {
        const char* name;
        Trouble trouble;
        const char* errPart;
    };
    const Case cases[] = {
        {"locked", Trouble::Locked, "is open in another Kalvo; close that Kalvo and try again"},
        {"damaged file", Trouble::DamagedFile, "old.db is not a sound diary, nothing was changed: file is not a database"},
        {"no table", Trouble::NoTableInFile, "old.db is not a sound diary, nothing was changed: the table MyDb is missing"},
        {"the diary itself", Trouble::TheDiaryItself, "Kalvo.db is the diary itself"},
        {"missing file", Trouble::MissingFile, "no file "},
    };
    for (const Case& c : cases) {
        DiaryFolder folder;
        QString file = folder.OtherDiary(QStringLiteral("old.db"), QStringLiteral("older words\r\n"));
        if (c.trouble == Trouble::DamagedFile)
            Damage(file);
        if (c.trouble == Trouble::NoTableInFile) {
            QFile::remove(file);
            SqliteConnection other;
            other.Database = file;
            other.Open();
            other.ExecSQL(QStringLiteral("CREATE TABLE Notes(x)"));
        }
        if (c.trouble == Trouble::TheDiaryItself)
            file = folder.Diary();
        if (c.trouble == Trouble::MissingFile)
            QFile::remove(file);
        const QByteArray diaryBefore = Contents(folder.Diary());
        std::unique_ptr<SqliteConnection> otherKalvo;
        if (c.trouble == Trouble::Locked)
            otherKalvo = folder.OpenDiary();
        const QStringList before = folder.Listing();

        const Outcome run = folder.Run({QStringLiteral("--restore"), file});
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("Kalvo: ")) && run.err.contains(QString::fromUtf8(c.errPart)))
            << c.name << ": " << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << c.name;
        EXPECT_EQ(run.out, QString()) << c.name;
        EXPECT_EQ(folder.Listing(), before) << c.name << ": no backup made, no partial file left";
        otherKalvo.reset();
        EXPECT_EQ(Contents(folder.Diary()), diaryBefore) << c.name;
    }
}

TEST(RestoreCommand, PutsTheFileInTheDiarysPlaceKeepingTheOldOneAndTheWindowOpensIt)
{
    DiaryFolder folder;
    const QString file = folder.OtherDiary(QStringLiteral("old.db"), QStringLiteral("older words\r\n"));
    const QByteArray fileBefore = Contents(file);
    const Outcome run = folder.Run({QStringLiteral("--restore"), file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    const QRegularExpressionMatch kept =
        QRegularExpression(QStringLiteral("^restored (.+); the diary it replaced is kept as (.+/backups/(Kalvo-.+\\.db))\\n$")).match(run.out);
    ASSERT_TRUE(kept.hasMatch()) << run.out.toStdString();
    EXPECT_EQ(kept.captured(1), file);
    EXPECT_TRUE(IsBackupName(kept.captured(3))) << kept.captured(3).toStdString();
    EXPECT_EQ(TextOf(kept.captured(2)), QStringLiteral("the diary's own words\r\n"));
    EXPECT_EQ(Contents(file), fileBefore) << "the restored file stays as it was";
    EXPECT_EQ(folder.Names(), QStringList({"Kalvo", "Kalvo.db", "backups", "old.db"}));

    ScriptedDialogs dialogs;
    SetExecutableDirForTesting(folder.File(QString()));
    {
        TForm1 form;
        form.show();
        form.RzCalendar1->SetDate(kJune30);
        form.RzCalendar1Click();
        EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("older words\n"));
        form.close();
    }
    SetExecutableDirForTesting(QString());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

// A journal beside a damaged diary belongs to it: it must not be played into the restored one.
TEST(RestoreCommand, KeepsADamagedDiaryByteForByteAndNoJournalBesideTheRestoredOne)
{
    DiaryFolder folder;
    const QString file = folder.OtherDiary(QStringLiteral("old.db"), QStringLiteral("older words\r\n"));
    Damage(folder.Diary());
    WriteFile(folder.Diary() + QStringLiteral("-journal"), "a journal left by a crash");
    const QByteArray damaged = Contents(folder.Diary());
    const Outcome run = folder.Run({QStringLiteral("--restore"), file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QRegularExpressionMatch kept = QRegularExpression(QStringLiteral("kept as (.+-damaged\\.db)\\n$")).match(run.out);
    ASSERT_TRUE(kept.hasMatch()) << run.out.toStdString();
    EXPECT_EQ(Contents(kept.captured(1)), damaged);
    EXPECT_FALSE(QFile::exists(folder.Diary() + QStringLiteral("-journal"))) << "it would be played into the restored diary";
    EXPECT_EQ(TextOf(folder.Diary()), QStringLiteral("older words\r\n"));
    EXPECT_EQ(folder.Run({QStringLiteral("--check")}).out, QStringLiteral("ok\n"));
}

// A diary damaged inside opens (its first page is whole) but fails when some pages are read: it
// cannot be copied through SQLite, so it is kept byte for byte before the restore.
TEST(RestoreCommand, KeepsADiaryDamagedInsideByteForByte)
{
    DiaryFolder folder;
    folder.SeedLongDays(300);
    const QString file = folder.OtherDiary(QStringLiteral("old.db"), QStringLiteral("older words\r\n"));
    {
        QFile diary(folder.Diary());
        ASSERT_TRUE(diary.open(QIODevice::ReadWrite));
        ASSERT_GT(diary.size(), 40 * 4096);
        diary.seek(20 * 4096);
        diary.write(QByteArray(64, '\x7f'));
    }
    ASSERT_NO_THROW(folder.OpenDiary()) << "the damage shows only when those pages are read";
    ASSERT_EQ(DiaryFileProblems(folder.Diary(), CheckDepth::Quick), QStringList{QStringLiteral("database disk image is malformed")});
    const QByteArray damaged = Contents(folder.Diary());

    const Outcome run = folder.Run({QStringLiteral("--restore"), file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    const QRegularExpressionMatch kept =
        QRegularExpression(QStringLiteral("^restored .+; the diary it replaced is kept as (.+/backups/Kalvo-.+-damaged\\.db)\\n$")).match(run.out);
    ASSERT_TRUE(kept.hasMatch()) << run.out.toStdString();
    EXPECT_EQ(Contents(kept.captured(1)), damaged);
    EXPECT_EQ(TextOf(folder.Diary()), QStringLiteral("older words\r\n"));
    EXPECT_EQ(folder.Run({QStringLiteral("--check")}).out, QStringLiteral("ok\n"));
}

}  // namespace
