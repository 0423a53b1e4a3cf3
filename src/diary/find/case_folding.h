#pragma once

#include <QString>

#include <bitset>
#include <optional>
#include <vector>

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

// Folding looked up by UTF-16 unit, without a call per character: diaries are folded whole when
// they are read for searching.
struct UnitFolds {
    std::vector<char16_t> fold;  // Qt's simple folding of a unit that is a character of its own
    std::bitset<0x10000> slow;   // surrogates and characters that fold to several
};

const UnitFolds& TheUnitFolds();
