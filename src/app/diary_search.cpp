#include "diary_search.h"

#include "store/diary_sql.h"

#include <algorithm>

namespace {

bool IsLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

DiaryHit HitIn(const DiaryEntry& entry, TextRange match)
{
    const QString& text = entry.text;
    qsizetype lineStart = match.start;
    while (lineStart > 0 && !IsLineBreak(text[lineStart - 1]))
        --lineStart;
    qsizetype lineEnd = match.start + match.length;
    while (lineEnd < text.size() && !IsLineBreak(text[lineEnd]))
        ++lineEnd;
    return {entry.day, text.mid(lineStart, lineEnd - lineStart), {match.start - lineStart, match.length}};
}

}  // namespace

DiaryEntry MakeDiaryEntry(TDateTime day, const QString& text) { return {day, text, FoldCase(text)}; }

std::optional<DiaryHit> MatchEntry(const DiaryEntry& entry, const QString& foldedNeedle)
{
    const std::optional<TextRange> match = FindFolded(entry.text, entry.folded, foldedNeedle);
    if (!match)
        return std::nullopt;
    return HitIn(entry, *match);
}

QVector<DiaryHit> FindInEntries(const std::vector<DiaryEntry>& entries, const QString& text)
{
    QVector<DiaryHit> hits;
    if (text.isEmpty())
        return hits;
    const QString needle = FoldCase(text);
    for (const DiaryEntry& entry : entries) {
        if (!hits.isEmpty() && hits.last().day == entry.day)
            continue;
        if (std::optional<DiaryHit> hit = MatchEntry(entry, needle))
            hits.push_back(std::move(*hit));
    }
    return hits;
}

QVector<DiaryHit> DiarySearch::Find(const QString& text)
{
    if (text.isEmpty())
        return {};
    if (readAtChanges_ != connection_.TotalChanges())
        Refresh();
    return FindInEntries(entries_, text);
}

void DiarySearch::Refresh()
{
    entries_.clear();
    SqliteQuery query(connection_);
    query.SetSQL(DiarySql::kSearchSelect);
    query.Open();
    entries_.reserve(size_t(query.RecordCount()));
    for (query.First(); !query.Eof(); query.Next()) {
        const TDateTime day = DateOf(query.AsDateTime(QStringLiteral("date")));
        if (day != 0)
            entries_.push_back(MakeDiaryEntry(day, query.AsString(QStringLiteral("diary"))));
    }
    // Stable: the rows of one day keep the table's order, so a day's first row comes first as
    // when the day is loaded.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const DiaryEntry& a, const DiaryEntry& b) { return a.day > b.day; });
    readAtChanges_ = connection_.TotalChanges();
}
