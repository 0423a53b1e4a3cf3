// Kalvo --earlier and --undelete: the arguments and the printed line as tables, and the real
// executable run with no display on a diary whose texts were kept by the day's writes.
#include "commands/command_line.h"
#include "diary/history/day_writes.h"
#include "kalvo_folder.h"
#include "store/sqlite_rows.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>

namespace {

using Action = CommandLine::Action;
using Kind = EarlierCommand::Kind;

const TDateTime kDecember2 = EncodeDate(2026, 12, 2);
const TDateTime kDecember3 = EncodeDate(2026, 12, 3);
const TDateTime kDecember6 = EncodeDate(2026, 12, 6);
const TDateTime kMorning = EncodeDate(2026, 12, 11) + EncodeTime(9, 30, 0, 0);
constexpr double kMinute = 1.0 / 1440;

TEST(EarlierArguments, AreReadStrictly)
{
    struct Case {
        QStringList arguments;
        Action action;
        Kind kind;
        const char* errorPart;  // for Invalid
    };
    const Case cases[] = {
        {{"--earlier", "2026-12-02"}, Action::Earlier, Kind::List, ""},
        {{"--undelete", "2026-12-02"}, Action::Earlier, Kind::Undelete, ""},
        {{"--earlier"}, Action::Invalid, Kind::List, "expected: Kalvo --earlier DATE (see Kalvo --help)"},
        {{"--undelete", "2026-12-02", "2026-12-03"}, Action::Invalid, Kind::List, "expected: Kalvo --undelete DATE"},
        {{"2026-12-02", "--earlier"}, Action::Invalid, Kind::List, "expected: Kalvo --earlier DATE"},
        {{"--earlier", "2026-02-30"}, Action::Invalid, Kind::List, "\"2026-02-30\" is not a date written as yyyy-MM-dd"},
        {{"--undelete", "2026-12-2"}, Action::Invalid, Kind::List, "\"2026-12-2\" is not a date written as yyyy-MM-dd"},
        {{"--earlier", "2026-12-02", "--help"}, Action::Help, Kind::List, ""},
    };
    for (const Case& c : cases) {
        const std::string shown = c.arguments.join(u' ').toStdString();
        const CommandLine command = ParseCommandLine(c.arguments);
        ASSERT_EQ(command.action, c.action) << shown;
        if (c.action == Action::Earlier) {
            EXPECT_EQ(command.earlier.kind, c.kind) << shown;
            EXPECT_EQ(command.earlier.day, kDecember2) << shown;
        }
        if (c.action == Action::Invalid) {
            EXPECT_EQ(command.error.left(int(strlen(c.errorPart))), QString::fromUtf8(c.errorPart)) << shown;
        }
    }
    for (const QString& line : UsageText().split(u'\n'))
        EXPECT_LT(line.size(), 90) << line.toStdString();
    for (const char* usage : {"--earlier DATE", "--undelete DATE"})
        EXPECT_TRUE(UsageText().contains(QString::fromUtf8(usage))) << usage;
}

TEST(EarlierLine, GivesWhenWhyAndTheFirstLineAsOneLine)
{
    struct Case {
        QByteArray text;
        const char* why;
        const char* line;
    };
    const Case cases[] = {
        {"only line", "post", "2026-12-11T09:30:00Z  post    only line"},
        {"first\r\nsecond\r\n", "delete", "2026-12-11T09:30:00Z  delete  first"},
        {"\r\nthe first line is empty", "import", "2026-12-11T09:30:00Z  import  "},
        {"", "delete", "2026-12-11T09:30:00Z  delete  (empty)"},
        {QByteArray("a\0b\tc\x1b", 6), "post", "2026-12-11T09:30:00Z  post    a\u2400b\tc\u241b"},
        {"\xff" "abc\x80", "post", "2026-12-11T09:30:00Z  post    \ufffdabc\ufffd"},
        {"日記\nです", "post", "2026-12-11T09:30:00Z  post    日記"},
    };
    for (const Case& c : cases) {
        const EarlierText text{kDecember2, c.text, QStringLiteral("2026-12-11T09:30:00Z"), QString::fromLatin1(c.why)};
        EXPECT_EQ(EarlierLine(text).toStdString(), c.line);
    }
}

// The executable beside a diary whose days were written and rewritten through the day's writes:
//   2026-12-02  written, changed, deleted
//   2026-12-03  written, changed: it has its entry
//   2026-12-06  bytes that are no UTF-8, stored by another program, deleted
class KeptFolder : public KalvoFolder {
public:
    KeptFolder()
    {
        const auto diary = OpenDiary();
        DayWrites writes(*diary);
        writes.Post(kDecember2, QStringLiteral("first words\r\nmore\r\n"), kMorning);
        writes.Post(kDecember2, QStringLiteral("changed\r\n"), kMorning + kMinute);
        writes.Delete(kDecember2, kMorning + 2 * kMinute);
        writes.Post(kDecember3, QStringLiteral("old"), kMorning);
        writes.Post(kDecember3, QStringLiteral("still here"), kMorning + kMinute);
        SqliteRows insert(*diary, "INSERT INTO MyDb (date, diary) VALUES ('2026-12-06', x'FF616263')");
        insert.Next();
        writes.Delete(kDecember6, kMorning + 3 * kMinute);
    }

    // The day's rows as storage class and bytes.
    QStringList DayRows(const char* dayKey) const
    {
        const auto diary = OpenDiary();
        SqliteRows rows(*diary, "SELECT typeof(diary) || ' ' || hex(diary) FROM MyDb WHERE date = ?1 ORDER BY ID");
        sqlite3_bind_text(rows.Statement(), 1, dayKey, -1, SQLITE_TRANSIENT);
        QStringList lines;
        while (rows.Next())
            lines << QString::fromLatin1(rows.Text(0).data(), qsizetype(rows.Text(0).size()));
        return lines;
    }
};

QString Stamp(double minutes) { return KeptStamp(kMorning + minutes * kMinute); }

TEST(EarlierCommand, ListsADaysKeptTextsNewestFirst)
{
    KeptFolder folder;
    const QByteArray before = Contents(folder.Diary());
    const Outcome run = folder.Run({QStringLiteral("--earlier"), QStringLiteral("2026-12-02")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out, QStringLiteral("%1  delete  changed\n%2  post    first words\n").arg(Stamp(2), Stamp(1)));

    const Outcome none = folder.Run({QStringLiteral("--earlier"), QStringLiteral("2026-12-04")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, QStringLiteral("nothing is kept for 2026-12-04\n"));
    EXPECT_EQ(Contents(folder.Diary()), before) << "listing changes nothing";
}

TEST(EarlierCommand, UndeletePutsTheNewestDeletedTextBackByteForByteOnce)
{
    KeptFolder folder;
    const Outcome run = folder.Run({QStringLiteral("--undelete"), QStringLiteral("2026-12-02")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out, QStringLiteral("2026-12-02: put back the text deleted at %1\n").arg(Stamp(2)));
    EXPECT_EQ(folder.DayRows("2026-12-02"), QStringList{QStringLiteral("blob ") + QString::fromLatin1(QByteArray("changed\r\n").toHex().toUpper())});

    const Outcome other = folder.Run({QStringLiteral("--undelete"), QStringLiteral("2026-12-06")});
    EXPECT_EQ(other.exitCode, 0) << other.err.toStdString();
    EXPECT_EQ(folder.DayRows("2026-12-06"), QStringList{QStringLiteral("blob FF616263")}) << "the bytes, not their reading as UTF-8";

    // Written back like any write: undoable, and nothing kept, since nothing was replaced.
    const auto diary = folder.OpenDiary();
    EXPECT_EQ(EarlierTextsOf(*diary, kDecember2).size(), 2);
}

TEST(EarlierCommand, UndeleteRefusesADayWithAnEntryOrNothingDeletedAndBothRefuseALockedDiary)
{
    struct Case {
        const char* name;
        QStringList arguments;
        bool locked;
        int exitCode;
        const char* errorPart;
    };
    const Case cases[] = {
        {"a day with its entry", {"--undelete", "2026-12-03"}, false, 1,
         "2026-12-03 has an entry; --undelete puts back only a day that has none"},
        {"nothing kept", {"--undelete", "2026-12-05"}, false, 1, "no deleted text of 2026-12-05 is kept"},
        {"undelete, locked", {"--undelete", "2026-12-02"}, true, 1, "is open in another Kalvo; close that Kalvo and try again"},
        {"earlier, locked", {"--earlier", "2026-12-02"}, true, 1, "is open in another Kalvo; close that Kalvo and try again"},
        {"no such day", {"--earlier", "2026-02-30"}, false, 2, "\"2026-02-30\" is not a date written as yyyy-MM-dd"},
    };
    for (const Case& c : cases) {
        KeptFolder folder;
        // Read before locking: closing any file on the diary drops this process's locks on it.
        const QByteArray before = Contents(folder.Diary());
        SqliteConnection otherKalvo;
        if (c.locked)
            folder.LockLikeAnotherKalvo(otherKalvo);
        const Outcome run = folder.Run(c.arguments);
        ExpectOneLineFailure(run, c.exitCode, c.errorPart, c.name);
        otherKalvo.Close();
        EXPECT_EQ(Contents(folder.Diary()), before) << c.name;
    }
}

TEST(EarlierCommand, ADiaryWithoutKeptTextsIsListedAsSuchAndLeftWithoutTheTable)
{
    KalvoFolder folder;
    folder.Store({{kDecember2, QStringLiteral("written by an older Kalvo")}});
    const QByteArray before = Contents(folder.Diary());
    const Outcome run = folder.Run({QStringLiteral("--earlier"), QStringLiteral("2026-12-02")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("nothing is kept for 2026-12-02\n"));
    const Outcome undelete = folder.Run({QStringLiteral("--undelete"), QStringLiteral("2026-12-04")});
    ExpectOneLineFailure(undelete, 1, "no deleted text of 2026-12-04 is kept", "undelete");
    EXPECT_EQ(Contents(folder.Diary()), before);
}

}  // namespace
