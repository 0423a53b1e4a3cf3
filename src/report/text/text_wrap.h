#pragma once

#include <QStringView>
#include <cstdint>
#include <vector>

// One output line of a paragraph: its first character and its length.
struct WrappedLine {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const WrappedLine&) const = default;
};

// Breaks one paragraph into lines. `extents` holds, for each character, the extent of the
// paragraph up to and including it in measuring units. The first line may be `firstWidth` wide,
// every further line `fullWidth`.
//
// A line that would exceed its width ends before the last space (code 32) seen after its start,
// and that one space is consumed; without such a space the word is broken before the character
// that does not fit, or a single character that does not fit alone is a line of its own. Other
// spaces stay where they are; a non-breaking space is no break point.
std::vector<WrappedLine> WrapParagraph(QStringView paragraph, const std::vector<int64_t>& extents, int64_t firstWidth,
                                       int64_t fullWidth, bool wordWrap);
