#include "ini_location.h"

#include "platform/error_box.h"
#include "platform/errors.h"
#include "platform/paths.h"

namespace {

// The characters that end a directory part on this platform.
QString PathDelimiters()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\/:");
#else
    return QStringLiteral("/");
#endif
}

qsizetype LastDelimiter(const QString& fileName)
{
    const QString delimiters = PathDelimiters();
    for (qsizetype i = fileName.size() - 1; i >= 0; --i) {
        if (delimiters.contains(fileName[i]))
            return i;
    }
    return -1;
}

QString AppDataBaseDir()
{
    const QString dir = AppDataDir();
    if (dir.isEmpty())
        throw Exception(QStringLiteral("The application-data folder cannot be determined"));
    return dir;
}

QString BaseDirectory(TBaseDir baseDir)
{
    switch (baseDir) {
    case bdWindows: return SystemDir();
    case bdApplication: return ExecutableDir();
    case bdAppData: return AppDataBaseDir();
    case bdNone: break;
    }
    return QString();
}

}  // namespace

bool HasDirectoryPart(const QString& fileName) { return LastDelimiter(fileName) >= 0; }

QString IniFilePath(const QString& fileName, TBaseDir baseDir)
{
    if (HasDirectoryPart(fileName))
        return fileName;
    return BaseDirectory(baseDir) + fileName;
}

QString DefaultIniFileName() { return ApplicationTitle() + QStringLiteral(".ini"); }
