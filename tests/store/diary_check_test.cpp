// Copies of the open diary and checks of a diary file, on real database files.
#include "store/diary_check.h"
#include "store/diary_sql.h"
#include "store/sqlite_query.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

const TDateTime kFirstDay = EncodeDate(2021, 1, 1);

class DiaryCheck : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Kalvo.db"));

    std::unique_ptr<SqliteConnection> OpenDiary(const QString& file)
    {
        auto connection = std::make_unique<SqliteConnection>();
        connection->Database = file;
        DiarySql::ConfigureConnection(*connection);
        connection->Open();
        return connection;
    }

    // Days with texts long enough that the table spans many pages.
    static void Fill(SqliteConnection& c, int days, const QString& word)
    {
        c.ExecSQL(QStringLiteral("BEGIN"));
        SqliteQuery insert(c);
        insert.SetSQL(DiarySql::kInsert);
        for (int i = 0; i < days; ++i) {
            insert.SetDateTimeParam(QStringLiteral("Val1"), kFirstDay + i);
            DiarySql::SetDiaryParam(insert, (word + QStringLiteral(" %1\r\n").arg(i)).repeated(20));
            insert.ExecSQL();
        }
        c.ExecSQL(QStringLiteral("COMMIT"));
    }

    static QStringList Column(SqliteConnection& c, const QString& sql)
    {
        SqliteQuery q(c);
        q.SetSQL(sql);
        q.Open();
        QStringList values;
        for (q.First(); !q.Eof(); q.Next())
            values << q.AsString(q.Fields().first().name);
        return values;
    }

    void Overwrite(qint64 offset, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek(offset));
        file.write(bytes);
    }
};

TEST_F(DiaryCheck, CopyIsMadeThroughTheLockedConnectionAndHoldsTheDiaryOfThatMoment)
{
    auto diary = OpenDiary(path);
    Fill(*diary, 300, QStringLiteral("first"));
    const QString copyPath = dir.filePath(QStringLiteral("copy.db"));
    // The diary's connection keeps its file locked: nothing else could read it now.
    EXPECT_THROW(OpenDiary(path), SqliteError);

    CopyDatabase(*diary, copyPath);
    diary->ExecSQL(QStringLiteral("DELETE FROM MyDb WHERE ID > 10"));

    auto copy = OpenDiary(copyPath);
    EXPECT_EQ(Column(*copy, QStringLiteral("SELECT count(*) FROM MyDb")), QStringList{QStringLiteral("300")});
    EXPECT_EQ(Column(*copy, QStringLiteral("SELECT diary FROM MyDb WHERE ID = 300")),
              QStringList{QStringLiteral("first 299\r\n").repeated(20)});
    EXPECT_EQ(DiaryProblems(*copy), QStringList());
    // The diary goes on with its own connection, changed after the copy.
    EXPECT_EQ(Column(*diary, QStringLiteral("SELECT count(*) FROM MyDb")), QStringList{QStringLiteral("10")});
}

TEST_F(DiaryCheck, CopyThatCannotBeWrittenRaisesTheError)
{
    auto diary = OpenDiary(path);
    Fill(*diary, 3, QStringLiteral("kept"));
    try {
        CopyDatabase(*diary, dir.filePath(QStringLiteral("no/such/folder/copy.db")));
        FAIL() << "a copy into a missing folder must fail";
    } catch (const SqliteError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("unable to open database file"))) << error.Message().toStdString();
        EXPECT_FALSE(IsDamagedDatabase(error));
    }
}

TEST_F(DiaryCheck, FindsWhatIsWrongWithADiaryFile)
{
    struct Case {
        const char* name;
        const char* create;  // the table the file gets, if any
        const char* expected;
    };
    const Case cases[] = {
        {"the program's own table", "CREATE TABLE MyDb(ID integer PRIMARY KEY,date datetime , diary string)", ""},
        {"an older table of its own", "CREATE TABLE MyDb(id INTEGER PRIMARY KEY, DATE text, Diary text, mood text)", ""},
        {"no table", "CREATE TABLE Notes(ID integer PRIMARY KEY)", "the table MyDb is missing"},
        {"no diary column", "CREATE TABLE MyDb(ID integer PRIMARY KEY, date datetime)", "the table MyDb has no column diary"},
        {"the kept texts' table", "CREATE TABLE MyDb(ID integer PRIMARY KEY,date datetime , diary string);"
                                  "CREATE TABLE Earlier(day TEXT, text BLOB, kept TEXT, why TEXT)", ""},
        {"kept texts without when", "CREATE TABLE MyDb(ID integer PRIMARY KEY,date datetime , diary string);"
                                    "CREATE TABLE Earlier(day TEXT, text BLOB, why TEXT)", "the table Earlier has no column kept"},
    };
    for (const Case& c : cases) {
        const QString file = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".db"));
        {
            SqliteConnection connection;
            connection.Database = file;
            connection.Open();
            connection.ExecSQL(QString::fromLatin1(c.create));
        }
        const QStringList expected = *c.expected ? QStringList{QString::fromLatin1(c.expected)} : QStringList();
        EXPECT_EQ(DiaryFileProblems(file), expected) << c.name;
    }
}

TEST_F(DiaryCheck, DamagedPagesAndAnOverwrittenHeaderAreFoundWithoutChangingTheFile)
{
    Fill(*OpenDiary(path), 400, QStringLiteral("words"));
    ASSERT_EQ(DiaryFileProblems(path), QStringList());
    // The fourth page is one of the table's: its page header becomes nonsense.
    Overwrite(3 * 4096, QByteArray(64, '\x7f'));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray damaged = file.readAll();
    file.close();

    EXPECT_EQ(DiaryFileProblems(path), QStringList{QStringLiteral("database disk image is malformed")});
    EXPECT_EQ(DiaryFileProblems(path, CheckDepth::Quick), QStringList{QStringLiteral("database disk image is malformed")});

    Overwrite(0, QByteArray("no database here"));
    EXPECT_EQ(DiaryFileProblems(path), QStringList{QStringLiteral("file is not a database")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().mid(16), damaged.mid(16)) << "checking writes nothing";
}

TEST_F(DiaryCheck, ErrorsTellADamagedFileFromALockedOne)
{
    auto diary = OpenDiary(path);
    try {
        OpenDiary(path);
        FAIL() << "a second connection must be refused";
    } catch (const SqliteError& error) {
        EXPECT_TRUE(IsLockedDatabase(error));
        EXPECT_FALSE(IsDamagedDatabase(error));
    }
    const QString junk = dir.filePath(QStringLiteral("junk.db"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    try {
        OpenDiary(junk);
        FAIL() << "a file that is no database must be refused";
    } catch (const SqliteError& error) {
        EXPECT_TRUE(IsDamagedDatabase(error));
        EXPECT_FALSE(IsLockedDatabase(error));
    }
    EXPECT_THROW(DiaryFileProblems(dir.filePath(QStringLiteral("missing.db"))), SqliteError);
}

}  // namespace
