#include "ini_section.h"

namespace {

// Later entries under a key already indexed are never found, as in the file's own order.
void IndexFirst(QHash<QString, qsizetype>& index, const QString& key, qsizetype at)
{
    if (!index.contains(key))
        index.insert(key, at);
}

}  // namespace

QString IniLookupKey(const QString& name, Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseSensitive ? name : name.toCaseFolded();
}

qsizetype IniSection::IndexOf(const QString& ident, Qt::CaseSensitivity cs) const
{
    if (indexedFor_ != cs) {
        index_.clear();
        index_.reserve(qsizetype(entries_.size()));
        for (qsizetype i = 0; i < qsizetype(entries_.size()); ++i) {
            if (entries_[i].value)
                IndexFirst(index_, IniLookupKey(entries_[i].key, cs), i);
        }
        indexedFor_ = cs;
    }
    return index_.value(IniLookupKey(ident, cs), -1);
}

const IniEntry* IniSection::Find(const QString& ident, Qt::CaseSensitivity cs) const
{
    const qsizetype at = IndexOf(ident, cs);
    return at < 0 ? nullptr : &entries_[at];
}

void IniSection::Append(IniEntry entry)
{
    if (indexedFor_ && entry.value)
        IndexFirst(index_, IniLookupKey(entry.key, *indexedFor_), qsizetype(entries_.size()));
    entries_.push_back(std::move(entry));
}

void IniSection::Put(const QString& ident, const QString& value, Qt::CaseSensitivity cs)
{
    const qsizetype at = IndexOf(ident, cs);
    if (at < 0)
        Append({ident, value});
    else
        entries_[at] = {ident, value};
}

void IniSection::Erase(const QString& ident, Qt::CaseSensitivity cs)
{
    const qsizetype at = IndexOf(ident, cs);
    if (at < 0)
        return;
    entries_.erase(entries_.begin() + at);
    indexedFor_.reset();  // the positions after it have moved
}
