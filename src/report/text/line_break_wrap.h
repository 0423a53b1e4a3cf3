#pragma once

#include "text_wrap.h"

#include <QStringView>
#include <cstdint>
#include <vector>

// Breaks one paragraph into lines at the places where a line may break in any script: after
// spaces, after hyphens, between CJK characters. Used for text that would otherwise run past the
// edge of its room, where breaking only at spaces would leave Japanese text and long words
// unbroken. `extents`, `firstWidth` and `fullWidth` are as for WrapParagraph.
//
// Spaces and tabs at a break hang past the line's end: they neither count to its width nor
// belong to it (the next line starts after them). A word wider than the whole width is broken
// between grapheme clusters, so that no surrogate pair or combining mark is torn apart; a single
// cluster wider than the width is a line of its own. A paragraph narrower than its first line
// stays one line, exactly as WrapParagraph keeps it.
std::vector<WrappedLine> WrapParagraphAtLineBreaks(QStringView paragraph, const std::vector<int64_t>& extents,
                                                   int64_t firstWidth, int64_t fullWidth);
