#pragma once

#include <QString>

// The directory of the executable, with a trailing separator. Tests may point it elsewhere.
QString ExecutableDir();
void SetExecutableDirForTesting(const QString& dir);  // empty restores the real one

// $WINDIR when set, else /etc; with a trailing separator.
QString SystemDir();
// The user's application-data folder (XDG config home), with a trailing separator.
QString AppDataDir();
bool FileExists(const QString& path);
QString IncludeTrailingSeparator(const QString& dir);
