#pragma once

#include "bulk_bytes.h"

#include <QtGlobal>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Diary texts folded for matching, one after the other in UTF-8. Where every character of a text
// folds to a character of the same length, as Latin, Greek, Cyrillic and Japanese letters do, the
// text itself differs from its folded form only in a few bytes ("W" for "w"): those bytes are all
// that is kept of it.
struct FoldedUtf8 {
    BulkBytes bytes;
    std::vector<uint32_t, BulkAllocator<uint32_t>> changedAt;  // places in `bytes` where the text had another byte
    BulkBytes changedFrom;                                     // that byte, one for each place
};

// Appends `text` folded. False, with `into` as it was, when the text is no sound UTF-8, begins with
// a byte order mark or holds a character whose fold is longer or shorter: such a text is folded as
// a QString and kept whole.
bool AppendFoldedUtf8(std::string_view text, FoldedUtf8& into);

// The number of UTF-16 units of sound UTF-8.
qsizetype Utf16Length(std::string_view utf8);
