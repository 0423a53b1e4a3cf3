#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& Override()
{
    static QString dir;
    return dir;
}

}  // namespace

QString IncludeTrailingSeparator(const QString& dir)
{
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')))
        return dir;
    return dir + QLatin1Char('/');
}

QString ExecutableDir()
{
    if (!Override().isEmpty())
        return Override();
    return IncludeTrailingSeparator(QCoreApplication::applicationDirPath());
}

void SetExecutableDirForTesting(const QString& dir) { Override() = IncludeTrailingSeparator(dir); }

QString SystemDir()
{
    const QString windir = qEnvironmentVariable("WINDIR");
    return IncludeTrailingSeparator(windir.isEmpty() ? QStringLiteral("/etc") : windir);
}

QString AppDataDir()
{
    return IncludeTrailingSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString DataHomeDir()
{
    return IncludeTrailingSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

bool CanCreateFilesIn(const QString& dir)
{
    QFile probe(IncludeTrailingSeparator(dir) + QStringLiteral(".write-probe-")
                + QString::number(QCoreApplication::applicationPid()));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    probe.remove();
    return true;
}

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}
