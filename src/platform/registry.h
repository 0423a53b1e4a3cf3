#pragma once

#include <QString>

// A whole number among the user's stored preferences. `location` is either a registry key of the
// current user ("\Software\Vendor\..."), kept here as an INI file in the user's configuration
// folder, or the path of an INI file. `defaultValue` when nothing is stored or it is no number.
int ReadStoredInteger(const QString& location, const QString& section, const QString& name, int defaultValue);
