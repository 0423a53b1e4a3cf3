// Reading and writing settings files of many sections, and of one section of many keys, beside
// the least any reader or writer of the same bytes costs: splitting them into lines, and writing
// them to a file as they are. Both should grow in step with the file's size. So should reading a
// stored list back, and reading every value of one section key by key.
#include "settings/ex_ini_file.h"
#include "settings/file_replace.h"
#include "settings/ini_encoding.h"
#include "settings/mem_ini_file.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <utility>

namespace {

// A section holds three keys, about 90 bytes, like the file of a program that stores a little
// for each of many documents.
QByteArray ManySections(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += "[Document " + n + "]\r\nPath=C:\\Diary\\Pages\\page" + n + ".txt\r\nOpened=" + n +
                 "\r\nZoom=100\r\n\r\n";
    }
    return bytes;
}

// A list as WriteList stores it: its count, then one key per string.
QByteArray ManyKeys(int count)
{
    QByteArray bytes = "[Recent]\r\nFile.Count=" + QByteArray::number(count) + "\r\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += "File." + n + "=C:\\Diary\\Pages\\page" + n + ".txt\r\n";
    }
    return bytes + "\r\n";
}

// Sections, keys per section.
using Shape = std::pair<int, int>;

// One file per shape, made once and kept for the whole run.
class Files {
public:
    static QString Path(const Shape& shape)
    {
        static Files files;
        auto found = files.paths_.find(shape);
        if (found == files.paths_.end()) {
            const QString path = files.dir_.filePath(QStringLiteral("s%1k%2.ini").arg(shape.first).arg(shape.second));
            ReplaceFileBytes(path, shape.first == 1 ? ManyKeys(shape.second) : ManySections(shape.first));
            found = files.paths_.emplace(shape, path).first;
        }
        return found->second;
    }

private:
    QTemporaryDir dir_;
    std::map<Shape, QString> paths_;
};

Shape ShapeOf(const benchmark::State& state) { return {int(state.range(0)), int(state.range(1))}; }

void SetBytesProcessed(benchmark::State& state, const QString& path)
{
    state.SetBytesProcessed(state.iterations() * ReadFileBytes(path).size());
}

void BM_ReadSettings(benchmark::State& state)
{
    const QString path = Files::Path(ShapeOf(state));
    for (auto _ : state) {
        TMemIniFile ini(path);
        benchmark::DoNotOptimize(ini.SectionExists(QStringLiteral("Recent")));
    }
    SetBytesProcessed(state, path);
}

// Reference: the same bytes read, decoded and split into lines, nothing more.
void BM_ReadLinesReference(benchmark::State& state)
{
    const QString path = Files::Path(ShapeOf(state));
    for (auto _ : state) {
        const QString text = DecodeIniBytes(ReadFileBytes(path)).text;
        benchmark::DoNotOptimize(text.split(QStringLiteral("\r\n")).size());
    }
    SetBytesProcessed(state, path);
}

void BM_WriteSettings(benchmark::State& state)
{
    const QString path = Files::Path(ShapeOf(state));
    const TMemIniFile ini(path);
    for (auto _ : state)
        ini.UpdateFile();
    SetBytesProcessed(state, path);
}

// Reference: the same bytes written as they are.
void BM_WriteBytesReference(benchmark::State& state)
{
    const QString path = Files::Path(ShapeOf(state));
    const QByteArray bytes = ReadFileBytes(path);
    for (auto _ : state)
        ReplaceFileBytes(path, bytes);
    SetBytesProcessed(state, path);
}

// The component on a file, parsed once outside the measured loop.
std::unique_ptr<TExIniFile> OpenComponent(const QString& path)
{
    auto ini = std::make_unique<TExIniFile>();
    ini->SetBaseDir(bdNone);
    ini->SetFileName(path);
    return ini;
}

void BM_ReadList(benchmark::State& state)
{
    const QString path = Files::Path({1, int(state.range(0))});
    const auto ini = OpenComponent(path);
    for (auto _ : state) {
        QStringList list;
        ini->ReadList(QStringLiteral("Recent"), QStringLiteral("File"), list);
        benchmark::DoNotOptimize(list.size());
    }
    SetBytesProcessed(state, path);
}

// Every key of the section, then each of its values by its key.
void BM_ReadSectionKeyByKey(benchmark::State& state)
{
    const QString path = Files::Path({1, int(state.range(0))});
    const auto ini = OpenComponent(path);
    const QString section = QStringLiteral("Recent");
    for (auto _ : state) {
        QStringList keys;
        ini->ReadSection(section, keys);
        qsizetype length = 0;
        for (const QString& key : keys)
            length += ini->ReadString(section, key, QString()).size();
        benchmark::DoNotOptimize(length);
    }
    SetBytesProcessed(state, path);
}

// Reference for the two above: the same file's lines read plainly.
void BM_ReadListLinesReference(benchmark::State& state)
{
    const QString path = Files::Path({1, int(state.range(0))});
    for (auto _ : state) {
        const QString text = DecodeIniBytes(ReadFileBytes(path)).text;
        benchmark::DoNotOptimize(text.split(QStringLiteral("\r\n")).size());
    }
    SetBytesProcessed(state, path);
}

void ListSizes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"items"});
    for (const int items : {1000, 10000, 100000})
        b->Arg(items);
    b->Unit(benchmark::kMillisecond);
}

void Shapes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"sections", "keys"});
    for (const int sections : {2000, 32000, 120000})
        b->Args({sections, 3});
    b->Args({1, 120000});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ReadSettings)->Apply(Shapes);
BENCHMARK(BM_ReadLinesReference)->Apply(Shapes);
BENCHMARK(BM_WriteSettings)->Apply(Shapes);
BENCHMARK(BM_WriteBytesReference)->Apply(Shapes);
BENCHMARK(BM_ReadList)->Apply(ListSizes);
BENCHMARK(BM_ReadSectionKeyByKey)->Apply(ListSizes);
BENCHMARK(BM_ReadListLinesReference)->Apply(ListSizes);

}  // namespace

int main(int argc, char** argv)
{
    // The component places files beside the executable, which asks the application object.
    const QCoreApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
}
