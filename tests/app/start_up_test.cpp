// Runs the real executable the way a user does and ends it the way the system does.
#include "store/diary_sql.h"
#include "store/sqlite_query.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

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
