// Runs the real executable the way a user does and ends it the way the system does.
#include "diary/days/filled_days_cache.h"
#include "app/main_window.h"
#include "kalvo_folder.h"
#include "scoped_file_modes.h"
#include "controls/month_calendar.h"
#include "platform/scripted_dialogs.h"
#include "store/diary_sql.h"
#include "store/sqlite_query.h"
#include "test_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// The executable copied into a folder of its own, started there on the offscreen platform.
class KalvoProcess {
public:
    KalvoProcess()
    {
        EXPECT_TRUE(QFile::copy(QStringLiteral(KALVO_EXECUTABLE), File(QStringLiteral("Kalvo"))));
    }
    QString File(const QString& name) const { return dir_.filePath(name); }
    QProcess& Process() { return process_; }

    QStringList Listing() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

    // On the offscreen platform, or with no display and no platform at all.
    void Start(const QStringList& arguments = {}, bool offscreen = true)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        if (offscreen)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process_.setProcessEnvironment(env);
        process_.start(File(QStringLiteral("Kalvo")), arguments);
        ASSERT_TRUE(process_.waitForStarted(30000));
    }

    // Waits for the window to be up: the diary exists once the window has been created.
    bool WindowCameUp()
    {
        const QString db = File(QStringLiteral("Kalvo.db"));
        QDeadlineTimer deadline(60000);
        while (!QFile::exists(db) && !deadline.hasExpired() && process_.state() == QProcess::Running)
            QThread::msleep(50);
        return QFile::exists(db);
    }

    // Ends it the way the system does; true when it ended on its own, with exit code 0.
    bool TerminatesCleanly()
    {
        process_.terminate();  // SIGTERM
        return process_.waitForFinished(30000) && process_.exitStatus() == QProcess::NormalExit
               && process_.exitCode() == 0;
    }

    QByteArray Preferences() const
    {
        QFile ini(File(QStringLiteral("Kalvo.ini")));
        return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
};

}  // namespace

TEST(StartUp, ExecutableKeepsItsFilesBesideItselfAndClosesCleanlyOnSigterm)
{
    KalvoProcess run;
    const QString db = run.File(QStringLiteral("Kalvo.db"));
    run.Start();

    ASSERT_TRUE(run.WindowCameUp());
    QThread::msleep(500);
    EXPECT_TRUE(run.TerminatesCleanly());
    // Closing ran the window's close handler: the preferences were written.
    EXPECT_TRUE(run.Preferences().contains("[Style]\r\nName=Windows"));

    SqliteConnection connection;
    connection.Database = db;
    connection.Open();
    SqliteQuery q(connection);
    q.SetSQL(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'MyDb'"));
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsString(QStringLiteral("sql")),
              QStringLiteral("CREATE TABLE MyDb(ID integer PRIMARY KEY,date datetime , diary string)"));
}

// A damaged diary makes start-up show an error box before the window exists. SIGTERM then still
// ends the program the normal way: the box is closed, then the window, which writes the preferences.
TEST(StartUp, SigtermWhileTheStartUpErrorBoxIsOpenClosesCleanly)
{
    KalvoProcess run;
    QFile db(run.File(QStringLiteral("Kalvo.db")));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.write(QByteArray(4096, 'x'));
    db.close();
    run.Start();
    // Time to reach the box. Should the signal come earlier it must end the program cleanly too.
    QThread::msleep(3000);
    EXPECT_TRUE(run.TerminatesCleanly());
    EXPECT_TRUE(run.Preferences().contains("[Form]"));
}

// An option nobody knows is said on one line and refused before anything starts, display or not:
// no window, no diary and no preferences file beside the executable.
TEST(StartUp, UnknownOptionIsRefusedBeforeAnythingStarts)
{
    struct Case {
        QStringList arguments;
        bool offscreen;
        const char* said;
    };
    const Case cases[] = {
        {{"--frobnicate"}, false, "Kalvo: unknown option --frobnicate (see Kalvo --help)\n"},
        {{"--frobnicate"}, true, "Kalvo: unknown option --frobnicate (see Kalvo --help)\n"},
        {{"--exprot", "2021-06-01", "2021-06-30", "June.pdf"}, false, "Kalvo: unknown option --exprot (see Kalvo --help)\n"},
        {{"-style", "Fusion", "-frobnicate"}, true, "Kalvo: unknown option -frobnicate (see Kalvo --help)\n"},
    };
    for (const Case& c : cases) {
        const std::string shown = c.arguments.join(u' ').toStdString() + (c.offscreen ? " offscreen" : " no display");
        KalvoProcess run;
        run.Start(c.arguments, c.offscreen);
        QProcess& kalvo = run.Process();
        if (!kalvo.waitForFinished(30000)) {
            ADD_FAILURE() << shown << ": still running";
            kalvo.kill();
            kalvo.waitForFinished();
            continue;
        }
        EXPECT_EQ(kalvo.exitStatus(), QProcess::NormalExit) << shown;
        EXPECT_EQ(kalvo.exitCode(), 2) << shown;
        EXPECT_EQ(QString::fromLocal8Bit(kalvo.readAllStandardError()), QString::fromLatin1(c.said)) << shown;
        EXPECT_EQ(kalvo.readAllStandardOutput(), QByteArray()) << shown;
        EXPECT_EQ(run.Listing(), QStringList{QStringLiteral("Kalvo")}) << shown;
    }
}

// Qt's own options still reach Qt: with no display the platform comes from -platform alone.
TEST(StartUp, QtOptionsStartTheWindow)
{
    KalvoProcess run;
    run.Start({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"), QStringLiteral("Fusion"),
               QStringLiteral("-qwindowgeometry"), QStringLiteral("600x300+0+0"), QStringLiteral("-reverse")},
              false);
    ASSERT_TRUE(run.WindowCameUp());
    EXPECT_TRUE(run.TerminatesCleanly());
}

// The calendar's filled days at start come from a copy of the diary's days kept beside it. What
// matters: the marks are always the diary's own.
namespace {

const TDateTime kJune1 = EncodeDate(2021, 6, 1);

void OpenLikeTheWindow(SqliteConnection& diary, const QString& path)
{
    DiarySql::ConfigureConnection(diary);
    diary.Database = path;
    diary.Open();
}

// Another program writing the diary while Kalvo is not running, through SQLite's C API.
void ChangeLikeAnotherProgram(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

// Lets the window run until its copy of the days has been written.
bool CopyWritten(const QString& path, const QByteArray& unlike = {})
{
    QDeadlineTimer deadline(20000);
    auto written = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.size() > 0 && file.readAll() != unlike && !QFile::exists(path + "-journal");
    };
    while (!written() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return written();
}

class FilledDaysAtStart : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    QString db = dir.File(QStringLiteral("Kalvo.db"));
    QString days = dir.File(QStringLiteral("Kalvo.days"));

    void Store(const QList<TDateTime>& dayList)
    {
        SqliteConnection connection;
        OpenLikeTheWindow(connection, db);
        for (const TDateTime day : dayList)
            StoreDiaryRow(connection, day, QStringLiteral("x\r\n"));
    }

    // Starts the window showing June 2021 and answers its filled days beside the diary's.
    std::pair<QList<TDateTime>, QList<TDateTime>> MarksAtStart(std::unique_ptr<TForm1>& form)
    {
        form = std::make_unique<TForm1>();
        form->show();
        form->RzCalendar1ViewDateChange(form->RzCalendar1, kJune1);
        return {*form->DChk, DiarySql::FilledDays(form->FDConnection1, kJune1, kJune1 + 31)};
    }
};

}  // namespace

// Rows of every kind the `date` column can hold, with repeats, read back through the copy for
// several ranges: the same list as the diary's own SELECT, in its order.
TEST(FilledDaysCopy, GivesTheDiarysOwnListForEveryRange)
{
    ScopedExecutableDir dir;
    SqliteConnection diary;
    OpenLikeTheWindow(diary, dir.File(QStringLiteral("Kalvo.db")));
    diary.ExecSQL(QStringLiteral(
        "INSERT INTO MyDb(date, diary) VALUES ('2021-06-03', 'a'), ('2021-06-03', 'b'), ('2021-06-30', 'c'), "
        "('2021-07-02', 'd'), ('2021-07-03', 'e'), ('2021-05-31', 'f'), (2459396.5, 'g'), (NULL, 'h'), ('abc', 'i'), "
        "('2021-06-15T10:30', 'j'), ('2021-06-2', 'k'), (X'323032312D30362D3130', 'l'), ('30.06.2021', 'm'), "
        "('2021-06-01', 'n'), ('2021-06-1', 'o')"));
    FilledDaysCache cache(diary, FilledDaysCache::PathBeside(diary.Database));
    EXPECT_EQ(FilledDaysCache::PathBeside(diary.Database), dir.File(QStringLiteral("Kalvo.days")));
    ASSERT_TRUE(cache.Rebuild());
    for (const TDateTime first : {kJune1, EncodeDate(2021, 5, 1), EncodeDate(2021, 7, 1), EncodeDate(1900, 1, 1)}) {
        const auto copied = cache.FilledDays(first, first + 31);
        ASSERT_TRUE(copied.has_value()) << DiarySql::DayKey(first).toStdString();
        EXPECT_EQ(*copied, DiarySql::FilledDays(diary, first, first + 31)) << DiarySql::DayKey(first).toStdString();
    }
    EXPECT_EQ(cache.FilledDays(kJune1, kJune1 + 31)->count(EncodeDate(2021, 6, 3)), 2);
}

// Insert, Delete and Post of this program keep the copy in step; a write that bypasses it makes
// the copy unusable until it is rebuilt, never wrong.
TEST(FilledDaysCopy, FollowsThisProgramsWritesAndNoOtherOnes)
{
    ScopedExecutableDir dir;
    SqliteConnection diary;
    OpenLikeTheWindow(diary, dir.File(QStringLiteral("Kalvo.db")));
    StoreDiaryRow(diary, EncodeDate(2021, 6, 5), QStringLiteral("x"));
    FilledDaysCache cache(diary, FilledDaysCache::PathBeside(diary.Database));
    ASSERT_TRUE(cache.Rebuild());
    const TDateTime june20 = EncodeDate(2021, 6, 20);
    for (int round = 0; round < 2; ++round) {
        StoreDiaryRow(diary, june20, QStringLiteral("y"));
        cache.Inserted(june20);
    }
    SqliteQuery post(diary);
    post.SetSQL(DiarySql::kUpdate);
    post.SetDateTimeParam(QStringLiteral("Val1"), june20);
    DiarySql::SetDiaryParam(post, QStringLiteral("z"));
    post.ExecSQL();
    cache.TextsChanged();
    SqliteQuery erase(diary);
    erase.SetSQL(DiarySql::kDelete);
    erase.SetDateTimeParam(QStringLiteral("Val1"), EncodeDate(2021, 6, 5));
    erase.ExecSQL();
    cache.Deleted(EncodeDate(2021, 6, 5));
    ASSERT_TRUE(cache.FilledDays(kJune1, kJune1 + 31).has_value());
    EXPECT_EQ(*cache.FilledDays(kJune1, kJune1 + 31), (QList<TDateTime>{june20, june20}));

    StoreDiaryRow(diary, EncodeDate(2021, 6, 9), QStringLiteral("not told"));
    EXPECT_FALSE(cache.FilledDays(kJune1, kJune1 + 31).has_value());
    cache.Inserted(EncodeDate(2021, 6, 10));  // a later write it is told of does not make it current
    StoreDiaryRow(diary, EncodeDate(2021, 6, 10), QStringLiteral("told"));
    cache.Inserted(EncodeDate(2021, 6, 10));
    EXPECT_FALSE(cache.FilledDays(kJune1, kJune1 + 31).has_value());
    ASSERT_TRUE(cache.Rebuild());
    EXPECT_EQ(*cache.FilledDays(kJune1, kJune1 + 31), DiarySql::FilledDays(diary, kJune1, kJune1 + 31));
}

// Rows added, deleted and moved by another program between two runs show at the next start.
TEST_F(FilledDaysAtStart, ShowTheDiarysDaysAfterAnotherProgramChangedIt)
{
    struct Case {
        const char* name;
        const char* sql;
    };
    const Case cases[] = {
        {"moved", "UPDATE MyDb SET date = '2021-06-08' WHERE date = '2021-06-07'"},
        {"added", "INSERT INTO MyDb(date, diary) VALUES ('2021-06-12', 'new'), ('2021-06-30', 'again')"},
        {"deleted", "DELETE FROM MyDb WHERE date = '2021-06-08'"},
        {"added and deleted", "INSERT INTO MyDb(date, diary) VALUES ('2021-06-13', 'n'); DELETE FROM MyDb WHERE date = '2021-06-13'; "
                              "DELETE FROM MyDb WHERE date = '2021-06-30'"},
    };
    Store({EncodeDate(2021, 6, 7), EncodeDate(2021, 6, 30)});
    for (const Case& c : cases) {
        const QByteArray previousCopy = Contents(days);
        std::unique_ptr<TForm1> form;
        const auto before = MarksAtStart(form);
        EXPECT_EQ(before.first, before.second) << c.name;
        ASSERT_TRUE(CopyWritten(days, previousCopy)) << c.name;
        form->close();
        form.reset();
        ChangeLikeAnotherProgram(db, c.sql);
        const auto after = MarksAtStart(form);
        EXPECT_EQ(after.first, after.second) << c.name;
        EXPECT_NE(after.first, before.first) << c.name;
    }
}

// A copy that is damaged, cut short or not one at all is never read, and a good one replaces it.
TEST_F(FilledDaysAtStart, DamagedCopyIsIgnoredAndReplaced)
{
    Store({EncodeDate(2021, 6, 7), EncodeDate(2021, 6, 30), EncodeDate(2021, 6, 30)});
    QByteArray good;
    {
        std::unique_ptr<TForm1> form;
        MarksAtStart(form);
        ASSERT_TRUE(CopyWritten(days));
        form.reset();
        good = Contents(days);
    }
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"garbage", QByteArray(8192, 'x')},
        {"empty", QByteArray()},
        {"cut short", good.left(good.size() / 2)},
        {"pages after the first overwritten", good.left(4096) + QByteArray(good.size() - 4096, char(0xA5))},
        {"another database", Contents(db)},
    };
    for (const Case& c : cases) {
        WriteFile(days, c.bytes);
        std::unique_ptr<TForm1> form;
        const auto marks = MarksAtStart(form);
        EXPECT_EQ(marks.first, marks.second) << c.name;
        EXPECT_EQ(marks.first, (QList<TDateTime>{EncodeDate(2021, 6, 7), EncodeDate(2021, 6, 30), EncodeDate(2021, 6, 30)}))
            << c.name;
        EXPECT_TRUE(CopyWritten(days, c.bytes)) << c.name << ": replaced by a good copy";
        EXPECT_TRUE(dialogs.Messages().isEmpty()) << c.name << ": nothing to tell the user";
    }
}

// Where no file can be created beside the diary the marks come from the diary itself.
TEST_F(FilledDaysAtStart, ReadOnlyFolderStillMarksTheDays)
{
    Store({EncodeDate(2021, 6, 7), EncodeDate(2021, 6, 30)});
    const ScopedFileModesObeyed modesObeyed;
    QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile(dir.File(QStringLiteral("probe"))).open(QIODevice::WriteOnly)) {
        QFile::remove(dir.File(QStringLiteral("probe")));
        QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this process writes files whatever their mode";
    }
    {
        std::unique_ptr<TForm1> form;
        const auto marks = MarksAtStart(form);
        EXPECT_EQ(marks.first, (QList<TDateTime>{EncodeDate(2021, 6, 7), EncodeDate(2021, 6, 30)}));
        QTest::qWait(1500);  // past the moment the copy would have been written
        form->RzCalendar1ViewDateChange(form->RzCalendar1, kJune1);
        EXPECT_EQ(*form->DChk, marks.second);
    }
    EXPECT_FALSE(QFile::exists(days));
    QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
