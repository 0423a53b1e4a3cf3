// Drawing the diary printout of 1,000 entries: every prepared page into a PDF and into an image,
// next to a reference that draws the same text lines straight through QPainter, one call per line,
// and the dotted rules as one dashed line each. The ratios Kalvo / reference are printed at the end.
// Build with `scripts/build.sh release bench_drawing` and run build/bin/bench_drawing.
#include "diary_entries.h"

#include "report/base/report_units.h"
#include "report/model/report_page.h"
#include "report/views/custom_memo_view.h"
#include "report/views/line_view.h"

#include "platform/canvas.h"
#include "platform/font_desc.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

constexpr int kEntries = 1000;
// The PDF is written at a printer's resolution; the image is the preview at 100%.
constexpr int kPdfDpi = 300;
constexpr double kPdfScale = kPdfDpi / 96.0;
// The machine may be busy with other work: ratios are taken between medians of several runs.
constexpr int kRepetitions = 5;

const QString kSentences[] = {
    QStringLiteral("Woke early, the garden was wet after the night's rain."),
    QStringLiteral("Worked on the quarterly figures until lunch; the numbers finally add up."),
    QStringLiteral("Long walk along the river with Anna, we talked about the summer plans."),
    QStringLiteral("Read two chapters before bed."),
    QStringLiteral("Called the plumber about the kitchen tap (again)."),
    QStringLiteral("今日は一日中雨でした。図書館で本を三冊借りました。"),
    kLongDiaryParagraph,
};

// The diary built by the engine from entries of a heading and two to six lines.
struct Printout {
    DiaryBuild build;
    int pages = 0;

    Printout()
    {
        AddDiaryEntries(build, kEntries, 2, 5, kSentences);
        if (!build.report.PrepareReport(true))
            qFatal("the diary report did not build");
        pages = build.store.Count();
    }
};

Printout& SharedPrintout()
{
    static Printout printout;
    return printout;
}

// What the reference draws: each text line with its font at the place Kalvo puts it, and the rules.
struct ReferenceText {
    QFont font;
    QPointF baseline;
    QString text;
};
struct ReferencePage {
    std::vector<ReferenceText> texts;
    std::vector<QLine> rules;
    int ruleWidth = 1;
};

// Kalvo's own layout of one page at `scale`, recorded memo by memo so that each line keeps its font.
ReferencePage RecordPage(TfrxPreviewPages& store, int index, double scale)
{
    ReferencePage result;
    const std::shared_ptr<const TfrxReportPage> held = store.PageToDraw(index);
    const TfrxReportPage& page = *held;
    const double offsetX = page.LeftMargin() * fr01cm * scale;
    const double offsetY = page.TopMargin() * fr01cm * scale;
    result.ruleWidth = std::max(1, RoundHalfEven(scale));
    for (TfrxComponent* object : page.AllObjects()) {
        if (auto* memo = qobject_cast<TfrxCustomMemoView*>(object)) {
            std::vector<RecordedText> lines;
            QPicture picture;
            QPainter painter(&picture);
            TCanvas canvas(painter);
            canvas.SetTextRecorder(&lines);
            memo->Draw(canvas, scale, scale, offsetX, offsetY);
            TFontDesc font = memo->Font()->Desc();
            font.height = -RoundHalfEven(font.Size() * scale * 96 / 72);
            const int ascent = FontMetrics(font).ascent;
            for (const RecordedText& line : lines)
                result.texts.push_back({ToQFont(font), line.bounds.topLeft() + QPointF(0, ascent), line.text});
        } else if (auto* line = qobject_cast<TfrxLineView*>(object)) {
            const int x = RoundHalfEven(offsetX + line->AbsLeft() * scale);
            const int y = RoundHalfEven(offsetY + line->AbsTop() * scale);
            result.rules.emplace_back(x, y, x + RoundHalfEven(line->Width() * scale) - 1, y);
        }
    }
    return result;
}

const std::vector<ReferencePage>& ReferencePages(double scale)
{
    static std::map<double, std::vector<ReferencePage>> recorded;
    std::vector<ReferencePage>& pages = recorded[scale];
    if (pages.empty()) {
        Printout& printout = SharedPrintout();
        for (int i = 0; i < printout.pages; ++i)
            pages.push_back(RecordPage(printout.build.store, i, scale));
    }
    return pages;
}

void DrawReferencePage(QPainter& painter, const ReferencePage& page)
{
    painter.setPen(Qt::black);
    for (const ReferenceText& text : page.texts) {
        painter.setFont(text.font);
        painter.drawText(text.baseline, text.text);
    }
    QPen dotted(Qt::black, page.ruleWidth, Qt::CustomDashLine, Qt::FlatCap);
    dotted.setDashPattern({3.0 / page.ruleWidth, 3.0 / page.ruleWidth});
    painter.setPen(dotted);
    for (const QLine& rule : page.rules)
        painter.drawLine(rule);
}

benchmark::Counter SecondsPerPage(int pages)
{
    return benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

using DrawOnePage = std::function<void(QPainter&, int page)>;

void DrawImages(benchmark::State& state, const DrawOnePage& draw)
{
    Printout& printout = SharedPrintout();
    QImage image(printout.build.store.GetPageSize(0), QImage::Format_RGB32);
    for (auto _ : state) {
        for (int i = 0; i < printout.pages; ++i) {
            image.fill(Qt::white);
            QPainter painter(&image);
            draw(painter, i);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pages"] = printout.pages;
    state.counters["s/page"] = SecondsPerPage(printout.pages);
}

void DrawPdf(benchmark::State& state, const DrawOnePage& draw)
{
    Printout& printout = SharedPrintout();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        for (int i = 0; i < printout.pages; ++i) {
            if (i > 0)
                writer.newPage();
            draw(painter, i);
        }
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pages"] = printout.pages;
    state.counters["s/page"] = SecondsPerPage(printout.pages);
    state.counters["bytes/page"] = double(bytes) / printout.pages;
}

void BM_KalvoImage(benchmark::State& state)
{
    TfrxPreviewPages& store = SharedPrintout().build.store;
    DrawImages(state, [&](QPainter& painter, int i) { store.PaintPage(i, painter, 1.0); });
}
BENCHMARK(BM_KalvoImage)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

void BM_ReferenceImage(benchmark::State& state)
{
    const std::vector<ReferencePage>& pages = ReferencePages(1.0);
    DrawImages(state, [&](QPainter& painter, int i) { DrawReferencePage(painter, pages[size_t(i)]); });
}
BENCHMARK(BM_ReferenceImage)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

void BM_KalvoPdf(benchmark::State& state)
{
    TfrxPreviewPages& store = SharedPrintout().build.store;
    DrawPdf(state, [&](QPainter& painter, int i) {
        TCanvas canvas(painter);
        store.DrawPage(i, canvas, kPdfScale, kPdfScale, 0, 0, dtPrinter);
    });
}
BENCHMARK(BM_KalvoPdf)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

void BM_ReferencePdf(benchmark::State& state)
{
    const std::vector<ReferencePage>& pages = ReferencePages(kPdfScale);
    DrawPdf(state, [&](QPainter& painter, int i) { DrawReferencePage(painter, pages[size_t(i)]); });
}
BENCHMARK(BM_ReferencePdf)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

// What drawing a page costs once it is decoded: the same page drawn again and again comes from
// the store's cache of decoded pages.
void BM_KalvoImageOfADecodedPage(benchmark::State& state)
{
    TfrxPreviewPages& store = SharedPrintout().build.store;
    QImage image(store.GetPageSize(1), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        store.PaintPage(1, painter, 1.0);
    }
}
BENCHMARK(BM_KalvoImageOfADecodedPage)->Unit(benchmark::kMicrosecond);

// Decoding every page, without drawing: the report has more pages than the cache keeps.
void BM_KalvoDecodePages(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    for (auto _ : state)
        for (int i = 0; i < printout.pages; ++i)
            benchmark::DoNotOptimize(printout.build.store.GetPage(i));
    state.counters["s/page"] = SecondsPerPage(printout.pages);
}
BENCHMARK(BM_KalvoDecodePages)->Unit(benchmark::kMillisecond);

// Prints the console report, then Kalvo's figures as multiples of the reference's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions the median stands for them all.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median)
                continue;
            Figures& f = figures_[run.run_name.function_name];
            // Processor time: other programs on the machine slow both sides alike.
            f.seconds = run.GetAdjustedCPUTime();
            const auto bytes = run.counters.find("bytes/page");
            f.bytesPerPage = bytes == run.counters.end() ? 0 : double(bytes->second);
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        Ratio("image drawing time", "BM_KalvoImage", "BM_ReferenceImage", &Figures::seconds);
        Ratio("PDF drawing time", "BM_KalvoPdf", "BM_ReferencePdf", &Figures::seconds);
        Ratio("PDF bytes per page", "BM_KalvoPdf", "BM_ReferencePdf", &Figures::bytesPerPage);
    }

private:
    struct Figures {
        double seconds = 0;
        double bytesPerPage = 0;
    };
    void Ratio(const char* what, const std::string& kalvo, const std::string& reference, double Figures::*field)
    {
        if (!figures_.count(kalvo) || !figures_.count(reference) || figures_[reference].*field == 0)
            return;
        GetOutputStream() << "Kalvo / reference, " << what << ": " << figures_[kalvo].*field / figures_[reference].*field
                          << "x\n";
    }
    std::map<std::string, Figures> figures_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RegisterPlatformFonts();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
