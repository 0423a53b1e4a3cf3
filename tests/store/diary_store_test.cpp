#include "store/diary_sql.h"
#include "store/sqlite_query.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kVal1 = QStringLiteral("Val1");

class DiaryStore : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Kalvo.db"));

    std::unique_ptr<SqliteConnection> OpenDiary()
    {
        auto connection = std::make_unique<SqliteConnection>();
        connection->Database = path;
        DiarySql::ConfigureConnection(*connection);
        connection->Open();
        return connection;
    }

    static void Insert(SqliteConnection& c, TDateTime day, const QString& text)
    {
        SqliteQuery q(c);
        q.SetSQL(DiarySql::kInsert);
        q.SetDateTimeParam(kVal1, day);
        DiarySql::SetDiaryParam(q, text);
        q.ExecSQL();
    }

    static void Post(SqliteConnection& c, TDateTime day, const QString& text)
    {
        SqliteQuery q(c);
        q.SetSQL(DiarySql::kUpdate);
        q.SetDateTimeParam(kVal1, day);
        DiarySql::SetDiaryParam(q, text);
        q.ExecSQL();
    }

    static QString Scalar(SqliteConnection& c, const QString& sql)
    {
        SqliteQuery q(c);
        q.SetSQL(sql);
        q.Open();
        return q.Eof() ? QStringLiteral("<none>") : q.AsString(q.Fields().first().name);
    }

    static QString DiaryOf(SqliteConnection& c, TDateTime day)
    {
        SqliteQuery q(c);
        q.SetSQL(DiarySql::DaySelect(day));
        q.Open();
        return q.Eof() ? QStringLiteral("<none>") : q.AsString(QStringLiteral("diary"));
    }
};

const TDateTime kJune30 = EncodeDate(2021, 6, 30);

}  // namespace

TEST_F(DiaryStore, CreatesTheTableWithTheExactStatement)
{
    auto c = OpenDiary();
    SqliteQuery q(*c);
    q.SetSQL(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'MyDb'"));
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsString(QStringLiteral("sql")),
              QStringLiteral("CREATE TABLE MyDb(ID integer PRIMARY KEY,date datetime , diary string)"));
}

TEST_F(DiaryStore, StatementsCarryTheirExactText)
{
    const TDateTime july2 = EncodeDate(2021, 7, 2);
    EXPECT_EQ(DiarySql::DaySelect(kJune30), QStringLiteral("SELECT *  FROM MyDb WHERE date = \"2021-06-30\""));
    EXPECT_EQ(DiarySql::FilledDaysSelect(EncodeDate(2021, 6, 1), july2),
              QStringLiteral("SELECT date FROM MyDb  WHERE date BETWEEN \"2021-06-01\" AND \"2021-07-02\" order by date asc"));
    EXPECT_EQ(DiarySql::PrintoutSelect(EncodeDate(2021, 6, 1), july2),
              QStringLiteral("SELECT * FROM MyDb  WHERE date BETWEEN \"2021-06-01\" AND \"2021-07-02\" order by date asc"));
}

TEST_F(DiaryStore, DayParameterIsBoundAsTheDayKeyText)
{
    auto c = OpenDiary();
    Insert(*c, kJune30, QStringLiteral("line\r\n"));
    SqliteQuery q(*c);
    q.SetSQL(QStringLiteral("SELECT typeof(date) AS t, CAST(date AS TEXT) AS k FROM MyDb"));
    q.Open();
    EXPECT_EQ(q.AsString(QStringLiteral("t")), QStringLiteral("text"));
    EXPECT_EQ(q.AsString(QStringLiteral("k")), QStringLiteral("2021-06-30"));
    EXPECT_EQ(DiaryOf(*c, kJune30), QStringLiteral("line\r\n"));
}

TEST_F(DiaryStore, ReadsEveryStoredFormOfADate)
{
    auto c = OpenDiary();
    struct Case {
        const char* stored;  // an SQL literal
        bool isNull;
        TDateTime expected;
    } cases[] = {
        {"'2021-06-30'", false, kJune30},
        {"'30.06.2021'", false, kJune30},
        {"'2021-06-30T12:00'", false, kJune30 + 0.5},
        {"'2021-06-30 12:34:56.789'", false, kJune30 + EncodeTime(12, 34, 56, 789)},
        {"2459396", false, kJune30 + 0.5},  // Julian INTEGER: noon
        {"2459395.5", false, kJune30},      // Julian REAL: midnight
        {"'2459395.5'", false, kJune30},    // a number in text
        {"'abc'", true, 0},
        {"'0000-00-00'", true, 0},
        {"NULL", true, 0},
    };
    for (const Case& k : cases) {
        c->ExecSQL(QStringLiteral("DELETE FROM MyDb"));
        c->ExecSQL(QStringLiteral("INSERT INTO MyDb (date, diary) VALUES (%1, 'x')").arg(QLatin1String(k.stored)));
        SqliteQuery q(*c);
        q.SetSQL(DiarySql::kSelectAll);
        q.Open();
        ASSERT_EQ(q.RecordCount(), 1);
        EXPECT_EQ(q.IsNull(QStringLiteral("date")), k.isNull) << k.stored;
        EXPECT_NEAR(q.AsDateTime(QStringLiteral("date")), k.expected, 1e-9) << k.stored;
    }
}

TEST_F(DiaryStore, RangeIncludesBothEndDays)
{
    auto c = OpenDiary();
    for (const TDateTime day : {EncodeDate(2021, 5, 31), EncodeDate(2021, 6, 1), kJune30, EncodeDate(2021, 7, 2),
                                EncodeDate(2021, 7, 3)})
        Insert(*c, day, QStringLiteral("x"));
    SqliteQuery q(*c);
    q.SetSQL(DiarySql::FilledDaysSelect(EncodeDate(2021, 6, 1), EncodeDate(2021, 7, 2)));
    q.Open();
    QVector<TDateTime> days;
    for (q.First(); !q.Eof(); q.Next())
        days << q.AsDateTime(QStringLiteral("date"));
    EXPECT_EQ(days, (QVector<TDateTime>{EncodeDate(2021, 6, 1), kJune30, EncodeDate(2021, 7, 2)}));
}

TEST_F(DiaryStore, DiaryTextIsStoredByteForByteHoweverItReads)
{
    // NUMERIC affinity would turn most of these into numbers; a NUL would cut a TEXT value short.
    const QString texts[] = {
        QStringLiteral("007"),      QStringLiteral("1e3"),     QStringLiteral("12.50\r\n"), QStringLiteral(" 42 "),
        QStringLiteral("0x1F"),     QStringLiteral("-0"),      QStringLiteral("Infinity"),   QStringLiteral("NaN"),
        QString(),                  QStringLiteral("plain words\r\n"), QStringLiteral("日記を書いた\r\n"),
        QStringLiteral("before") + QChar(0) + QStringLiteral("after\r\n"),
    };
    auto c = OpenDiary();
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QString key = DiarySql::DayKey(kJune30);
        Insert(*c, kJune30, text);
        EXPECT_EQ(DiaryOf(*c, kJune30), text);
        EXPECT_EQ(Scalar(*c, QStringLiteral("SELECT length(diary) FROM MyDb")), QString::number(text.toUtf8().size()));
        Post(*c, kJune30, text + text);
        EXPECT_EQ(DiaryOf(*c, kJune30), text + text);
        SqliteQuery range(*c);
        range.SetSQL(DiarySql::PrintoutSelect(kJune30, kJune30));
        range.Open();
        ASSERT_EQ(range.RecordCount(), 1);
        EXPECT_EQ(range.AsString(QStringLiteral("diary")), text + text);
        c->ExecSQL(QStringLiteral("DELETE FROM MyDb WHERE date = '%1'").arg(key));
    }
}

TEST_F(DiaryStore, EveryStoredFormOfADiaryReadsAsText)
{
    auto c = OpenDiary();
    // Rows an older version, or another program, may have written.
    c->ExecSQL(QStringLiteral("INSERT INTO MyDb (date, diary) VALUES ('2021-06-01', 7), ('2021-06-02', 12.5), "
                              "('2021-06-03', CAST('text' AS TEXT)), ('2021-06-04', x'e697a5e8a898'), "
                              "('2021-06-05', NULL)"));
    const QStringList expected{QStringLiteral("7"), QStringLiteral("12.5"), QStringLiteral("text"),
                               QStringLiteral("日記"), QString()};
    for (int day = 1; day <= 5; ++day)
        EXPECT_EQ(DiaryOf(*c, EncodeDate(2021, 6, day)), expected[day - 1]) << "day " << day;
}

TEST_F(DiaryStore, LongAndNonAsciiTextsComeBackUnchanged)
{
    auto c = OpenDiary();
    QString text;
    while (text.size() < 150000)
        text += QStringLiteral("日記 – naïve 🙂 line\r\n");
    Insert(*c, kJune30, text);
    EXPECT_EQ(DiaryOf(*c, kJune30), text);

    Post(*c, kJune30, text + text);
    EXPECT_EQ(DiaryOf(*c, kJune30), text + text);
}

// Whether this process has the diary's file mapped into memory.
bool FileIsMapped(const QString& path)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(QFileInfo(path).canonicalFilePath().toUtf8());
}

TEST_F(DiaryStore, MappedReadsEndWithTheirScopeEvenWithAnUnreadQueryOpen)
{
    auto c = OpenDiary();
    for (const TDateTime day : {EncodeDate(2021, 6, 1), kJune30, EncodeDate(2021, 7, 3)})
        Insert(*c, day, QStringLiteral("x").repeated(3000));
    // The window keeps a query of every row open and unread while it reads the filled days.
    SqliteQuery unread(*c);
    unread.SetSQL(DiarySql::kSelectAll);
    unread.Open();
    {
        MappedReads mapped(*c);
        SqliteQuery q(*c);
        q.SetSQL(DiarySql::FilledDaysSelect(EncodeDate(2021, 6, 1), kJune30));
        q.Open();
        QVector<TDateTime> days;
        for (q.First(); !q.Eof(); q.Next())
            days << q.AsDateTime(QStringLiteral("date"));
        EXPECT_EQ(days, (QVector<TDateTime>{EncodeDate(2021, 6, 1), kJune30}));
        EXPECT_TRUE(FileIsMapped(path));
    }
    EXPECT_FALSE(FileIsMapped(path));
    EXPECT_EQ(Scalar(*c, QStringLiteral("PRAGMA mmap_size")), QStringLiteral("0"));
    Post(*c, kJune30, QStringLiteral("after"));
    EXPECT_EQ(DiaryOf(*c, kJune30), QStringLiteral("after"));
}

TEST_F(DiaryStore, OpenedRowsAreReadOnlyWhenSomethingLooksAtThem)
{
    auto c = OpenDiary();
    Insert(*c, kJune30, QStringLiteral("entry\r\n"));
    // Stepping this statement fails, so only a query that steps it can notice.
    SqliteQuery q(*c);
    q.SetSQL(QStringLiteral("SELECT abs(-9223372036854775807 - 1) AS n FROM MyDb"));
    EXPECT_NO_THROW(q.Open());
    EXPECT_EQ(q.Fields().size(), 1);
    EXPECT_THROW(q.Eof(), SqliteError);

    // A result set left unread keeps no transaction open: later writes commit.
    SqliteQuery unread(*c);
    unread.SetSQL(DiarySql::kSelectAll);
    unread.Open();
    Post(*c, kJune30, QStringLiteral("changed\r\n"));
    EXPECT_TRUE(sqlite3_get_autocommit(c->Handle()));
    EXPECT_EQ(unread.RecordCount(), 1);
    EXPECT_EQ(unread.AsString(QStringLiteral("diary")), QStringLiteral("changed\r\n"));
}

TEST_F(DiaryStore, FileThatIsNoDatabaseFailsAtOpenAndStaysUntouched)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray junk = QByteArray("this is not a diary, just some text\n").repeated(200);
    file.write(junk);
    file.close();

    try {
        OpenDiary();
        FAIL() << "opening a file that is no database must fail";
    } catch (const SqliteError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("[Kalvo][Phys][SQLite] ERROR: file is not a database"));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), junk);

    SqliteConnection closed;
    SqliteQuery q(closed);
    q.SetSQL(DiarySql::kSelectAll);
    EXPECT_THROW(q.Open(), SqliteError);
}

TEST_F(DiaryStore, SecondConnectionIsRefusedAtOpen)
{
    auto first = OpenDiary();
    Insert(*first, kJune30, QStringLiteral("mine"));
    try {
        OpenDiary();
        FAIL() << "a second connection to an open diary must fail";
    } catch (const SqliteError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("[Kalvo][Phys][SQLite] ERROR: database is locked"));
    }
    // The first connection goes on undisturbed.
    Insert(*first, EncodeDate(2021, 7, 1), QStringLiteral("still mine"));
    EXPECT_EQ(DiaryOf(*first, kJune30), QStringLiteral("mine"));
}

TEST_F(DiaryStore, ErrorsKeepAnExistingTag)
{
    EXPECT_EQ(SqliteErrorText(QStringLiteral("no such table: X")), QStringLiteral("[Kalvo][Phys][SQLite] ERROR: no such table: X"));
    EXPECT_EQ(SqliteErrorText(QStringLiteral("[Kalvo] The diary database is not open")),
              QStringLiteral("[Kalvo] The diary database is not open"));
}
