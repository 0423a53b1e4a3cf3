#pragma once

#include <QString>

// The directory of the executable, with a trailing separator. Tests may point it elsewhere.
QString ExecutableDir();
void SetExecutableDirForTesting(const QString& dir);  // empty restores the real one

// $WINDIR when set, else /etc; with a trailing separator.
QString SystemDir();
// The user's application-data folder (XDG config home), with a trailing separator.
QString AppDataDir();
// The user's data folder (XDG data home), with a trailing separator.
QString DataHomeDir();
// Whether a file can be created in dir now, found by creating one: root's mode bits, read-only
// mounts and access lists all answer the same way as for the real files.
bool CanCreateFilesIn(const QString& dir);
bool FileExists(const QString& path);
QString IncludeTrailingSeparator(const QString& dir);
