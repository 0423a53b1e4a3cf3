#pragma once

#include "case_folding.h"
#include "folded_utf8.h"
#include "platform/date_time.h"

#include <QString>
#include <QVector>

#include <memory>
#include <string_view>
#include <vector>

// A day whose diary text holds what was looked for.
struct DiaryHit {
    TDateTime day = 0;
    QString line;     // the first line that holds it, without its line break
    TextRange match;  // where in `line`
};

// The diary's texts ready for finding ignoring case: all of them folded in one UTF-8 buffer, so
// that a search is one pass over contiguous bytes, with what it takes to give back each text as
// written. Entries are found newest day first; a day's rows keep the order they were added in.
class DiaryIndex {
public:
    // `text` is UTF-8; bytes that are not are read as QString reads them.
    void Add(TDateTime day, std::string_view text);
    void Add(TDateTime day, const QString& text);
    void Reserve(size_t textBytes);
    // Looks for `text` in the entries as they are added, a block at a time while their folded
    // bytes are still in the processor's cache, rather than in one more pass over all of them.
    void FindWhileAdding(const QString& text);
    // To be called once every entry has been added. Gives what Find gives for the text passed to
    // FindWhileAdding; nothing when there was none.
    QVector<DiaryHit> Finish();

    // The entries that hold `text` ignoring case, a day only once (its first matching entry);
    // nothing for an empty text.
    QVector<DiaryHit> Find(const QString& text) const;

    // What the index holds, in bytes.
    size_t MemoryBytes() const;

private:
    struct Entry {
        TDateTime day = 0;
        size_t begin = 0;         // the folded text in folded_.bytes
        size_t end = 0;
        size_t changesBegin = 0;  // its first byte change, when kept as changes
        size_t originalBegin = 0; // the text in originals_, when kept whole
        size_t originalEnd = 0;
        bool whole = false;
    };
    struct Found {
        uint32_t place;  // its entry's index, then its rank
        DiaryHit hit;
    };
    struct Needle;
    // A search made as entries are added: how far it has got and what it found.
    struct Watch {
        QString text;
        std::shared_ptr<const Needle> needle;  // none when it is matched text by text
        uint32_t searched = 0;
        std::vector<Found> found;
    };

    void AddWhole(TDateTime day, const QString& text);
    void SearchAdded(size_t atLeast);

    void Occurrences(const Needle& needle, uint32_t first, uint32_t last, std::vector<Found>& found) const;
    QVector<DiaryHit> NewestFirst(std::vector<Found> found) const;
    static void SortByRank(std::vector<Found>& found);
    DiaryHit HitAt(uint32_t index, size_t at, const Needle& needle, std::string& line) const;
    void Original(uint32_t index, size_t from, size_t to, std::string& text) const;
    QString WholeText(const Entry& entry) const;
    QVector<DiaryHit> FindEachEntry(const QString& foldedNeedle) const;

    FoldedUtf8 folded_;
    std::string originals_;
    std::vector<Entry> entries_;
    std::vector<uint32_t> byRank_;  // entries newest day first
    std::vector<uint32_t> rankOf_;
    Watch watch_;
};
