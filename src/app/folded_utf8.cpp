#include "folded_utf8.h"

#include "case_folding.h"

#include <QChar>
#include <QtGlobal>

#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kHighBits = 0x8080808080808080ULL;

// The high bit of each of eight bytes that is one of "A" to "Z": folding adds 0x20 to those.
// Bytes above 0x7F are left out, and no sum carries into the next byte.
uint64_t UpperCaseBits(uint64_t word)
{
    const uint64_t low7 = word & ~kHighBits;
    const uint64_t aboveZ = low7 + (0x7F - 'Z') * kOnes;
    const uint64_t fromA = low7 + (0x80 - 'A') * kOnes;
    return fromA & ~aboveZ & ~word & kHighBits;
}

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
// is no noncharacter: Japanese and Chinese text lies there and is copied as it stands.
const std::array<bool, 16>& UnchangedBlocks()
{
    static const std::array<bool, 16> blocks = [] {
        const UnitFolds& folds = TheUnitFolds();
        std::array<bool, 16> unchanged{};
        for (char32_t block = 0; block < 16; ++block) {
            unchanged[block] = true;
            for (char32_t c = block << 12; c < (block + 1) << 12 && unchanged[block]; ++c)
                unchanged[block] = !folds.slow[c] && folds.fold[c] == c && !QChar::isNonCharacter(c);
        }
        return unchanged;
    }();
    return blocks;
}

// Folds into a buffer as long as the text, recording changed bytes relative to `base`.
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
            if (in_[at_] < 0x80) {
                if (size_ - at_ < 8 || !FoldAsciiPrefix())
                    FoldAscii();
            } else if (!CopyUnchangedRun() && !FoldMultiByte()) {
                return false;
            }
        }
        return true;
    }

private:
    // Folds the ASCII bytes at the start of the next eight at once; false when there are none.
    bool FoldAsciiPrefix()
    {
        uint64_t word;
        std::memcpy(&word, in_ + at_, 8);
        const int ascii = std::countr_zero(word & kHighBits) / 8;  // 8 when all are
        if (ascii == 0)
            return false;
        const uint64_t inPrefix = ascii == 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * ascii)) - 1;
        const uint64_t upper = UpperCaseBits(word) & inPrefix;
        for (uint64_t bits = upper; bits; bits &= bits - 1)
            Changed(at_ + size_t(std::countr_zero(bits) / 8));
        word |= upper >> 2;
        std::memcpy(out_ + at_, &word, 8);  // the bytes after the prefix are written again later
        at_ += size_t(ascii);
        return true;
    }

    bool CopyUnchangedRun()
    {
        size_t end = at_;
        while (size_ - end >= 3 && in_[end] >= 0xE0 && in_[end] <= 0xEF && unchanged_[in_[end] - 0xE0] &&
               IsContinuation(in_[end + 1]) && IsContinuation(in_[end + 2]))
            end += 3;
        std::memcpy(out_ + at_, in_ + at_, end - at_);
        const bool copied = end > at_;
        at_ = end;
        return copied;
    }

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
    const std::array<bool, 16>& unchanged_;
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
