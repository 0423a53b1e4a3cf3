#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TfrxComponent;

// The aliases of the prepared pages: short element names (b1, m1, l1, ...) that stand for the
// template objects printed objects were made from.
//
// Aliases are kept sorted without regard to case, each once; every alias points at a source
// entry, kept in order of adding: the source name ("Page0.MasterData1"), the template copy it
// names and that copy's base text (class name and full form), which printed objects are rebuilt
// from.
class TfrxDictionary {
public:
    struct Source {
        QString name;
        TfrxComponent* object = nullptr;
        QString baseText;
    };

    void Clear();
    // Ignored when the alias is there already.
    void Add(const QString& alias, const QString& sourceName, TfrxComponent* object, const QString& baseText = QString());
    // A free alias for the base letter (see the source for the numbering).
    QString CreateUniqueName(const QString& base);

    int Count() const { return int(aliases_.size()); }
    // The aliases in their sorted order.
    QStringList Aliases() const;
    bool Contains(const QString& alias) const { return IndexOf(alias) >= 0; }
    // Empty or none for an unknown alias.
    QString GetSourceName(const QString& alias) const;
    TfrxComponent* GetObject(const QString& alias) const;
    const Source* GetSource(const QString& alias) const;

private:
    struct Alias {
        QString name;
        int source = 0;
    };

    // The position of the alias, or -1.
    int IndexOf(const QString& alias) const;
    // Where the alias is or would go.
    int LowerBound(const QString& alias) const;
    void Insert(const QString& alias, int source);

    std::vector<Alias> aliases_;
    std::vector<Source> sources_;
};
