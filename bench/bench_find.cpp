// Find in Diary over diaries of growing size: 3,650 entries (ten years) and 50,000 entries of about
// 500 characters. References: SQLite alone stepping through the same rows, reading each text, with
// no matching (what any search of the table has to pay at least), one plain byte search over the
// same texts held in memory (what any search while typing has to pay at least), and a plain copy
// of the texts beside folding them.
#include "diary_rows.h"
#include "diary/find/diary_search.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// About 500 characters, English with a Japanese line; every 100th day also names Kyoto.
QString EntryText(int i)
{
    QString text = QStringLiteral("Walked to the Harbour in the morning, wrote letters, read in the evening.\r\n"
                                  "今日は港まで歩いて、手紙を書いた。\r\n")
                       .repeated(5);
    text += QStringLiteral("Entry number %1.\r\n").arg(i);
    if (i % 100 == 0)
        text += QStringLiteral("Took the train to KYOTO.\r\n");
    return text;
}

struct Diary {
    QTemporaryDir dir;
    SqliteConnection connection;

    std::string texts;          // every text as stored, one after the other
    std::vector<size_t> ends;   // where each ends in `texts`

    explicit Diary(int entries)
    {
        WriteDiaryDays(connection, dir.filePath(QStringLiteral("Kalvo.db")), entries, EntryText);
        for (int i = 0; i < entries; ++i) {
            texts += EntryText(i).toStdString();
            ends.push_back(texts.size());
        }
    }

    template <typename Each>
    void ForEachText(Each each) const
    {
        size_t begin = 0;
        for (const size_t end : ends) {
            each(std::string_view(texts).substr(begin, end - begin));
            begin = end;
        }
    }
};

Diary& DiaryWith(int entries) { return SharedDiary<Diary>(entries); }

const QString kNeedles[] = {QStringLiteral("kyoto"), QStringLiteral("harbour"), QStringLiteral("zebra")};

// The reference: one step through the table, each text read, nothing matched.
void BM_SqliteScanOnly(benchmark::State& state)
{
    sqlite3* db = DiaryWith(int(state.range(0))).connection.Handle();
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT date, diary FROM MyDb", -1, &stmt, nullptr);
        qint64 bytes = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            sqlite3_column_text(stmt, 1);
            bytes += sqlite3_column_bytes(stmt, 1);
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_SqliteScanOnly)->Arg(3650)->Arg(50000)->Unit(benchmark::kMillisecond);

// The reference while typing: one byte search through every text for a word none holds.
void BM_ByteSearchOnly(benchmark::State& state)
{
    const std::string& texts = DiaryWith(int(state.range(0))).texts;
    for (auto _ : state)
        benchmark::DoNotOptimize(memmem(texts.data(), texts.size(), "zebra", 5));
}
BENCHMARK(BM_ByteSearchOnly)->Arg(3650)->Arg(50000)->Unit(benchmark::kMillisecond);

// Folding alone, every text into a buffer that is already there, beside the reference of copying
// them (second argument 0: copied, 1: folded).
void BM_FoldTexts(benchmark::State& state)
{
    const Diary& diary = DiaryWith(int(state.range(0)));
    FoldedUtf8 folded;
    folded.bytes.reserve(diary.texts.size());
    for (auto _ : state) {
        folded.bytes.clear();
        folded.changedAt.clear();
        folded.changedFrom.clear();
        diary.ForEachText([&](std::string_view text) {
            if (state.range(1) == 1) {
                AppendFoldedUtf8(text, folded);
            } else {
                folded.bytes.resize(folded.bytes.size() + text.size());
                std::memcpy(folded.bytes.data() + folded.bytes.size() - text.size(), text.data(), text.size());
            }
        });
        benchmark::DoNotOptimize(folded.bytes.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(diary.texts.size()));
}
BENCHMARK(BM_FoldTexts)->ArgsProduct({{50000}, {0, 1}})->Unit(benchmark::kMillisecond);

// The first search after opening the window or after a change: rows read and folded, then matched.
// Second argument: a word on every 100th day, a word on every day (as a first key typed often is).
void BM_FindAfterAChange(benchmark::State& state)
{
    Diary& diary = DiaryWith(int(state.range(0)));
    size_t memory = 0;
    for (auto _ : state) {
        DiarySearch search(diary.connection);
        benchmark::DoNotOptimize(search.Find(kNeedles[state.range(1)]));
        memory = search.MemoryBytes();
    }
    // What the search keeps beside the size of the texts as the diary stores them (UTF-8).
    state.counters["memory MB"] = double(memory) / 1e6;
    state.counters["memory / text"] = double(memory) / double(diary.texts.size());
}
BENCHMARK(BM_FindAfterAChange)->ArgsProduct({{3650, 50000}, {0, 1}})->Unit(benchmark::kMillisecond);

// Searching as the user types: the rows are in memory already. Second argument: a word on every
// 100th day, a word on every day, a word on none.
void BM_FindWhileTyping(benchmark::State& state)
{
    DiarySearch search(DiaryWith(int(state.range(0))).connection);
    const QString& needle = kNeedles[state.range(1)];
    search.Find(needle);
    qsizetype hits = 0;
    for (auto _ : state)
        hits = search.Find(needle).size();
    state.counters["days found"] = double(hits);
}
BENCHMARK(BM_FindWhileTyping)->ArgsProduct({{3650, 50000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
