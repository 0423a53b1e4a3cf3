#include "folded_utf8.h"

#include "case_folding.h"

#include <QChar>
#include <QtGlobal>

#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character at the start of `s` (not ASCII) and its length in bytes; length 0 when it is not
// sound UTF-8: overlong, a surrogate, beyond U+10FFFF or cut short.
struct Decoded {
    char32_t character = 0;
    int length = 0;
};

Decoded DecodeMultiByte(const unsigned char* s, size_t left)
{
    const unsigned char lead = s[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the sound range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || size_t(length) > left || s[1] < low || s[1] > high)
        return {};
    char32_t character = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(s[i]))
            return {};
        character = (character << 6) | (s[i] & 0x3F);
    }
    return {character, length};
}

int Encode(char32_t c, unsigned char* out)
{
    if (c < 0x80) {
        out[0] = static_cast<unsigned char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
        out[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
        out[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
    out[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 4;
}

// The three-byte lead bytes (0xE0 to 0xEF) of whose 4,096 characters every one folds to itself and
// is no noncharacter, one bit for each low nibble: Japanese and Chinese text lies there and is
// copied as it stands.
uint16_t UnchangedBlocks()
{
    static const uint16_t blocks = [] {
        const UnitFolds& folds = TheUnitFolds();
        uint16_t unchanged = 0;
        for (char32_t block = 0; block < 16; ++block) {
            bool all = true;
            for (char32_t c = block << 12; c < (block + 1) << 12 && all; ++c)
                all = !folds.slow[c] && folds.fold[c] == c && !QChar::isNonCharacter(c);
            unchanged |= uint16_t(all) << block;
        }
        return unchanged;
    }();
    return blocks;
}

// Folds into a buffer as long as the text, recording changed bytes relative to `base`. Sixteen
// bytes are looked at together where the text is plain ASCII or runs of three-byte characters
// that folding leaves alone, which is most of any diary; the rest goes character by character.
class Folder {
public:
    Folder(std::string_view text, unsigned char* out, FoldedUtf8& into, size_t base)
        : in_(reinterpret_cast<const unsigned char*>(text.data())), size_(text.size()), out_(out), into_(into),
          base_(base), folds_(TheUnitFolds()), unchanged_(UnchangedBlocks())
    {
    }

    bool Run()
    {
        while (at_ < size_) {
            if (FoldChunk())
                continue;
            if (in_[at_] < 0x80)
                FoldAscii();
            else if (!FoldMultiByte())
                return false;
        }
        return true;
    }

private:
#ifdef __SSE2__
    // Folds what the next sixteen bytes begin with, and on while whole chunks are alike, when it
    // is ASCII or whole unchanged three-byte characters; false when neither, or fewer than sixteen
    // bytes are left. A whole chunk moves on by a fixed step, so the next can be read before this
    // one is looked at.
    bool FoldChunk()
    {
        const size_t from = at_;
        while (size_ - at_ >= 16) {
            const __m128i chunk = Load();
            const unsigned nonAscii = unsigned(_mm_movemask_epi8(chunk));
            if (nonAscii == 0) {
                FoldAsciiChunk(chunk, 16);
                at_ += 16;
            } else if (const size_t ascii = size_t(std::countr_zero(nonAscii)); ascii > 0) {
                FoldAsciiChunk(chunk, ascii);
                at_ += ascii;
            } else {
                const size_t characters = UnchangedThreeByteCharacters(chunk);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out_ + at_), chunk);
                at_ += 3 * characters;
                if (characters < 5)
                    break;
            }
        }
        return at_ > from;
    }

    __m128i Load() const { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in_ + at_)); }

    // Folds the chunk's first `ascii` bytes; the bytes after them are written again later.
    void FoldAsciiChunk(__m128i chunk, size_t ascii)
    {
        // Bytes from 0x80 up compare as negative, so only "A" to "Z" count as capitals.
        const __m128i capitals =
            _mm_and_si128(_mm_cmpgt_epi8(chunk, _mm_set1_epi8('A' - 1)), _mm_cmplt_epi8(chunk, _mm_set1_epi8('Z' + 1)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out_ + at_), _mm_or_si128(chunk, _mm_and_si128(capitals, _mm_set1_epi8(0x20))));
        const unsigned changed = unsigned(_mm_movemask_epi8(capitals)) & unsigned((uint32_t(1) << ascii) - 1);
        for (unsigned bits = changed; bits; bits &= bits - 1)
            Changed(at_ + size_t(std::countr_zero(bits)));
    }

    // How many of the five three-byte characters the chunk could begin with are there, whole,
    // and fold to themselves.
    size_t UnchangedThreeByteCharacters(__m128i chunk) const
    {
        constexpr unsigned kLeads = 0b001001001001001;
        constexpr unsigned kContinuations = 0b110110110110110;
        const unsigned leads =
            unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(chunk, _mm_set1_epi8(char(0xF0))), _mm_set1_epi8(char(0xE0)))));
        const unsigned continuations =
            unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(chunk, _mm_set1_epi8(char(0xC0))), _mm_set1_epi8(char(0x80)))));
        const unsigned wrong = ((leads ^ kLeads) | (continuations ^ kContinuations)) & 0x7FFF;
        const size_t whole = size_t(std::countr_zero(wrong | 0x8000u)) / 3;
        size_t characters = 0;
        while (characters < whole && (unchanged_ >> (in_[at_ + 3 * characters] & 0x0F)) & 1)
            ++characters;
        return characters;
    }
#else
    bool FoldChunk() { return false; }
#endif

    void FoldAscii()
    {
        const unsigned char byte = in_[at_];
        const bool upper = byte >= 'A' && byte <= 'Z';
        out_[at_] = upper ? byte + 0x20 : byte;
        if (upper)
            Changed(at_);
        ++at_;
    }

    bool FoldMultiByte()
    {
        const Decoded d = DecodeMultiByte(in_ + at_, size_ - at_);
        if (d.length == 0 || QChar::isNonCharacter(d.character))
            return false;  // left to QString's reading, which decides what becomes of them
        char32_t folded = d.character;
        if (d.character < 0x10000) {
            if (folds_.slow[d.character])
                return false;
            folded = folds_.fold[d.character];
        } else {
            folded = QChar::toCaseFolded(d.character);
        }
        if (folded == d.character) {
            std::memcpy(out_ + at_, in_ + at_, size_t(d.length));
        } else {
            unsigned char bytes[4];
            if (Encode(folded, bytes) != d.length)
                return false;
            for (int i = 0; i < d.length; ++i) {
                out_[at_ + size_t(i)] = bytes[i];
                if (bytes[i] != in_[at_ + size_t(i)])
                    Changed(at_ + size_t(i));
            }
        }
        at_ += size_t(d.length);
        return true;
    }

    void Changed(size_t at)
    {
        into_.changedAt.push_back(uint32_t(base_ + at));
        into_.changedFrom.push_back(char(in_[at]));
    }

    const unsigned char* in_;
    size_t size_;
    unsigned char* out_;
    FoldedUtf8& into_;
    size_t base_;
    const UnitFolds& folds_;
    uint16_t unchanged_;
    size_t at_ = 0;
};

}  // namespace

bool AppendFoldedUtf8(std::string_view text, FoldedUtf8& into)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        return false;  // QString drops it on reading, so the text is read as a QString
    const size_t start = into.bytes.size();
    const size_t changes = into.changedAt.size();
    into.bytes.resize(start + text.size());
    Folder folder(text, reinterpret_cast<unsigned char*>(into.bytes.data() + start), into, start);
    if (folder.Run())
        return true;
    into.bytes.resize(start);
    into.changedAt.resize(changes);
    into.changedFrom.resize(changes);
    return false;
}

qsizetype Utf16Length(std::string_view utf8)
{
    qsizetype units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += !IsContinuation(byte) + (byte >= 0xF0);
    }
    return units;
}
