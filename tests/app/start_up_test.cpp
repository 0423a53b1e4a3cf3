// Runs the real executable the way a user does and ends it the way the system does.
#include "store/diary_sql.h"
#include "store/sqlite_query.h"

#include <QDeadlineTimer>
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

    void Start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process_.setProcessEnvironment(env);
        process_.start(File(QStringLiteral("Kalvo")), {});
        ASSERT_TRUE(process_.waitForStarted(30000));
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
    QProcess& kalvo = run.Process();

    // Wait for the window to be up: the diary exists once the window has been created.
    QDeadlineTimer deadline(60000);
    while (!QFile::exists(db) && !deadline.hasExpired() && kalvo.state() == QProcess::Running)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(db));
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
