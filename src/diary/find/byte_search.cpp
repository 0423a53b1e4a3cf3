#include "byte_search.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KALVO_SEARCH_32_BYTES 1
#endif

namespace {

size_t PlainFind(std::string_view haystack, size_t from, std::string_view needle)
{
#ifdef __GLIBC__
    const void* at = memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
    return at ? size_t(static_cast<const char*>(at) - haystack.data()) : std::string_view::npos;
#else
    const auto at = std::search(haystack.begin() + std::ptrdiff_t(from), haystack.end(),
                                std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
    return at == haystack.end() ? std::string_view::npos : size_t(at - haystack.begin());
#endif
}

#ifdef KALVO_SEARCH_32_BYTES
// Each step marks the places whose byte is the needle's first and whose byte a needle's length on
// is its last; only those are compared in full. Texts seldom pair the two, so few are.
__attribute__((target("avx2"))) size_t FindBytes32(std::string_view haystack, size_t from, std::string_view needle)
{
    const char* s = haystack.data();
    const size_t span = needle.size() - 1;
    const __m256i first = _mm256_set1_epi8(needle.front());
    const __m256i last = _mm256_set1_epi8(needle.back());
    size_t at = from;
    for (; at + span + 32 <= haystack.size(); at += 32) {
        const __m256i starts = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + at));
        const __m256i ends = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + at + span));
        auto candidates = uint32_t(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(starts, first), _mm256_cmpeq_epi8(ends, last))));
        for (; candidates; candidates &= candidates - 1) {
            const size_t place = at + size_t(std::countr_zero(candidates));
            if (span < 2 || std::memcmp(s + place + 1, needle.data() + 1, span - 1) == 0)
                return place;
        }
    }
    return at + span < haystack.size() ? PlainFind(haystack, at, needle) : std::string_view::npos;
}
#endif

}  // namespace

size_t FindBytes(std::string_view haystack, size_t from, std::string_view needle)
{
    if (from >= haystack.size() || haystack.size() - from < needle.size())
        return std::string_view::npos;
#ifdef KALVO_SEARCH_32_BYTES
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide)
        return FindBytes32(haystack, from, needle);
#endif
    return PlainFind(haystack, from, needle);
}
