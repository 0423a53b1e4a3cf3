#pragma once

#include <QString>

#include <optional>

// A stretch of a text, in UTF-16 units.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;

    bool operator==(const TextRange&) const = default;
};

// Unicode's full case folding, the form in which texts are compared ignoring case in every script
// Qt knows: "Straße" and "STRASSE" both fold to "strasse", "ΣΊΣΥΦΟΣ" and "σίσυφος" to "σίσυφοσ".
QString FoldCase(const QString& text);

// The first place where `text` holds `foldedNeedle` ignoring case, as a range of `text`.
// `folded` is FoldCase(text), passed in so that callers can keep it between searches; the needle
// is plain text, folded already, and not empty. Folding can lengthen a text ("ß" becomes "ss"), so
// the range may be shorter than the needle; a match must begin and end on whole characters of
// `text`: "ss" finds "ß", "s" alone does not.
std::optional<TextRange> FindFolded(const QString& text, const QString& folded, const QString& foldedNeedle);
