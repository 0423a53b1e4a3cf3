// Printing the diary printout of 1,000 entries: building alone, building and printing every page
// to the built-in PDF printer through the whole print loop, and the print loop against drawing
// the same pages into a QPdfWriter directly. Pages per second, the ratio print loop / direct
// drawing, and the peak resident set size are printed at the end.
#include "diary_entries.h"
#include "process_memory.h"

#include "report/printers/printer.h"

#include "platform/canvas.h"
#include "platform/font_desc.h"
#include "platform/printers.h"

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>

namespace {

constexpr int kEntries = 1000;
constexpr int kPdfDpi = 600;  // the PDF printer's resolution

// The diary template fed with entries of a heading and two to six lines, printing to a PDF file.
struct Printout {
    DiaryBuild build;
    QTemporaryDir dir;

    Printout()
    {
        AddDiaryEntries(build, kEntries, 2, 5);
        TfrxPrintOptions& options = *build.report.PrintOptions();
        options.SetPrinter(kPdfPrinterName);
        options.SetShowDialog(false);
        options.SetPrnOutFileName(dir.filePath(QStringLiteral("printed.pdf")));
    }

    int Build()
    {
        if (!build.report.PrepareReport(true))
            qFatal("the diary report did not build");
        return build.store.Count();
    }
};

Printout& SharedPrintout()
{
    static Printout printout;
    return printout;
}

benchmark::Counter PagesPerSecond(int pages) { return benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate); }

void BM_Build(benchmark::State& state)
{
    int pages = 0;
    for (auto _ : state)
        pages = SharedPrintout().Build();
    state.counters["pages"] = pages;
    state.counters["pages/s"] = PagesPerSecond(pages);
}
BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond);

void BM_BuildAndPrint(benchmark::State& state)
{
    int pages = 0;
    for (auto _ : state) {
        pages = SharedPrintout().Build();
        if (!SharedPrintout().build.store.Print())
            qFatal("printing failed");
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = PagesPerSecond(pages);
}
BENCHMARK(BM_BuildAndPrint)->Unit(benchmark::kMillisecond);

void BM_PrintLoop(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    const int pages = printout.Build();
    for (auto _ : state)
        printout.build.store.Print();
    state.counters["pages"] = pages;
    state.counters["pages/s"] = PagesPerSecond(pages);
}
BENCHMARK(BM_PrintLoop)->Unit(benchmark::kMillisecond);

// The drawing benchmark: the same pages, the same page drawing, straight into a QPdfWriter.
void BM_DirectPdf(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    const int pages = printout.Build();
    TfrxPreviewPages& store = printout.build.store;
    const double scale = kPdfDpi / 96.0;
    for (auto _ : state) {
        QPdfWriter writer(printout.dir.filePath(QStringLiteral("direct.pdf")));
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                writer.newPage();
            TCanvas canvas(painter);
            store.DrawPage(i, canvas, scale, scale, 0, 0, dtPrinter);
        }
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = PagesPerSecond(pages);
}
BENCHMARK(BM_DirectPdf)->Unit(benchmark::kMillisecond);

class PrintingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                seconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (seconds_.count("BM_PrintLoop") && seconds_.count("BM_DirectPdf"))
            GetOutputStream() << "print loop / direct PDF drawing: " << seconds_["BM_PrintLoop"] / seconds_["BM_DirectPdf"]
                              << "x\n";
        GetOutputStream() << "peak RSS: " << PeakRssMiB() << " MiB\n";
    }

private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterPlatformFonts();
    benchmark::Initialize(&argc, argv);
    PrintingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
