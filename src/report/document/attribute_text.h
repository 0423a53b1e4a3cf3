#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// An element's attribute text: name="value" pairs separated by spaces, values escaped.

// One pair, as views into the text it was found in.
struct AttributePair {
    QStringView name;
    QStringView value;    // still escaped
    qsizetype begin = 0;  // the name's first character
    qsizetype end = 0;    // just after the closing quote
};

// Walks the pairs from left to right: blanks are skipped, the name runs to the next "=" (trailing
// blanks dropped), the value from the first double quote after it to the next double quote (or
// the end of the text). A pair without a name, "=" or opening quote ends the text.
class AttributeScanner {
public:
    explicit AttributeScanner(QStringView text) : text_(text) {}
    bool Next(AttributePair& pair);

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// The first pair whose name matches without regard to case.
std::optional<AttributePair> FindAttribute(QStringView text, QStringView name);

// The unescaped value of an attribute; empty when there is none.
QString GetProp(QStringView text, QStringView name);
bool PropExists(QStringView text, QStringView name);
// Replaces the attribute in place, or appends it (after one space unless the text ends with one).
void SetProp(QString& text, QStringView name, QStringView value);
// Removes the attribute with the blank that separates it from its neighbour.
void DeleteProp(QString& text, QStringView name);
// Removes a pair found in the text, likewise.
void RemoveAttribute(QString& text, const AttributePair& pair);
