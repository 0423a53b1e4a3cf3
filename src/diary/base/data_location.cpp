#include "data_location.h"

#include "platform/error_box.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The folder in the user's data and config homes; fixed, so a renamed executable finds its diary.
const QString kUserFolderName = QStringLiteral("Kalvo/");

QString DiaryFileName() { return QStringLiteral("Kalvo.db"); }
QString SettingsFileName() { return ApplicationTitle() + QStringLiteral(".ini"); }

// The executable's folder exists already; a user folder may not yet.
QString ReadyToOpen(const DataLocation& location, const QString& file)
{
    if (location.placement == DataPlacement::UserFolders)
        QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

}  // namespace

DataPlacement ChooseDataPlacement(const QString& executableDir)
{
    const QString dir = IncludeTrailingSeparator(executableDir);
    const bool hasFiles = FileExists(dir + DiaryFileName()) || FileExists(dir + SettingsFileName());
    return hasFiles || CanCreateFilesIn(dir) ? DataPlacement::BesideExecutable : DataPlacement::UserFolders;
}

DataLocation KalvoDataLocation()
{
    const QString executableDir = ExecutableDir();
    if (ChooseDataPlacement(executableDir) == DataPlacement::BesideExecutable)
        return {DataPlacement::BesideExecutable, executableDir, executableDir};
    return {DataPlacement::UserFolders, DataHomeDir() + kUserFolderName, AppDataDir() + kUserFolderName};
}

QString DiaryFile(const DataLocation& location) { return location.diaryFolder + DiaryFileName(); }
QString SettingsFile(const DataLocation& location) { return location.settingsFolder + SettingsFileName(); }

QString DiaryFilePath()
{
    const DataLocation location = KalvoDataLocation();
    return ReadyToOpen(location, DiaryFile(location));
}

QString SettingsFilePath()
{
    const DataLocation location = KalvoDataLocation();
    return ReadyToOpen(location, SettingsFile(location));
}
