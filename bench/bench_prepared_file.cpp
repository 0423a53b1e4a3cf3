// Saving a 1,000-page diary printout as a prepared report file and opening it again: save time,
// load time, both together, the file's size against the bytes of the entries' own text, and the
// peak resident memory while each runs.
// Build with `scripts/build.sh release bench_prepared_file` and run build/bin/bench_prepared_file.
#include "diary_entries.h"
#include "process_memory.h"

#include "platform/font_desc.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>


namespace {

// Entries of 6 to 12 lines fill a little over five to a page: this many make 1,000 pages.
constexpr int kEntries = 5000;
constexpr int kPages = 1000;

const QString kSentences[] = {
    QStringLiteral("Woke early, the garden was wet after the night's rain."),
    QStringLiteral("Worked on the quarterly figures until lunch; the numbers finally add up."),
    QStringLiteral("Long walk along the river with Anna, we talked about the \"summer\" plans."),
    QStringLiteral("Read two chapters before bed & slept well."),
    QStringLiteral("Called the plumber about the kitchen tap <again>."),
    QStringLiteral("今日は一日中雨でした。図書館で本を三冊借りました。"),
};

struct Printout {
    DiaryBuild build;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("diary.fp3"));
    qint64 textBytes = 0;

    Printout()
    {
        textBytes = AddDiaryEntries(build, kEntries, 6, 7, kSentences);
        if (!build.report.PrepareReport(true) || build.store.Count() < kPages)
            qFatal("the diary report did not build its %d pages", kPages);
        build.store.SaveToFile(path);
    }
};

Printout& SharedPrintout()
{
    static Printout printout;
    return printout;
}

void Load(DiaryBuild& into, const QString& path)
{
    if (!into.store.LoadFromFile(path))
        qFatal("the saved file is gone");
}

void SetFigures(benchmark::State& state, const Printout& printout, double peakRss)
{
    const double fileBytes = double(QFile(printout.path).size());
    state.counters["pages"] = printout.build.store.Count();
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["text_MB"] = double(printout.textBytes) / 1e6;
    state.counters["file/text"] = fileBytes / double(printout.textBytes);
    state.counters["peak_RSS_MB"] = peakRss;
}

void BM_Save(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    ResetPeakRss();
    for (auto _ : state)
        printout.build.store.SaveToFile(printout.path);
    SetFigures(state, printout, PeakRssMiB());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_Load(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    DiaryBuild opened;
    ResetPeakRss();
    for (auto _ : state)
        Load(opened, printout.path);
    SetFigures(state, printout, PeakRssMiB());
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->MinTime(2);

// What the goal is set for: the report saved, then opened into another preview.
void BM_SaveAndLoad(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    DiaryBuild opened;
    ResetPeakRss();
    for (auto _ : state) {
        printout.build.store.SaveToFile(printout.path);
        Load(opened, printout.path);
    }
    SetFigures(state, printout, PeakRssMiB());
}
BENCHMARK(BM_SaveAndLoad)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RegisterPlatformFonts();
    benchmark::Initialize(&argc, argv);
    SharedPrintout();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
