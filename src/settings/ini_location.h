#pragma once

#include <QString>

// Where a settings file name without directory is placed.
enum TBaseDir { bdWindows, bdApplication, bdAppData, bdNone };

// Whether the name carries a directory of its own (anything up to a last path delimiter).
bool HasDirectoryPart(const QString& fileName);

// The full path of a settings file: the name itself when it has a directory part, otherwise the
// base directory followed by the name. No directory is created. Throws when the application-data
// folder cannot be determined.
QString IniFilePath(const QString& fileName, TBaseDir baseDir);

// The settings file name of this program: the executable's name with its extension replaced by
// ".ini" (appended when it has none), so Kalvo gets Kalvo.ini.
QString DefaultIniFileName();
