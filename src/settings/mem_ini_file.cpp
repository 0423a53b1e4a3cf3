#include "mem_ini_file.h"

#include "file_replace.h"

#include "platform/paths.h"


TMemIniFile::TMemIniFile(const QString& fileName) : fileName_(fileName)
{
    if (!FileExists(fileName))
        return;
    const DecodedText decoded = DecodeIniBytes(ReadFileBytes(fileName));
    encoding_ = decoded.encoding;
    sections_ = ParseIniText(decoded.text, caseSensitivity_);
}

void TMemIniFile::SetCaseSensitive(bool value)
{
    caseSensitivity_ = value ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

const IniEntry* TMemIniFile::FindEntry(const QString& section, const QString& ident) const
{
    const IniSection* found = FindSection(sections_, section, caseSensitivity_);
    return found ? found->Find(ident, caseSensitivity_) : nullptr;
}

std::optional<QString> TMemIniFile::Value(const QString& section, const QString& ident) const
{
    const IniEntry* entry = FindEntry(section, ident);
    return entry ? entry->value : std::nullopt;
}

QString TMemIniFile::ReadString(const QString& section, const QString& ident, const QString& defaultValue) const
{
    return Value(section, ident).value_or(defaultValue);
}

void TMemIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    IniSection* target = FindSection(sections_, section, caseSensitivity_);
    if (!target)
        target = &sections_.emplace_back(section);
    target->Put(ident, value, caseSensitivity_);
}

bool TMemIniFile::SectionExists(const QString& section) const
{
    return FindSection(sections_, section, caseSensitivity_) != nullptr;
}

bool TMemIniFile::ValueExists(const QString& section, const QString& ident) const
{
    return FindEntry(section, ident) != nullptr;
}

QStringList TMemIniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    if (const IniSection* found = FindSection(sections_, section, caseSensitivity_)) {
        for (const IniEntry& entry : found->Entries()) {
            if (entry.value)
                keys << entry.key;
        }
    }
    return keys;
}

QStringList TMemIniFile::ReadSections() const
{
    QStringList names;
    for (const IniSection& section : sections_)
        names << section.Name();
    return names;
}

QStringList TMemIniFile::ReadSectionValues(const QString& section) const
{
    QStringList lines;
    if (const IniSection* found = FindSection(sections_, section, caseSensitivity_)) {
        for (const IniEntry& entry : found->Entries())
            lines << entry.Line();
    }
    return lines;
}

void TMemIniFile::EraseSection(const QString& section)
{
    std::erase_if(sections_, [&](const IniSection& s) { return s.Name().compare(section, caseSensitivity_) == 0; });
}

void TMemIniFile::DeleteKey(const QString& section, const QString& ident)
{
    if (IniSection* found = FindSection(sections_, section, caseSensitivity_))
        found->Erase(ident, caseSensitivity_);
}

void TMemIniFile::UpdateFile() const { ReplaceFileBytes(fileName_, EncodeIniText(Text(), encoding_)); }
