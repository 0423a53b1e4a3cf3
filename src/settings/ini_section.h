#pragma once

#include <QHash>
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

// The key under which a lookup files a name: equal for the names that it takes for one, as a
// case-insensitive comparison compares the case-folded characters.
QString IniLookupKey(const QString& name, Qt::CaseSensitivity cs);

// A section's entries in file order. Keys are found through an index of their lookup keys, built
// on the first lookup and kept while entries are added, so that reading every value of a large
// section, or a long list, grows in step with its size.
class IniSection {
public:
    explicit IniSection(QString name) : name_(std::move(name)) {}

    const QString& Name() const { return name_; }
    const std::vector<IniEntry>& Entries() const { return entries_; }

    // The first entry with a value under that key; nullptr when there is none.
    const IniEntry* Find(const QString& ident, Qt::CaseSensitivity cs) const;
    // Adds a line at the end.
    void Append(IniEntry entry);
    // Replaces the value of the first entry with that key (which takes the key's new spelling), or
    // appends an entry.
    void Put(const QString& ident, const QString& value, Qt::CaseSensitivity cs);
    // Removes the first entry with a value under that key.
    void Erase(const QString& ident, Qt::CaseSensitivity cs);

private:
    // The position of the first entry with a value under that key, or -1.
    qsizetype IndexOf(const QString& ident, Qt::CaseSensitivity cs) const;

    QString name_;
    std::vector<IniEntry> entries_;
    // Lookup key -> position of the first entry with a value under it; valid for indexedFor_ only.
    mutable QHash<QString, qsizetype> index_;
    mutable std::optional<Qt::CaseSensitivity> indexedFor_;
};
