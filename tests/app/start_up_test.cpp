// Runs the real executable the way a user does and ends it the way the system does.
#include "store/diary_sql.h"
#include "store/sqlite_query.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

TEST(StartUp, ExecutableKeepsItsFilesBesideItselfAndClosesCleanlyOnSigterm)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("Kalvo"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALVO_EXECUTABLE), exe));
    const QString db = dir.filePath(QStringLiteral("Kalvo.db"));

    QProcess kalvo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    kalvo.setProcessEnvironment(env);
    kalvo.start(exe, {});
    ASSERT_TRUE(kalvo.waitForStarted(30000));

    // Wait for the window to be up: the diary exists once the window has been created.
    QDeadlineTimer deadline(60000);
    while (!QFile::exists(db) && !deadline.hasExpired() && kalvo.state() == QProcess::Running)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(db));
    QThread::msleep(500);
    kalvo.terminate();  // SIGTERM
    ASSERT_TRUE(kalvo.waitForFinished(30000));
    EXPECT_EQ(kalvo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kalvo.exitCode(), 0);
    // Closing ran the window's close handler: the preferences were written.
    QFile ini(dir.filePath(QStringLiteral("Kalvo.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[Style]\r\nName=Windows"));

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
