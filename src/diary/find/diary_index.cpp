#include "diary_index.h"

#include "byte_search.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <numeric>
#include <utility>

namespace {

// Ends every entry's folded text: no UTF-8 holds this byte, so no match runs into the next entry.
constexpr char kEntryEnd = '\xFF';

bool IsLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

DiaryHit LineHit(TDateTime day, const QString& text, TextRange match)
{
    qsizetype lineStart = match.start;
    while (lineStart > 0 && !IsLineBreak(text[lineStart - 1]))
        --lineStart;
    qsizetype lineEnd = match.start + match.length;
    while (lineEnd < text.size() && !IsLineBreak(text[lineEnd]))
        ++lineEnd;
    return {day, text.mid(lineStart, lineEnd - lineStart), {match.start - lineStart, match.length}};
}

std::optional<DiaryHit> MatchText(TDateTime day, const QString& text, const QString& foldedNeedle)
{
    const std::optional<TextRange> match = FindFolded(text, FoldCase(text), foldedNeedle);
    if (!match)
        return std::nullopt;
    return LineHit(day, text, *match);
}

bool HasUnpairedSurrogate(const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            ++at;
        else if (text[at].isSurrogate())
            return true;
    }
    return false;
}

// What is searched at a time while adding: about what a processor core keeps in its own cache.
constexpr size_t kSearchBlock = size_t(256) << 10;

template <typename Container>
void ShrinkWhenLoose(Container& c)
{
    if (c.capacity() > c.size() + c.size() / 4)
        c.shrink_to_fit();
}

template <typename Container>
size_t BytesOf(const Container& c)
{
    return c.capacity() * sizeof(typename Container::value_type);
}

}  // namespace

// What is looked for, folded, in both forms.
struct DiaryIndex::Needle {
    QString folded;
    std::string bytes;
    std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher{bytes.begin(), bytes.end()};

    explicit Needle(const QString& f) : folded(f), bytes(f.toUtf8().toStdString()) {}
};

void DiaryIndex::Reserve(size_t textBytes) { folded_.bytes.reserve(textBytes); }

void DiaryIndex::Add(TDateTime day, std::string_view text)
{
    Entry entry{day, folded_.bytes.size(), 0, folded_.changedAt.size()};
    // Byte changes are placed in 32 bits; beyond 4 GiB texts are kept whole.
    const bool placesFit = folded_.bytes.size() + text.size() < std::numeric_limits<uint32_t>::max();
    if (!placesFit || !AppendFoldedUtf8(text, folded_)) {
        AddWhole(day, QString::fromUtf8(text.data(), qsizetype(text.size())));
        return;
    }
    entry.end = folded_.bytes.size();
    folded_.bytes.push_back(kEntryEnd);
    entries_.push_back(entry);
    SearchAdded(kSearchBlock);
}

void DiaryIndex::Add(TDateTime day, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    Add(day, std::string_view(utf8.constData(), size_t(utf8.size())));
}

// A text folding changes in length is kept as written beside its folded form.
void DiaryIndex::AddWhole(TDateTime day, const QString& text)
{
    Entry entry{day, folded_.bytes.size(), 0, folded_.changedAt.size()};
    const QByteArray folded = FoldCase(text).toUtf8();
    folded_.bytes.insert(folded_.bytes.end(), folded.begin(), folded.end());
    entry.end = folded_.bytes.size();
    folded_.bytes.push_back(kEntryEnd);
    entry.originalBegin = originals_.size();
    originals_ += text.toUtf8().toStdString();
    entry.originalEnd = originals_.size();
    entry.whole = true;
    entries_.push_back(entry);
    SearchAdded(kSearchBlock);
}

// Half a character has no UTF-8 form; a needle holding one is matched text by text, after adding.
void DiaryIndex::FindWhileAdding(const QString& text)
{
    const QString folded = FoldCase(text);
    const bool asBytes = !text.isEmpty() && !HasUnpairedSurrogate(folded);
    watch_ = {text, asBytes ? std::make_shared<const Needle>(folded) : nullptr, 0, {}};
}

// Searches the entries added since the last time, once they hold `atLeast` bytes.
void DiaryIndex::SearchAdded(size_t atLeast)
{
    if (!watch_.needle || watch_.searched == entries_.size() ||
        entries_.back().end - entries_[watch_.searched].begin < atLeast)
        return;
    Occurrences(*watch_.needle, watch_.searched, uint32_t(entries_.size()), watch_.found);
    watch_.searched = uint32_t(entries_.size());
}

QVector<DiaryHit> DiaryIndex::Finish()
{
    SearchAdded(0);
    byRank_.resize(entries_.size());
    std::iota(byRank_.begin(), byRank_.end(), 0u);
    const auto newer = [this](uint32_t a, uint32_t b) { return entries_[a].day > entries_[b].day; };
    // Diaries are mostly written day after day: then the newest come last.
    const bool oldestFirst = std::adjacent_find(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
                                 return a.day >= b.day;
                             }) == entries_.end();
    if (oldestFirst)
        std::reverse(byRank_.begin(), byRank_.end());
    else
        std::stable_sort(byRank_.begin(), byRank_.end(), newer);  // a day's rows keep their order
    rankOf_.resize(entries_.size());
    for (uint32_t rank = 0; rank < byRank_.size(); ++rank)
        rankOf_[byRank_[rank]] = rank;
    ShrinkWhenLoose(folded_.bytes);
    ShrinkWhenLoose(folded_.changedAt);
    ShrinkWhenLoose(folded_.changedFrom);
    ShrinkWhenLoose(originals_);
    ShrinkWhenLoose(entries_);
    Watch watch = std::exchange(watch_, {});
    return watch.needle ? NewestFirst(std::move(watch.found)) : Find(watch.text);
}

size_t DiaryIndex::MemoryBytes() const
{
    return BytesOf(folded_.bytes) + BytesOf(folded_.changedAt) + BytesOf(folded_.changedFrom) + BytesOf(originals_) +
           BytesOf(entries_) + BytesOf(byRank_) + BytesOf(rankOf_);
}

QVector<DiaryHit> DiaryIndex::Find(const QString& text) const
{
    if (text.isEmpty())
        return {};
    const QString foldedNeedle = FoldCase(text);
    if (HasUnpairedSurrogate(foldedNeedle))
        return FindEachEntry(foldedNeedle);
    std::vector<Found> found;
    Occurrences(Needle(foldedNeedle), 0, uint32_t(entries_.size()), found);
    return NewestFirst(std::move(found));
}

// The hits of the entries found, newest day first and each day once.
QVector<DiaryHit> DiaryIndex::NewestFirst(std::vector<Found> found) const
{
    for (Found& f : found)
        f.place = rankOf_[f.place];
    SortByRank(found);
    QVector<DiaryHit> hits;
    hits.reserve(qsizetype(found.size()));
    for (Found& f : found) {
        if (hits.isEmpty() || hits.last().day != f.hit.day)
            hits.push_back(std::move(f.hit));
    }
    return hits;
}

// The first match of each entry from `first` to before `last` that holds the needle as whole
// characters, in the buffer's order. Each hit is made while its text is still in the processor's
// cache.
void DiaryIndex::Occurrences(const Needle& needle, uint32_t first, uint32_t last, std::vector<Found>& found) const
{
    if (first == last)
        return;
    std::string line;  // one buffer for every line, not an allocation each
    const std::string_view all(folded_.bytes.data(), entries_[last - 1].end);
    for (uint32_t index = first; index < last; ++index) {
        const Entry* entry = &entries_[index];
        // When many entries hold the needle, the next one likely does too: looking there first
        // spares a long search its cost of setting out.
        const auto inEntry = needle.searcher(all.begin() + qsizetype(entry->begin), all.begin() + qsizetype(entry->end));
        size_t at = size_t(inEntry.first - all.begin());
        if (inEntry.first == inEntry.second) {
            at = FindBytes(all, entry->end, needle.bytes);
            if (at == std::string_view::npos)
                break;
            const auto next = std::upper_bound(entries_.begin() + index, entries_.begin() + last, at,
                                               [](size_t place, const Entry& e) { return place < e.begin; });
            index = uint32_t(next - entries_.begin() - 1);
            entry = &entries_[index];
        }
        if (!entry->whole) {
            found.push_back({index, HitAt(index, at, needle, line)});
        } else if (std::optional<DiaryHit> hit = MatchText(entry->day, WholeText(*entry), needle.folded)) {
            // Where folding changed lengths an occurrence may hold half of a character's fold.
            found.push_back({index, std::move(*hit)});
        }
    }
}

void DiaryIndex::SortByRank(std::vector<Found>& found)
{
    const auto byRank = [](const Found& a, const Found& b) { return a.place < b.place; };
    if (std::is_sorted(found.rbegin(), found.rend(), byRank))
        std::reverse(found.begin(), found.end());
    else if (!std::is_sorted(found.begin(), found.end(), byRank))
        std::sort(found.begin(), found.end(), byRank);
}

// Every character of the entry kept its length in folding: places in the folded bytes are places
// in the text.
DiaryHit DiaryIndex::HitAt(uint32_t index, size_t at, const Needle& needle, std::string& line) const
{
    const Entry& entry = entries_[index];
    const std::string_view all(folded_.bytes.data(), folded_.bytes.size());
    size_t lineStart = at;
    while (lineStart > entry.begin && !IsLineBreak(all[lineStart - 1]))
        --lineStart;
    size_t lineEnd = at + needle.bytes.size();
    while (lineEnd < entry.end && !IsLineBreak(all[lineEnd]))
        ++lineEnd;
    Original(index, lineStart, lineEnd, line);
    const qsizetype start = Utf16Length(all.substr(lineStart, at - lineStart));
    return {entry.day, QString::fromUtf8(line.data(), qsizetype(line.size())), {start, needle.folded.size()}};
}

// The text as written between two places of an entry kept as byte changes.
void DiaryIndex::Original(uint32_t index, size_t from, size_t to, std::string& text) const
{
    text.assign(folded_.bytes.data() + from, to - from);
    const auto changesEnd = folded_.changedAt.begin() + qsizetype(index + 1 < entries_.size()
                                                                      ? entries_[index + 1].changesBegin
                                                                      : folded_.changedAt.size());
    auto change = std::lower_bound(folded_.changedAt.begin() + qsizetype(entries_[index].changesBegin), changesEnd,
                                   uint32_t(from));
    for (; change != changesEnd && *change < to; ++change)
        text[*change - from] = folded_.changedFrom[size_t(change - folded_.changedAt.begin())];
}

QString DiaryIndex::WholeText(const Entry& entry) const
{
    return QString::fromUtf8(originals_.data() + entry.originalBegin, qsizetype(entry.originalEnd - entry.originalBegin));
}

// Text by text, as each is written: slow, for needles the folded bytes cannot hold.
QVector<DiaryHit> DiaryIndex::FindEachEntry(const QString& foldedNeedle) const
{
    QVector<DiaryHit> hits;
    std::string bytes;
    for (const uint32_t index : byRank_) {
        const Entry& entry = entries_[index];
        if (!hits.isEmpty() && hits.last().day == entry.day)
            continue;
        if (!entry.whole)
            Original(index, entry.begin, entry.end, bytes);
        const QString text = entry.whole ? WholeText(entry) : QString::fromStdString(bytes);
        if (std::optional<DiaryHit> hit = MatchText(entry.day, text, foldedNeedle))
            hits.push_back(std::move(*hit));
    }
    return hits;
}
