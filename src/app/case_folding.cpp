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

// Indexed by UTF-16 unit: whether the character folds to several.
using FoldsToSeveral = std::bitset<0x10000>;

const FoldsToSeveral& CharactersFoldingToSeveral()
{
    static const FoldsToSeveral characters = [] {
        FoldsToSeveral set;
        for (const FullCaseFold& fold : FullCaseFolds())
            set.set(fold.character);
        return set;
    }();
    return characters;
}

const char16_t* FullFoldOf(char16_t character)
{
    const auto& folds = FullCaseFolds();
    const auto found = std::lower_bound(folds.begin(), folds.end(), character,
                                        [](const FullCaseFold& fold, char16_t c) { return fold.character < c; });
    return found != folds.end() && found->character == character ? found->folded : nullptr;
}

// Character by character, for the texts that hold one that folds to several.
QString FoldEachCharacter(const QString& text)
{
    QString folded;
    folded.reserve(text.size() + 8);
    for (qsizetype at = 0; at < text.size();) {
        if (const char16_t* several = FullFoldOf(text[at].unicode())) {
            folded += QStringView(several);
            ++at;
            continue;
        }
        const char32_t simple = QChar::toCaseFolded(CodePointAt(text, at));
        folded += QString::fromUcs4(&simple, 1);
        at += CharacterLength(text, at);
    }
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
    const FoldsToSeveral& several = CharactersFoldingToSeveral();
    if (std::none_of(text.begin(), text.end(), [&several](QChar c) { return several.test(c.unicode()); }))
        return text.toCaseFolded();  // Qt's own folding, which shares the text when nothing changes
    return FoldEachCharacter(text);
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
