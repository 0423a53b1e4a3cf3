// Building the diary printout of 10,000 and 50,000 entries, with the prepared pages in memory and
// with the file cache on: pages per second and the peak resident set size of each case. The
// template fed from lists of texts measures the build alone; the printout of a diary file of
// 50,000 days measures what Kalvo does: its rows read by the program's own reading, the report
// built, then printed to a PDF file as the export prints it.
// Peak RSS is per process, so each case runs in a child process of its own; run
// build/bin/bench_report_build (after `scripts/build.sh release bench_report_build`).
#include "diary_entries.h"
#include "diary_rows.h"
#include "process_memory.h"

#include "diary/printout/diary_printout.h"
#include "diary/printout/printout_report.h"
#include "platform/font_desc.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

const QString kCaseOption = QStringLiteral("--case=");
const QString kDiaryOption = QStringLiteral("--diary=");

// Where the entries come from: lists of texts in memory, or the rows of a diary file.
enum class Source { Lists, Diary };

struct Case {
    int entries;
    bool fileCache;
    Source source = Source::Lists;
};
constexpr int kDiaryEntries = 50000;
const Case kCases[] = {{10000, false},
                       {10000, true},
                       {50000, false},
                       {50000, true},
                       {kDiaryEntries, false, Source::Diary},
                       {kDiaryEntries, true, Source::Diary}};

// Two to six lines of the benchmark's sentences, as the lists get them.
QString DiaryText(int e) { return DiaryEntryText(e, 2, 5); }

// The diary template fed with entries of a heading and two to six lines, as the main window feeds
// it from its rows.
struct Printout {
    DiaryBuild build;
    QTemporaryDir tempDir;

    explicit Printout(const Case& c)
    {
        AddDiaryEntries(build, c.entries, 2, 5);
        build.report.EngineOptions()->SetUseFileCache(c.fileCache);
        build.report.EngineOptions()->SetTempDir(tempDir.path());
    }

    int Build()
    {
        if (!build.report.PrepareReport(true))
            qFatal("the diary report did not build");
        return build.store.Count();
    }
};

// The diary file of `entries` days from 1900-01-01 on, written the way Insert Record writes.
struct DiaryFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Kalvo.db"));

    explicit DiaryFile(int entries)
    {
        SqliteConnection writer;
        WriteDiaryDays(writer, path, entries, DiaryText);
    }
};

// The printout of every day of a diary file as Kalvo makes it: the diary opened as the window
// opens it, its rows read by the program's own reading, the report built, the pages printed to a
// PDF file through the built-in PDF printer. The phases are timed and the resident set after
// each is kept, to tell what holds the memory.
struct DiaryPrintout {
    SqliteConnection connection;
    QTemporaryDir tempDir;
    QString pdf = tempDir.filePath(QStringLiteral("printout.pdf"));
    bool fileCache;
    struct Phase {
        double seconds = 0;
        double rssMiB = 0;
        double peakMiB = 0;
    };
    Phase read, build, print;

    DiaryPrintout(const QString& path, bool fileCache) : fileCache(fileCache)
    {
        connection.Database = path;
        DiarySql::ConfigureConnection(connection);
        connection.Open();
    }

    template <class Work>
    static void Measure(Phase& phase, Work work)
    {
        QElapsedTimer timer;
        timer.start();
        work();
        phase = {timer.nsecsElapsed() / 1e9, CurrentRssMiB(), PeakRssMiB()};
    }

    int BuildAndPrint()
    {
        const TDateTime first = EncodeDate(1900, 1, 1);
        PrintoutEntries entries;
        Measure(read, [&] { ReadPrintoutEntries(connection, first, first + kDiaryEntries - 1, PrintoutDayFormat(), entries); });
        PrintoutReport printout(entries);
        printout.Report().EngineOptions()->SetUseFileCache(fileCache);
        printout.Report().EngineOptions()->SetTempDir(tempDir.path());
        Measure(build, [&] { printout.Build(); });
        TfrxPreviewPages& pages = printout.Pages();
        Measure(print, [&] {
            if (!PrintToPdfFile(pages, pdf) || QFileInfo(pdf).size() == 0)
                qFatal("the diary printout was not printed to PDF");
        });
        return pages.Count();
    }
};

std::string CaseName(const Case& c)
{
    return std::string(c.source == Source::Diary ? "BM_DiaryToPdf" : "BM_Build") + "/entries:" + std::to_string(c.entries) +
           (c.fileCache ? "/file_cache" : "/in_memory");
}

void RunBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

void CountPages(benchmark::State& state, int pages)
{
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

// One case in this process: Google Benchmark times the builds, then the peak RSS is printed.
int RunListsCase(int argc, char** argv, const Case& c)
{
    QGuiApplication app(argc, argv);
    RegisterPlatformFonts();
    // The resident set before and with the rows, to tell what the rows take from what building adds.
    const double beforeRows = CurrentRssMiB();
    Printout printout(c);
    const double withRows = CurrentRssMiB();
    const std::string name = CaseName(c);
    benchmark::RegisterBenchmark(name.c_str(), [&printout](benchmark::State& state) {
        int pages = 0;
        for (auto _ : state)
            pages = printout.Build();
        CountPages(state, pages);
    })->Unit(benchmark::kMillisecond)->Iterations(3);
    RunBenchmarks(argc, argv);
    std::printf("%s peak RSS: %.0f MiB (before the rows %.0f MiB, with them %.0f MiB)\n", name.c_str(), PeakRssMiB(),
                beforeRows, withRows);
    return 0;
}

// The diary case: one read, build and print per iteration; each takes long enough to time alone.
int RunDiaryCase(int argc, char** argv, const Case& c, const QString& diaryPath)
{
    QApplication app(argc, argv);
    RegisterPlatformFonts();
    const double before = CurrentRssMiB();
    DiaryPrintout printout(diaryPath, c.fileCache);
    const std::string name = CaseName(c);
    benchmark::RegisterBenchmark(name.c_str(), [&printout](benchmark::State& state) {
        int pages = 0;
        for (auto _ : state)
            pages = printout.BuildAndPrint();
        CountPages(state, pages);
        state.counters["read_s"] = printout.read.seconds;
        state.counters["build_s"] = printout.build.seconds;
        state.counters["print_s"] = printout.print.seconds;
        state.counters["build pages/s"] = pages / printout.build.seconds;
    })->Unit(benchmark::kMillisecond)->Iterations(1);
    RunBenchmarks(argc, argv);
    std::printf("%s peak RSS: %.0f MiB (before reading %.0f MiB; after reading %.0f, building %.0f, printing %.0f MiB; "
                "peak by the end of reading %.0f, building %.0f MiB)\n",
                name.c_str(), PeakRssMiB(), before, printout.read.rssMiB, printout.build.rssMiB, printout.print.rssMiB,
                printout.read.peakMiB, printout.build.peakMiB);
    return 0;
}

// Runs every case in a child process of its own, passing the other arguments on. The diary is
// written once, here, so that writing it counts in no case's peak.
int RunAllCases(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList passed = app.arguments().mid(1);
    const DiaryFile diary(kDiaryEntries);
    int status = 0;
    for (size_t i = 0; i < std::size(kCases); ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(app.applicationFilePath(),
                    QStringList{kCaseOption + QString::number(i), kDiaryOption + diary.path} + passed);
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            status = 1;
    }
    return status;
}

// The value of the first argument beginning with `option`, taken out of the arguments.
std::optional<QString> TakeOption(int& argc, char** argv, const QString& option)
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (!argument.startsWith(option))
            continue;
        std::copy(argv + i + 1, argv + argc + 1, argv + i);
        --argc;
        return argument.mid(option.size());
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const std::optional<QString> index = TakeOption(argc, argv, kCaseOption)) {
        const size_t i = index->toUInt();
        const QString diaryPath = TakeOption(argc, argv, kDiaryOption).value_or(QString());
        if (i >= std::size(kCases))
            return 2;
        return kCases[i].source == Source::Diary ? RunDiaryCase(argc, argv, kCases[i], diaryPath)
                                                 : RunListsCase(argc, argv, kCases[i]);
    }
    return RunAllCases(argc, argv);
}
