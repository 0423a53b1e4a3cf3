#pragma once

#include <cstddef>
#include <string_view>

// The first place at or after `from` where `haystack` holds `needle`, or npos; `needle` is not
// empty. Searching the whole diary this way is what each key typed in Find in Diary costs, so it
// looks at 32 bytes a step where the processor can.
size_t FindBytes(std::string_view haystack, size_t from, std::string_view needle);
