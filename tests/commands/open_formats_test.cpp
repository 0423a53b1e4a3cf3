// The diary in open formats: --export to .txt and .json and --import of a .json, in process for the
// formats themselves and through the real executable, in a folder of its own, for the commands.
#include "diary/formats/diary_formats.h"
#include "commands/command_line.h"
#include "diary_texts.h"
#include "kalvo_folder.h"
#include "test_env.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

// Every code point there is, surrogates aside, in one text.
QString EveryCodePoint()
{
    QList<char32_t> codePoints;
    for (char32_t c = 0; c <= 0x10FFFF; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            codePoints.append(c);
    return QString::fromUcs4(codePoints.constData(), codePoints.size());
}

TEST(DiaryJson, KeepsEveryTextExactlyNulAndEveryCodePointIncluded)
{
    QList<TReportData> entries;
    TDateTime day = EncodeDate(2021, 6, 1);
    QList<QString> texts = TrickyDiaryTexts();
    texts << EveryCodePoint();
    for (const QString& text : texts)
        entries.append({DiarySql::DayKey(day++), text});
    const QByteArray json = DiaryAsJson(entries);
    EXPECT_TRUE(json.contains(R"("text": "before\u0000after\r\n")")) << "a NUL is escaped, not cut";

    const QList<TReportData> read = DiaryFromJson(json);
    ASSERT_EQ(read.size(), entries.size());
    for (qsizetype i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].Data1, entries[i].Data1);
        EXPECT_EQ(read[i].Data2.toUtf8(), entries[i].Data2.toUtf8()) << "entry " << i + 1;
    }
    EXPECT_TRUE(DiaryFromJson("[]").isEmpty());
}

TEST(DiaryJson, NamesTheFirstFaultOfAFile)
{
    struct Case {
        const char* json;
        const char* message;  // exactly what is said
    };
    const Case cases[] = {
        {"[\n  {\"date\": \"2021-06-01\", \"text\": \"a\"},\n  {\"date\": \"2021-06-02\" \"text\": \"b\"}\n]",
         "line 3, column 25: unterminated object"},
        {"[{\"date\": \"2021-06-01\", \"text\": \"日記\"}", "line 1, column 37: unterminated array"},
        {"", "line 1, column 1: illegal value"},
        {"[abc]", "line 1, column 2: illegal number"},
        {"[1] x", "line 1, column 5: garbage at the end of the document"},
        {"[{\"a\" 1}]", "line 1, column 7: missing name separator"},
        {"[{\"a\":1,}]", "line 1, column 9: object is missing after a comma"},
        {"[{\"date\": \"2021-06-01\", \"text\": \"a\"} {}]", "line 1, column 38: missing value separator"},
        {"{\"date\": \"2021-06-01\", \"text\": \"a\"}", "the file holds no list of days: expected [ {\"date\": ..., \"text\": ...}, ... ]"},
        {"[{\"date\": \"2021-06-01\", \"text\": \"a\"}, \"2021-06-02\"]", "entry 2: not an object {\"date\": ..., \"text\": ...}"},
        {"[{\"text\": \"a\"}]", "entry 1: no \"date\""},
        {"[{\"date\": 20210601, \"text\": \"a\"}]", "entry 1: \"date\" is not a text"},
        {"[{\"date\": \"2021-02-29\", \"text\": \"a\"}]", "entry 1: \"2021-02-29\" is not a date written as yyyy-MM-dd"},
        {"[{\"date\": \"2021-6-1\", \"text\": \"a\"}]", "entry 1: \"2021-6-1\" is not a date written as yyyy-MM-dd"},
        {"[{\"date\": \"2021-06-01\"}]", "entry 1: no \"text\""},
        {"[{\"date\": \"2021-06-01\", \"text\": null}]", "entry 1: \"text\" is not a text"},
        {"[{\"date\": \"2021-06-01\", \"text\": [\"a\"]}]", "entry 1: \"text\" is not a text"},
        {"[{\"date\": \"2021-06-01\", \"text\": \"a\", \"mood\": \"fine\"}]", "entry 1: unknown field \"mood\""},
        {"[{\"date\": \"2021-06-01\", \"text\": \"x\\ud800y\"}]", "entry 1: 2021-06-01: the text holds a lone surrogate, which is no character"},
    };
    for (const Case& c : cases) {
        try {
            DiaryFromJson(QByteArray(c.json));
            ADD_FAILURE() << "accepted " << c.json;
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message().toStdString(), c.message) << c.json;
        }
    }
}

// The export of a diary that holds two rows for a day gives the day twice, in row order.
TEST(DiaryJson, KeepsADayGivenTwiceInTheFilesOrder)
{
    const QList<TReportData> read = DiaryFromJson(R"([{"date": "2021-06-01", "text": "b"}, {"date": "2021-06-02", "text": "x"},
                                                     {"date": "2021-06-01", "text": "a"}])");
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0].Data1 + read[0].Data2 + read[2].Data1 + read[2].Data2, QStringLiteral("2021-06-01b2021-06-01a"));
}

// The limit counts the bytes a text takes in UTF-8, as the diary stores it: a Japanese character
// is three.
TEST(DiaryJson, RefusesATextOverTenMebibytes)
{
    const auto json = [](const QString& text) {
        return DiaryAsJson({{QStringLiteral("2021-06-01"), QStringLiteral("short")}, {QStringLiteral("2021-06-02"), text}});
    };
    const QString most = QString(kMostDayTextBytes / 3, QChar(0x65E5)) + u'a';
    ASSERT_EQ(most.toUtf8().size(), kMostDayTextBytes);
    EXPECT_EQ(DiaryFromJson(json(most)).last().Data2, most);
    try {
        DiaryFromJson(json(most + u'!'));
        ADD_FAILURE() << "a text over the limit was accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("entry 2: 2021-06-02: the text is over the limit of 10 MiB a day (10485761 bytes)"));
    }
}

TEST(ImportArguments, AreReadStrictly)
{
    struct Case {
        QStringList arguments;
        Action action;
        bool replace;
    };
    const Case cases[] = {
        {{"--import", "days.json"}, Action::Import, false},
        {{"--import", "days.json", "--replace"}, Action::Import, true},
        {{"--import", "--replace", "days.json"}, Action::Import, true},
        {{"--import"}, Action::Invalid, false},
        {{"--import", "--replace"}, Action::Invalid, false},
        {{"--import", "a.json", "b.json"}, Action::Invalid, false},
        {{"--import", "a.json", "--replace", "--replace"}, Action::Invalid, false},
        {{"--import", "a.json", "--frobnicate"}, Action::Invalid, false},
        {{"a.json", "--import"}, Action::Invalid, false},
        {{"--import", "a.json", "--export", "2021-06-01", "2021-06-30", "b.json"}, Action::Invalid, false},
        {{"--replace", "a.json"}, Action::Invalid, false},  // nothing to replace without --import
        {{"--import", "a.json", "--help"}, Action::Help, false},
    };
    for (const Case& c : cases) {
        const CommandLine command = ParseCommandLine(c.arguments);
        const std::string shown = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(command.action, c.action) << shown;
        if (c.action == Action::Import) {
            EXPECT_EQ(command.import.fileName, QStringLiteral("days.json")) << shown;
            EXPECT_EQ(command.import.replace, c.replace) << shown;
        }
        if (c.action == Action::Invalid) {
            EXPECT_TRUE(command.error.contains(QStringLiteral("(see Kalvo --help)"))) << shown;
        }
    }
}

const QString kJuneFirst = QStringLiteral("2021-06-01");
const QString kJuneLast = QStringLiteral("2021-06-30");

// Every row as its exact stored form: the day key, the storage class and the bytes of the text.
QStringList StoredRows(const KalvoFolder& folder)
{
    const auto connection = folder.OpenDiary();
    SqliteQuery query(*connection);
    query.SetSQL(QStringLiteral("SELECT date || '' AS day, typeof(diary) AS kind, hex(diary) AS bytes FROM MyDb ORDER BY ID"));
    query.Open();
    QStringList rows;
    for (query.First(); !query.Eof(); query.Next())
        rows << query.AsString(QStringLiteral("day")) + u' ' + query.AsString(QStringLiteral("kind")) + u' ' +
                    query.AsString(QStringLiteral("bytes"));
    return rows;
}

QString CreateStatement(const KalvoFolder& folder)
{
    const auto connection = folder.OpenDiary();
    SqliteQuery query(*connection);
    query.SetSQL(QStringLiteral("SELECT sql || '' AS statement FROM sqlite_master"));
    query.Open();
    return query.RecordCount() == 1 ? query.AsString(QStringLiteral("statement")) : QString();
}

TEST(OpenFormatsCommand, AJsonExportImportedIntoANewDiaryGivesTheSameBytes)
{
    KalvoFolder source;
    QList<std::pair<TDateTime, QString>> days{{EncodeDate(2021, 5, 31), QStringLiteral("before the range")}};
    TDateTime day = EncodeDate(2021, 6, 1);
    for (const QString& text : TrickyDiaryTexts())
        days.append({day++, text});
    days.append({EncodeDate(2021, 6, 30), EveryCodePoint()});
    days.append({EncodeDate(2021, 7, 1), QStringLiteral("after the range")});
    source.Store(days);

    const QString json = source.File(QStringLiteral("June.json"));
    const Outcome exported = source.Run({QStringLiteral("--export"), kJuneFirst, kJuneLast, json});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out + exported.err, QString());
    if (!QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty()) {
        EXPECT_FALSE(ProgramOutput(QStringLiteral("python3"), {QStringLiteral("-m"), QStringLiteral("json.tool"), json}).isEmpty())
            << "another JSON reader reads it";
    }

    KalvoFolder target;
    ASSERT_FALSE(QFile::exists(target.Diary()));
    WriteFile(target.File(QStringLiteral("June.json")), Contents(json));
    const Outcome imported = target.Run({QStringLiteral("--import"), QStringLiteral("June.json")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.err, QString());
    EXPECT_EQ(imported.out, QStringLiteral("13 days added, 0 replaced, 0 differing kept, 0 already the same\n"));

    // The window's own statement, as SQLite keeps it.
    EXPECT_EQ(CreateStatement(target), QString(DiarySql::kCreateTable).remove(QStringLiteral("IF NOT EXISTS ")));
    const QStringList sourceRows = StoredRows(source);
    EXPECT_EQ(StoredRows(target), sourceRows.mid(1, sourceRows.size() - 2)) << "the range, both end days included";
}

TEST(OpenFormatsCommand, TextExportWritesEachDayItsLineItsTextAndABlankLine)
{
    KalvoFolder folder;
    folder.Store({{EncodeDate(2021, 6, 2), QStringLiteral("Rain.\r\nThen sun.\r\n")},
                  {EncodeDate(2021, 6, 1), QStringLiteral("no line end")},
                  {EncodeDate(2021, 6, 3), QString()},
                  {EncodeDate(2021, 6, 4), QStringLiteral("outside")}});
    const Outcome run = folder.Run({QStringLiteral("--export"), kJuneFirst, QStringLiteral("2021-06-03"), QStringLiteral("days.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(Contents(folder.File(QStringLiteral("days.txt"))),
              QByteArray("2021-06-01\r\nno line end\r\n\r\n"
                         "2021-06-02\r\nRain.\r\nThen sun.\r\n\r\n"
                         "2021-06-03\r\n\r\n"));
}

TEST(OpenFormatsCommand, ImportTellsDifferingDaysAndReplacesThemOnlyWhenAsked)
{
    KalvoFolder folder;
    folder.Store({{EncodeDate(2021, 6, 1), QStringLiteral("same\r\n")},
                  {EncodeDate(2021, 6, 2), QStringLiteral("the diary's\r\n")},
                  {EncodeDate(2021, 6, 3), QStringLiteral("same\r\n")},  // two rows, one of them differs
                  {EncodeDate(2021, 6, 3), QStringLiteral("other\r\n")}});
    WriteFile(folder.File(QStringLiteral("in.json")), R"([
        {"date": "2021-06-01", "text": "same\r\n"},
        {"date": "2021-06-02", "text": "the file's\r\n"},
        {"date": "2021-06-03", "text": "same\r\n"},
        {"date": "2021-06-04", "text": "new\r\n"}
    ])");
    const QStringList before = StoredRows(folder);
    auto row = [](const char* day, const char* text) {
        return QString::fromLatin1(day) + QStringLiteral(" blob ") + QString::fromLatin1(QByteArray(text).toHex().toUpper());
    };

    const Outcome kept = folder.Run({QStringLiteral("--import"), QStringLiteral("in.json")});
    EXPECT_EQ(kept.exitCode, 0) << kept.err.toStdString();
    EXPECT_EQ(kept.err, QString());
    EXPECT_EQ(kept.out, QStringLiteral("2021-06-02: the diary's text differs from the file's; kept (--replace takes the file's)\n"
                                       "2021-06-03: the diary's text differs from the file's; kept (--replace takes the file's)\n"
                                       "1 days added, 0 replaced, 2 differing kept, 1 already the same\n"));
    EXPECT_EQ(StoredRows(folder), before + QStringList{row("2021-06-04", "new\r\n")});

    const Outcome replaced = folder.Run({QStringLiteral("--import"), QStringLiteral("in.json"), QStringLiteral("--replace")});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_EQ(replaced.out, QStringLiteral("2021-06-02: the diary's text differed; it now holds the file's\n"
                                           "2021-06-03: the diary's text differed; it now holds the file's\n"
                                           "0 days added, 2 replaced, 0 differing kept, 2 already the same\n"));
    EXPECT_EQ(StoredRows(folder), (QStringList{row("2021-06-01", "same\r\n"), row("2021-06-02", "the file's\r\n"),
                                               row("2021-06-03", "same\r\n"), row("2021-06-03", "same\r\n"),
                                               row("2021-06-04", "new\r\n")}));

    const Outcome again = folder.Run({QStringLiteral("--import"), QStringLiteral("in.json"), QStringLiteral("--replace")});
    EXPECT_EQ(again.out, QStringLiteral("0 days added, 0 replaced, 0 differing kept, 4 already the same\n"));
}

// A diary that holds two rows for a day goes out as two entries and comes back as two rows: into a
// new diary, and passed by in one that holds them already.
TEST(OpenFormatsCommand, ADayWithTwoEntriesGoesOutAndComesBackAsTwoRows)
{
    KalvoFolder source;
    source.Store({{EncodeDate(2021, 6, 1), QStringLiteral("one\r\n")},
                  {EncodeDate(2021, 6, 2), QStringLiteral("second row first\r\n")},
                  {EncodeDate(2021, 6, 3), QStringLiteral("three\r\n")},
                  {EncodeDate(2021, 6, 2), QStringLiteral("and another\r\n")}});
    const QString json = source.File(QStringLiteral("June.json"));
    ASSERT_EQ(source.Run({QStringLiteral("--export"), kJuneFirst, kJuneLast, json}).exitCode, 0);

    KalvoFolder target;
    WriteFile(target.File(QStringLiteral("June.json")), Contents(json));
    const Outcome imported = target.Run({QStringLiteral("--import"), QStringLiteral("June.json")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("3 days added, 0 replaced, 0 differing kept, 0 already the same\n"));
    QStringList expected = StoredRows(source);
    expected.move(3, 2);  // the target's rows come in date order
    EXPECT_EQ(StoredRows(target), expected);

    const Outcome again = target.Run({QStringLiteral("--import"), QStringLiteral("June.json"), QStringLiteral("--replace")});
    EXPECT_EQ(again.out, QStringLiteral("0 days added, 0 replaced, 0 differing kept, 3 already the same\n"));
    EXPECT_EQ(StoredRows(target), expected);
    const Outcome check = target.Run({QStringLiteral("--check")});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.out, QStringLiteral("ok\n2021-06-02 has 2 entries\n"));
}

// The kept texts as SQL shows them: day, storage class, bytes, why; and whether each was kept
// between `from` and `to`.
QStringList KeptTexts(const KalvoFolder& folder, const QString& from, const QString& to)
{
    const auto connection = folder.OpenDiary();
    SqliteQuery query(*connection);
    query.SetSQL(QStringLiteral("SELECT day || ' ' || typeof(text) || ' ' || hex(text) || ' ' || why AS kept, kept AS stamp "
                                "FROM Earlier ORDER BY rowid"));
    query.Open();
    QStringList kept;
    for (query.First(); !query.Eof(); query.Next()) {
        const QString stamp = query.AsString(QStringLiteral("stamp"));
        kept << query.AsString(QStringLiteral("kept")) + (stamp >= from && stamp <= to ? QString() : QStringLiteral(" at ") + stamp);
    }
    return kept;
}

QString UtcStamp() { return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")); }

TEST(OpenFormatsCommand, ImportReplaceKeepsEveryTextItReplacesExactlyAsStored)
{
    KalvoFolder folder;
    folder.Store({{EncodeDate(2021, 6, 1), QStringLiteral("same\r\n")}, {EncodeDate(2021, 6, 2), QStringLiteral("the diary's\r\n")}});
    {
        // Another program's row: bytes that are no UTF-8, beside a row that holds the file's text.
        const auto connection = folder.OpenDiary();
        connection->ExecSQL(QStringLiteral("INSERT INTO MyDb (date, diary) VALUES ('2021-06-03', x'FF0041'), ('2021-06-03', 'same')"));
    }
    WriteFile(folder.File(QStringLiteral("in.json")), R"([
        {"date": "2021-06-01", "text": "same\r\n"},
        {"date": "2021-06-02", "text": "the file's\r\n"},
        {"date": "2021-06-03", "text": "same"},
        {"date": "2021-06-04", "text": "new"}
    ])");

    const Outcome kept = folder.Run({QStringLiteral("--import"), QStringLiteral("in.json")});
    EXPECT_EQ(kept.exitCode, 0) << kept.err.toStdString();
    EXPECT_EQ(CreateStatement(folder), QString(DiarySql::kCreateTable).remove(QStringLiteral("IF NOT EXISTS ")))
        << "an import that replaces nothing keeps nothing";

    const QString from = UtcStamp();
    const Outcome replaced = folder.Run({QStringLiteral("--import"), QStringLiteral("in.json"), QStringLiteral("--replace")});
    const QString to = UtcStamp();
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_EQ(replaced.out.count(u'\n'), 3) << replaced.out.toStdString();
    EXPECT_EQ(KeptTexts(folder, from, to),
              (QStringList{QStringLiteral("2021-06-02 blob ") + QString::fromLatin1(QByteArray("the diary's\r\n").toHex().toUpper()) +
                               QStringLiteral(" import"),
                           QStringLiteral("2021-06-03 blob FF0041 import")}));
}

// Every failure says one line, changes no byte of the diary and creates none.
TEST(OpenFormatsCommand, AFailedImportChangesNothing)
{
    enum class Diary { Seeded, Locked, NotADatabase, Missing };
    struct Case {
        const char* name;
        Diary diary;
        const char* json;  // null: no file
        int exitCode;
        const char* errorPart;
    };
    const char* good = R"([{"date": "2021-06-01", "text": "new"}, {"date": "2021-06-02", "text": "changed"}])";
    const QByteArray huge = DiaryAsJson({{QStringLiteral("2021-06-02"), QStringLiteral("changed")},
                                         {QStringLiteral("2021-06-03"), QString(kMostDayTextBytes + 1, u'x')}});
    const Case cases[] = {
        {"bad json", Diary::Seeded, "[{\"date\": \"2021-06-01\", \"text\": \"new\"},\n {\"date\"}]", 1, "in.json: line 2, column 9: missing name separator"},
        {"bad json, no diary", Diary::Missing, "[{\"date\": \"2021-06-01\"", 1, "in.json: line 1, column 23: unterminated string"},
        {"bad date", Diary::Seeded, R"([{"date": "2021-06-01", "text": "new"}, {"date": "2021-06-31", "text": "x"}])", 1,
         "entry 2: \"2021-06-31\" is not a date"},
        {"missing field", Diary::Seeded, R"([{"date": "2021-06-01", "text": "new"}, {"date": "2021-06-03"}])", 1, "entry 2: no \"text\""},
        {"non-text field", Diary::Seeded, R"([{"date": "2021-06-01", "text": 7}])", 1, "entry 1: \"text\" is not a text"},
        {"day twice, the diary holding it otherwise", Diary::Seeded,
         R"([{"date": "2021-06-01", "text": "new"}, {"date": "2021-06-02", "text": "a"}, {"date": "2021-06-02", "text": "kept\r\n"}])", 1,
         "in.json: entry 3: 2021-06-02 is already given by entry 2, and the diary holds other texts for that day"},
        {"text over 10 MiB", Diary::Seeded, huge.constData(), 1,
         "in.json: entry 2: 2021-06-03: the text is over the limit of 10 MiB a day (10485761 bytes)"},
        {"no file", Diary::Seeded, nullptr, 1, "cannot read "},
        {"locked diary", Diary::Locked, good, 1, "database is locked"},
        {"not a database", Diary::NotADatabase, good, 1, "nothing imported into the diary "},
        {"no arguments", Diary::Seeded, good, 2, "expected: Kalvo --import FILE.json [--replace]"},
    };
    for (const Case& c : cases) {
        KalvoFolder folder;
        if (c.diary == Diary::NotADatabase)
            WriteFile(folder.Diary(), QByteArray(4096, 'x'));
        else if (c.diary != Diary::Missing)
            folder.Store({{EncodeDate(2021, 6, 2), QStringLiteral("kept\r\n")}});
        if (c.json)
            WriteFile(folder.File(QStringLiteral("in.json")), c.json);
        // Read before locking: closing any file on the diary drops this process's locks on it.
        const QByteArray diaryBefore = Contents(folder.Diary());
        SqliteConnection otherKalvo;
        if (c.diary == Diary::Locked)
            folder.LockLikeAnotherKalvo(otherKalvo);
        const QStringList listing = folder.Listing();
        const QStringList arguments = c.exitCode == 2 ? QStringList{QStringLiteral("--import")}
                                                      : QStringList{QStringLiteral("--import"), QStringLiteral("in.json"), QStringLiteral("--replace")};

        const Outcome run = folder.Run(arguments);

        ExpectOneLineFailure(run, c.exitCode, c.errorPart, c.name);
        EXPECT_EQ(folder.Listing(), listing) << c.name << ": no file added or removed, no diary created";
        EXPECT_EQ(Contents(folder.Diary()), diaryBefore) << c.name;
    }
}

}  // namespace
