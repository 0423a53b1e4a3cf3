#pragma once

// The real executable copied into a temporary folder with its own diary beside it, and run there
// with no display: for the commands that work on the diary from the command line.
#include "diary_rows.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

class KalvoFolder {
public:
    KalvoFolder() { EXPECT_TRUE(QFile::copy(QStringLiteral(KALVO_EXECUTABLE), File(QStringLiteral("Kalvo")))); }

    QString File(const QString& name) const { return dir_.filePath(name); }
    QString Diary() const { return File(QStringLiteral("Kalvo.db")); }
    QStringList Listing() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

    // A connection to the diary as the window opens it, creating it when missing.
    // Holds the diary's exclusive lock, as another running Kalvo does, while `other` is open.
    void LockLikeAnotherKalvo(SqliteConnection& other) const
    {
        DiarySql::ConfigureConnection(other);
        other.Database = Diary();
        other.Open();
        other.ExecSQL(QStringLiteral("BEGIN EXCLUSIVE"));
    }

    std::unique_ptr<SqliteConnection> OpenDiary() const
    {
        auto connection = std::make_unique<SqliteConnection>();
        DiarySql::ConfigureConnection(*connection);
        connection->Database = Diary();
        connection->Open();
        return connection;
    }

    void Store(const QList<std::pair<TDateTime, QString>>& days) const
    {
        const auto connection = OpenDiary();
        connection->ExecSQL(QStringLiteral("BEGIN"));
        for (const auto& [day, text] : days)
            StoreDiaryRow(*connection, day, text);
        connection->ExecSQL(QStringLiteral("COMMIT"));
    }

    // Days of long texts from the 1st of January 2001 on.
    void SeedLongDays(int count) const
    {
        QString text;
        for (int line = 0; line < 12; ++line)
            text += QStringLiteral("Line %1 of a long day, written to make the printout take its time.\r\n").arg(line);
        QList<std::pair<TDateTime, QString>> days;
        for (int i = 0; i < count; ++i)
            days.append({EncodeDate(2001, 1, 1) + i, text});
        Store(days);
    }

    // Starts it with neither a display nor a platform chosen, in the given language.
    void Start(QProcess& process, const QStringList& arguments, const QString& lang = QStringLiteral("en_US.UTF-8")) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), lang);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir_.path());
        process.start(File(QStringLiteral("Kalvo")), arguments);
    }

    Outcome Run(const QStringList& arguments, const QString& lang = QStringLiteral("en_US.UTF-8")) const
    {
        QProcess process;
        Start(process, arguments, lang);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private:
    QTemporaryDir dir_;
};

inline QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A command that failed: its exit code, and one line on standard error naming the reason.
inline void ExpectOneLineFailure(const Outcome& run, int exitCode, const char* errorPart, const char* name)
{
    EXPECT_EQ(run.exitCode, exitCode) << name;
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Kalvo: "))) << name << ": " << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(errorPart))) << name << ": " << run.err.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), 1) << name << ": one line, " << run.err.toStdString();
    EXPECT_EQ(run.out, QString()) << name;
}
