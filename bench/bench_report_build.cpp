// Building the diary printout of 10,000 and 50,000 entries, with the prepared pages in memory and
// with the file cache on: pages per second and the peak resident set size of each case.
// Peak RSS is per process, so each case runs in a child process of its own; run
// build/bin/bench_report_build (after `scripts/build.sh release bench_report_build`).
#include "diary_entries.h"
#include "process_memory.h"

#include "platform/font_desc.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

const QString kCaseOption = QStringLiteral("--case=");

struct Case {
    int entries;
    bool fileCache;
};
const Case kCases[] = {{10000, false}, {10000, true}, {50000, false}, {50000, true}};

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

// One case in this process: Google Benchmark times the builds, then the peak RSS is printed.
int RunCase(int argc, char** argv, const Case& c)
{
    QGuiApplication app(argc, argv);
    RegisterPlatformFonts();
    // The resident set before and with the rows, to tell what the rows take from what building adds.
    const double beforeRows = CurrentRssMiB();
    Printout printout(c);
    const double withRows = CurrentRssMiB();
    const std::string name = "BM_Build/entries:" + std::to_string(c.entries) + (c.fileCache ? "/file_cache" : "/in_memory");
    benchmark::RegisterBenchmark(name.c_str(), [&printout](benchmark::State& state) {
        int pages = 0;
        for (auto _ : state)
            pages = printout.Build();
        state.counters["pages"] = pages;
        state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
    })->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("%s peak RSS: %.0f MiB (before the rows %.0f MiB, with them %.0f MiB)\n", name.c_str(), PeakRssMiB(),
                beforeRows, withRows);
    return 0;
}

// Runs every case in a child process of its own, passing the other arguments on.
int RunAllCases(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList passed = app.arguments().mid(1);
    int status = 0;
    for (size_t i = 0; i < std::size(kCases); ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(app.applicationFilePath(), QStringList{kCaseOption + QString::number(i)} + passed);
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            status = 1;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (!argument.startsWith(kCaseOption))
            continue;
        const size_t index = argument.mid(kCaseOption.size()).toUInt();
        if (index >= std::size(kCases))
            return 2;
        std::copy(argv + i + 1, argv + argc + 1, argv + i);
        --argc;
        return RunCase(argc, argv, kCases[index]);
    }
    return RunAllCases(argc, argv);
}
