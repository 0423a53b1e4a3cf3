#include "dictionary.h"

#include <algorithm>

void TfrxDictionary::Clear()
{
    aliases_.clear();
    sources_.clear();
}

int TfrxDictionary::LowerBound(const QString& alias) const
{
    const auto it = std::lower_bound(aliases_.begin(), aliases_.end(), alias, [](const Alias& entry, const QString& name) {
        return entry.name.compare(name, Qt::CaseInsensitive) < 0;
    });
    return int(it - aliases_.begin());
}

int TfrxDictionary::IndexOf(const QString& alias) const
{
    const int index = LowerBound(alias);
    if (index < Count() && aliases_[size_t(index)].name.compare(alias, Qt::CaseInsensitive) == 0)
        return index;
    return -1;
}

void TfrxDictionary::Insert(const QString& alias, int source)
{
    if (IndexOf(alias) >= 0)
        return;
    aliases_.insert(aliases_.begin() + LowerBound(alias), Alias{alias, source});
}

void TfrxDictionary::Add(const QString& alias, const QString& sourceName, TfrxComponent* object, const QString& baseText)
{
    if (IndexOf(alias) >= 0)
        return;
    sources_.push_back(Source{sourceName, object, baseText});
    Insert(alias, int(sources_.size()) - 1);
}

// Once the list has grown, the search starts from the number of aliases already sorted between
// the markers base+"0" and base+"A" instead of from 1, so long reports do not probe every
// number. The markers stay in the list and point at the first source.
QString TfrxDictionary::CreateUniqueName(const QString& base)
{
    int n = 1;
    if (Count() >= 4) {
        const QString low = base + u'0';
        const QString high = base + u'A';
        Insert(low, 0);
        Insert(high, 0);
        n = IndexOf(high) - IndexOf(low) - 1;
        while (n > 0 && !Contains(base + QString::number(n)))
            --n;
    }
    while (Contains(base + QString::number(n)))
        ++n;
    return base + QString::number(n);
}

QStringList TfrxDictionary::Aliases() const
{
    QStringList names;
    for (const Alias& alias : aliases_)
        names << alias.name;
    return names;
}

const TfrxDictionary::Source* TfrxDictionary::GetSource(const QString& alias) const
{
    const int index = IndexOf(alias);
    if (index < 0)
        return nullptr;
    const int source = aliases_[size_t(index)].source;
    return source < int(sources_.size()) ? &sources_[size_t(source)] : nullptr;
}

QString TfrxDictionary::GetSourceName(const QString& alias) const
{
    const Source* source = GetSource(alias);
    return source ? source->name : QString();
}

TfrxComponent* TfrxDictionary::GetObject(const QString& alias) const
{
    const Source* source = GetSource(alias);
    return source ? source->object : nullptr;
}
