#pragma once

#include "ini_encoding.h"
#include "ini_text.h"

#include <QString>
#include <QStringList>

#include <optional>

// The content of one settings file in memory: ordered sections of ordered key/value entries.
// Lookups ignore letter case unless CaseSensitive is switched on.
class TMemIniFile {
public:
    // Loads the file when it exists (throws EFOpenError when it cannot be read); else starts empty.
    explicit TMemIniFile(const QString& fileName);

    const QString& FileName() const { return fileName_; }
    TIniEncoding Encoding() const { return encoding_; }
    bool CaseSensitive() const { return caseSensitivity_ == Qt::CaseSensitive; }
    void SetCaseSensitive(bool value);

    // The stored value; nothing when the key is missing.
    std::optional<QString> Value(const QString& section, const QString& ident) const;
    QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const;
    // Replaces the value of the first entry with that key (which takes the key's new spelling), or
    // appends an entry; a missing section is appended first.
    void WriteString(const QString& section, const QString& ident, const QString& value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& ident) const;
    QStringList ReadSection(const QString& section) const;
    QStringList ReadSections() const;
    QStringList ReadSectionValues(const QString& section) const;
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& ident);

    // The file's text as UpdateFile writes it.
    QString Text() const { return FormatIniText(sections_); }
    // Writes the whole content to the file in its encoding (throws EFCreateError).
    void UpdateFile() const;

private:
    const IniEntry* FindEntry(const QString& section, const QString& ident) const;

    QString fileName_;
    TIniEncoding encoding_ = TIniEncoding::Ansi;
    Qt::CaseSensitivity caseSensitivity_ = Qt::CaseInsensitive;
    IniSections sections_;
};
