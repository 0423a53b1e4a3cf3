#include "case_folding.h"

#include "full_case_folds.h"

#include <algorithm>
#include <bitset>
#include <vector>

namespace {

qsizetype CharacterLength(const QString& text, qsizetype at)
{
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
}

char32_t CodePointAt(const QString& text, qsizetype at)
{
    return CharacterLength(text, at) == 2 ? QChar::surrogateToUcs4(text[at], text[at + 1]) : text[at].unicode();
}

}  // namespace

const UnitFolds& TheUnitFolds()
{
    static const UnitFolds folds = [] {
        UnitFolds table;
        table.fold.resize(0x10000);
        for (char32_t unit = 0; unit < 0x10000; ++unit) {
            const char32_t folded = QChar::toCaseFolded(unit);
            table.fold[unit] = char16_t(folded);
            table.slow[unit] = QChar::isSurrogate(unit) || folded > 0xFFFF;
        }
        for (const FullCaseFold& fold : FullCaseFolds())
            table.slow.set(fold.character);
        return table;
    }();
    return folds;
}

namespace {

const char16_t* FullFoldOf(char16_t character)
{
    const auto& folds = FullCaseFolds();
    const auto found = std::lower_bound(folds.begin(), folds.end(), character,
                                        [](const FullCaseFold& fold, char16_t c) { return fold.character < c; });
    return found != folds.end() && found->character == character ? found->folded : nullptr;
}

// The folded form of the character at `at`: several characters, or a surrogate pair.
QString FoldSlowCharacter(const QString& text, qsizetype at)
{
    if (const char16_t* several = FullFoldOf(text[at].unicode()))
        return QString::fromUtf16(several);
    const char32_t folded = QChar::toCaseFolded(CodePointAt(text, at));
    return QString::fromUcs4(&folded, 1);
}

QString FoldFrom(const QString& text, qsizetype at, const UnitFolds& folds)
{
    // Each unit folds to at least one; the text grows only where a character folds to several.
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    std::copy(text.begin(), text.begin() + at, out);
    qsizetype written = at;
    while (at < text.size()) {
        const char16_t unit = text[at].unicode();
        if (!folds.slow[unit]) {
            out[written++] = QChar(folds.fold[unit]);
            ++at;
            continue;
        }
        const QString piece = FoldSlowCharacter(text, at);
        at += CharacterLength(text, at);
        const qsizetype needed = written + piece.size() + (text.size() - at);
        if (needed > folded.size()) {
            folded.resize(needed);
            out = folded.data();
        }
        std::copy(piece.begin(), piece.end(), out + written);
        written += piece.size();
    }
    folded.truncate(written);
    return folded;
}

// Where each UTF-16 unit of `text` begins in its folded form, plus the folded length at the end.
// The second unit of a surrogate pair shares its first unit's place. Folding works character by
// character, so the pieces add up to the folded text.
std::vector<qsizetype> FoldedPlaces(const QString& text)
{
    std::vector<qsizetype> places(size_t(text.size()) + 1);
    qsizetype folded = 0;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = CharacterLength(text, at);
        for (qsizetype unit = 0; unit < length; ++unit)
            places[size_t(at + unit)] = folded;
        folded += FoldCase(text.mid(at, length)).size();
        at += length;
    }
    places.back() = folded;
    return places;
}

// The unit of `text` whose character begins at `foldedAt`, or nullopt when that place lies inside
// a character's folded form.
std::optional<qsizetype> CharacterAt(const std::vector<qsizetype>& places, qsizetype foldedAt)
{
    const auto found = std::lower_bound(places.begin(), places.end(), foldedAt);
    if (found == places.end() || *found != foldedAt)
        return std::nullopt;
    return qsizetype(found - places.begin());
}

}  // namespace

QString FoldCase(const QString& text)
{
    // A text that folding leaves alone is shared rather than copied: Japanese, for one.
    const UnitFolds& folds = TheUnitFolds();
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        if (folds.slow[unit] || folds.fold[unit] != unit)
            return FoldFrom(text, at, folds);
    }
    return text;
}

std::optional<TextRange> FindFolded(const QString& text, const QString& folded, const QString& foldedNeedle)
{
    qsizetype at = folded.indexOf(foldedNeedle);
    if (at < 0)
        return std::nullopt;
    // Folding never shortens a character, so an unchanged length means every character kept its
    // length and places in both forms are the same.
    if (folded.size() == text.size())
        return TextRange{at, foldedNeedle.size()};
    const std::vector<qsizetype> places = FoldedPlaces(text);
    for (; at >= 0; at = folded.indexOf(foldedNeedle, at + 1)) {
        const auto start = CharacterAt(places, at);
        const auto end = CharacterAt(places, at + foldedNeedle.size());
        if (start && end)
            return TextRange{*start, *end - *start};
    }
    return std::nullopt;
}
