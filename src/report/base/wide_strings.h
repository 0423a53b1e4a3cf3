#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// The lines of a text object. Its text form is every line followed by CR LF.
class TfrxWideStrings {
public:
    TfrxWideStrings() = default;
    TfrxWideStrings(std::initializer_list<QString> lines) : lines_(lines) {}

    const QStringList& Lines() const { return lines_; }
    QStringList& Lines() { return lines_; }
    qsizetype Count() const { return lines_.size(); }
    const QString& operator[](qsizetype index) const { return lines_[index]; }
    void Add(const QString& line) { lines_.append(line); }
    void Clear() { lines_.clear(); }

    QString Text() const;
    // Splits at CR, LF, CR LF (one break), U+2028 and NUL (which ends the text); a trailing break
    // adds no empty line.
    void SetText(const QString& text);

    bool operator==(const TfrxWideStrings&) const = default;

private:
    QStringList lines_;
};

Q_DECLARE_METATYPE(TfrxWideStrings)
