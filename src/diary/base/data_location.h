#pragma once

#include <QString>

// Where Kalvo keeps its diary and its preferences. A copy whose folder it may write in, or that
// already has its files beside it, keeps them there (the portable use). An installed copy, in a
// folder only the system writes, keeps them in the user's data and config folders instead.
enum class DataPlacement { BesideExecutable, UserFolders };

// Decided from what the executable's folder allows and holds; a read-only folder that holds a
// diary or settings stays portable, so a copy on read-only media reports its diary read-only
// instead of silently starting an empty one elsewhere.
DataPlacement ChooseDataPlacement(const QString& executableDir);

struct DataLocation {
    DataPlacement placement = DataPlacement::BesideExecutable;
    QString diaryFolder;     // with a trailing separator
    QString settingsFolder;  // with a trailing separator
};

// The one decision every part of Kalvo that opens the diary or the settings file goes through;
// computed from the environment alone, so the commands can ask before any application exists.
DataLocation KalvoDataLocation();

// The diary and the settings file of a location.
QString DiaryFile(const DataLocation& location);
QString SettingsFile(const DataLocation& location);

// Full paths of the diary and the settings file in use, for opening them. The user folders are
// created on the first use; a folder that cannot be created shows up as the file's own open error.
QString DiaryFilePath();
QString SettingsFilePath();
