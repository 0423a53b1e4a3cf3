// Writing and reading the prepared pages of a 1000-page diary printout: every printed object is
// recorded as its compact difference from its template object, the tree is written as one line
// of text, read back, and each object rebuilt from its template's text and its difference.
#include "report/document/compact_diff.h"
#include "report/document/component_streaming.h"
#include "report/document/xml_document.h"
#include "report/document/xml_serializer.h"

#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/report.h"
#include "report/views/diary_report.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"
#include "report/views/report_classes.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kPages = 1000;
constexpr int kEntriesPerPage = 4;
// A day's entry: 30 lines of about 80 characters, some with characters that need escaping.
constexpr int kLinesPerEntry = 30;

struct Template {
    const char* alias;
    const char* name;
};
const Template kTemplates[] = {
    {"b2", "PageHeader1"}, {"m3", "Memo1"},
    {"b1", "MasterData1"}, {"m1", "frxUserDataSet1Data1"}, {"m2", "frxUserDataSet1Data2"}, {"l1", "Line1"},
    {"b3", "PageFooter1"}, {"m4", "Memo2"},
};

QString EntryText(int day)
{
    QStringList lines;
    for (int i = 0; i < kLinesPerEntry; ++i)
        lines << QStringLiteral("Day %1, line %2: the weather was \"fine\" & we walked <far> along the river.")
                     .arg(day)
                     .arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

// The diary template and one printed copy of each of its objects.
struct Printout {
    QObject form;
    DiaryReport diary;
    std::vector<TfrxComponent*> templates;
    std::vector<std::unique_ptr<TfrxComponent>> printed;
    std::vector<QString> baseTexts;

    Printout()
    {
        form.setObjectName(QStringLiteral("Form1"));
        diary = CreateDiaryReport(&form);
        TfrxXMLSerializer serializer;
        for (const Template& t : kTemplates) {
            TfrxComponent* templ = diary.report->FindObject(QString::fromLatin1(t.name));
            templates.push_back(templ);
            printed.emplace_back(CreateReportObject(*templ->metaObject(), nullptr));
            Assign(*printed.back(), *templ);
            baseTexts.push_back(serializer.WriteComponentStr(*templ));
        }
    }

    TfrxCustomMemoView& Memo(size_t index) { return *qobject_cast<TfrxCustomMemoView*>(printed[index].get()); }

    void AddObject(TfrxXMLItem& page, size_t index)
    {
        page.Add(QString::fromLatin1(kTemplates[index].alias))->SetText(Diff(*printed[index], *templates[index]));
    }

    void AddPage(TfrxXMLItem& pages, int pageIndex)
    {
        TfrxXMLItem& page = *pages.Add(QStringLiteral("page0"));
        Memo(1).SetText(QStringLiteral("2021/06/30"));
        AddObject(page, 0);
        AddObject(page, 1);
        double top = 41.57483;
        for (int entry = 0; entry < kEntriesPerPage; ++entry) {
            const int day = pageIndex * kEntriesPerPage + entry;
            printed[2]->SetTop(top);
            printed[2]->SetHeight(60 + kLinesPerEntry * 15.5);
            Memo(3).SetText(QStringLiteral("Day %1").arg(day));
            Memo(4).SetText(EntryText(day));
            Memo(4).SetHeight(kLinesPerEntry * 15.5);
            for (size_t i = 2; i <= 5; ++i)
                AddObject(page, i);
            top += printed[2]->Height();
        }
        printed[6]->SetTop(1000);
        Memo(7).SetText(QString::number(pageIndex + 1));
        AddObject(page, 6);
        AddObject(page, 7);
    }

    // The whole prepared report as one line of text.
    QByteArray Write()
    {
        TfrxXMLDocument document;
        document.Root().SetName(QStringLiteral("preparedreport"));
        TfrxXMLItem& pages = *document.Root().Add(QStringLiteral("previewpages"));
        for (int i = 0; i < kPages; ++i)
            AddPage(pages, i);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        document.SaveToStream(buffer);
        return buffer.data();
    }

    QString BaseTextOf(const QString& alias) const
    {
        for (size_t i = 0; i < std::size(kTemplates); ++i)
            if (alias == QLatin1String(kTemplates[i].alias))
                return baseTexts[i];
        return QString();
    }
};

Printout& SharedPrintout()
{
    static Printout printout;
    return printout;
}

const QByteArray& SharedText()
{
    static const QByteArray text = SharedPrintout().Write();
    return text;
}

void LoadText(TfrxXMLDocument& document, const QByteArray& text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    document.LoadFromStream(buffer);
}

void BM_WritePreparedPages(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray text = printout.Write();
        bytes += text.size();
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(bytes);
    state.counters["MB"] = double(SharedText().size()) / 1e6;
}
BENCHMARK(BM_WritePreparedPages)->Unit(benchmark::kMillisecond);

void BM_ReadTextTree(benchmark::State& state)
{
    const QByteArray& text = SharedText();
    for (auto _ : state) {
        TfrxXMLDocument document;
        LoadText(document, text);
        benchmark::DoNotOptimize(document.Root().Count());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadTextTree)->Unit(benchmark::kMillisecond);

// Reading the tree and rebuilding every printed object, as drawing every page would.
void BM_ReadAndRebuildObjects(benchmark::State& state)
{
    Printout& printout = SharedPrintout();
    const QByteArray& text = SharedText();
    for (auto _ : state) {
        TfrxXMLDocument document;
        LoadText(document, text);
        const TfrxXMLItem& pages = *document.Root().Items(0);
        TfrxXMLSerializer serializer;
        int objects = 0;
        for (int p = 0; p < pages.Count(); ++p) {
            const TfrxXMLItem& page = *pages.Items(p);
            for (int i = 0; i < page.Count(); ++i) {
                const TfrxXMLItem& element = *page.Items(i);
                std::unique_ptr<TfrxComponent> object(serializer.ReadComponentStr(
                    nullptr, printout.BaseTextOf(element.Name()) + u' ' + element.Text(), true));
                objects += object ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(objects);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadAndRebuildObjects)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
