// Backups of diaries of 3,650 entries (ten years) and 50,000 entries of about 500 characters, made
// through the open diary's connection as the window makes them. References in the same run: a plain
// read of the same file, and a plain copy of its bytes synced to disk as the backup is. Last, the
// window's close after a change on the ten-year diary: the time it stands still while it closes.
#include "diary_rows.h"
#include "diary/safety/diary_backups.h"
#include "app/main_window.h"
#include "controls/month_calendar.h"
#include "platform/paths.h"
#include "store/diary_check.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

QString EntryText(int i)
{
    return QStringLiteral("Walked to the harbour in the morning, wrote letters, read in the evening.\r\n"
                          "今日は港まで歩いて、手紙を書いた。\r\n")
               .repeated(5) +
           QStringLiteral("Entry number %1.\r\n").arg(i);
}

struct Diary {
    QTemporaryDir dir;
    SqliteConnection connection;
    QString path = dir.filePath(QStringLiteral("Kalvo.db"));

    explicit Diary(int entries) { WriteDiaryDays(connection, path, entries, EntryText); }
};

Diary& DiaryWith(int entries) { return SharedDiary<Diary>(entries); }

void ReportSize(benchmark::State& state, const QString& path)
{
    state.counters["MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}

// Reference: the file's bytes read once.
void BM_ReadDiaryFile(benchmark::State& state)
{
    const Diary& diary = DiaryWith(int(state.range(0)));
    for (auto _ : state) {
        QFile file(diary.path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
    ReportSize(state, diary.path);
}
BENCHMARK(BM_ReadDiaryFile)->Arg(3650)->Arg(50000)->Unit(benchmark::kMillisecond);

// Times `makeCopy`, which answers the file it wrote; the file goes again outside the timing.
template <class MakeCopy>
void MeasureCopies(benchmark::State& state, const Diary& diary, MakeCopy makeCopy)
{
    for (auto _ : state) {
        const QString copy = makeCopy();
        state.PauseTiming();
        QFile::remove(copy);
        state.ResumeTiming();
    }
    ReportSize(state, diary.path);
}

// Reference: the file's bytes copied and synced, as durable as a backup and as blind to changes.
void BM_CopyDiaryFileSynced(benchmark::State& state)
{
    const Diary& diary = DiaryWith(int(state.range(0)));
    const QString target = diary.dir.filePath(QStringLiteral("plain-copy.db"));
    MeasureCopies(state, diary, [&] {
        QFile::copy(diary.path, target);
        const int fd = ::open(QFile::encodeName(target).constData(), O_RDWR);
        ::fsync(fd);
        ::close(fd);
        return target;
    });
}
BENCHMARK(BM_CopyDiaryFileSynced)->Arg(3650)->Arg(50000)->Unit(benchmark::kMillisecond);

// The copy through SQLite's online backup with its quick check.
void BM_CopyDatabase(benchmark::State& state)
{
    Diary& diary = DiaryWith(int(state.range(0)));
    const QString target = diary.dir.filePath(QStringLiteral("copy.db"));
    MeasureCopies(state, diary, [&] {
        CopyDatabase(diary.connection, target);
        return target;
    });
}
BENCHMARK(BM_CopyDatabase)->Arg(3650)->Arg(50000)->Unit(benchmark::kMillisecond);

// What the window does: a backup into backups/ under a temporary name, renamed, old ones cleared.
void BM_BackUpDiary(benchmark::State& state)
{
    Diary& diary = DiaryWith(int(state.range(0)));
    const TDateTime moment = EncodeDate(2026, 12, 10) + 0.5;
    MeasureCopies(state, diary, [&] { return BackUpDiary(diary.connection, diary.path, moment); });
}
BENCHMARK(BM_BackUpDiary)->Arg(3650)->Arg(50000)->Unit(benchmark::kMillisecond);

// The main window closed right after a Post on the ten-year diary: saving the preferences and the
// backup, all the time the closing window does not answer.
void BM_CloseAfterAChange(benchmark::State& state)
{
    QTemporaryDir folder;
    {
        SqliteConnection writer;
        WriteDiaryDays(writer, folder.filePath(QStringLiteral("Kalvo.db")), int(state.range(0)), EntryText);
    }
    SetExecutableDirForTesting(folder.path());
    for (auto _ : state) {
        state.PauseTiming();
        {
            TForm1 form;
            form.show();
            form.RzCalendar1->SetDate(EncodeDate(1900, 1, 1));
            form.Memo1->setPlainText(QStringLiteral("changed words"));
            form.BtnPostClick();
            QCoreApplication::processEvents();
            state.ResumeTiming();
            form.close();
            state.PauseTiming();
        }
        QDir(folder.filePath(QStringLiteral("backups"))).removeRecursively();
        state.ResumeTiming();
    }
    SetExecutableDirForTesting(QString());
}
BENCHMARK(BM_CloseAfterAChange)->Arg(3650)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
