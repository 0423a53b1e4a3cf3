#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <QStringList>

// The library's texts by name or number. English only: the built-in table is loaded on first
// use and nothing else replaces it.
class TfrxResources {
public:
    TfrxResources();

    // The stored text, or the name itself when there is none; a leading "!" is dropped.
    QString Get(const QString& name) const;
    void Set(const QString& name, const QString& text) { texts_.insert(name, text); }

    // Adds the entries of a table held as XML text: root Resources, one StrRes per entry with
    // Name and Text.
    void LoadFromString(const QString& xml);
    void LoadFromFile(const QString& fileName);
    // The ".frc" tables lying beside the executable, by file name without extension.
    QStringList Languages() const;

    // One of the 16 × 16 toolbar images, by number; an empty icon for a number outside the strip.
    QIcon Image(int index) const;

private:
    QHash<QString, QString> texts_;
};

// The one table of the program, created on first use.
TfrxResources& frxResources();
// The text stored under the decimal digits of n.
QString frxGet(int n);
