#pragma once

#include "ini_section.h"

#include <QString>

#include <vector>

using IniSections = std::vector<IniSection>;

// The text without leading and trailing characters whose codes are below 33.
QStringView TrimControls(QStringView text);

// Looks a section up by name; nullptr when absent.
IniSection* FindSection(IniSections& sections, const QString& name, Qt::CaseSensitivity cs);
const IniSection* FindSection(const IniSections& sections, const QString& name, Qt::CaseSensitivity cs);

// Reads the text of a settings file. Comment lines (";"), empty lines and lines before the first
// section header are dropped; a header seen again continues its section.
IniSections ParseIniText(const QString& text, Qt::CaseSensitivity cs);

// Each section as its header, its lines and an empty line; every line ends with CR LF.
QString FormatIniText(const IniSections& sections);
