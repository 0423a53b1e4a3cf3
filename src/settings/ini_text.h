#pragma once

#include <QString>

#include <optional>
#include <vector>

// One line of a section. A line without "=" keeps its text as the key and has no value; reads
// never find it, but it is written back as it was.
struct IniEntry {
    QString key;
    std::optional<QString> value;

    QString Line() const { return value ? key + QLatin1Char('=') + *value : key; }
};

struct IniSection {
    QString name;
    std::vector<IniEntry> entries;
};

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
