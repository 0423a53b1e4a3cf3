// The day page's writes and its largest load. Post on a ten-year diary (3,650 entries) through the
// undoable write that keeps the replaced text, beside the diary's own UPDATE alone, both synced as
// the window's connection syncs them; the space the kept texts take beside the texts themselves.
// Loading the largest day --import allows (10 MiB) into the window, beside a bare QPlainTextEdit
// given the same text.
#include "diary_rows.h"
#include "app/main_window.h"
#include "controls/month_calendar.h"
#include "diary/history/day_writes.h"
#include "platform/paths.h"

#include <QApplication>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const TDateTime kFirstDay = EncodeDate(1900, 1, 1);
constexpr int kTenYears = 3650;
constexpr qsizetype kLargestDay = 10 * 1024 * 1024;

QString EntryText(int i)
{
    return QStringLiteral("Walked to the harbour in the morning, wrote letters, read in the evening.\r\n").repeated(6) +
           QStringLiteral("Entry number %1.\r\n").arg(i);
}

struct Diary {
    QTemporaryDir dir;
    SqliteConnection connection;
    QString path = dir.filePath(QStringLiteral("Kalvo.db"));

    Diary() { WriteDiaryDays(connection, path, kTenYears, EntryText); }
};

// Reference: the diary's own UPDATE of one day, as the window sent it before texts were kept.
void BM_PostDiaryUpdateOnly(benchmark::State& state)
{
    Diary diary;
    SqliteQuery update(diary.connection);
    update.SetSQL(DiarySql::kUpdate);
    int round = 0;
    for (auto _ : state) {
        update.SetDateTimeParam(QStringLiteral("Val1"), kFirstDay + round % kTenYears);
        DiarySql::SetDiaryParam(update, EntryText(round) + QStringLiteral("posted\r\n"));
        update.ExecSQL();
        ++round;
    }
}
BENCHMARK(BM_PostDiaryUpdateOnly)->Unit(benchmark::kMillisecond);

// Post as the window makes it now: one transaction that updates the day and keeps its old text.
void BM_PostKeepingTheOldText(benchmark::State& state)
{
    Diary diary;
    DayWrites writes(diary.connection);
    const qint64 sizeBefore = QFileInfo(diary.path).size();
    qint64 keptTextBytes = 0;
    int round = 0;
    for (auto _ : state) {
        const TDateTime day = kFirstDay + round % kTenYears;
        const DayChange change = writes.Post(day, EntryText(round) + QStringLiteral("posted\r\n"), kFirstDay + 45000);
        for (const StoredRow& row : change.before)
            keptTextBytes += row.text.size();
        ++round;
    }
    diary.connection.ExecSQL(QStringLiteral("VACUUM"));
    // What keeping took on disk beside the bytes of the texts it kept (after a VACUUM, so that the
    // figure is the space the rows need, not pages left free).
    state.counters["kept_text_MB"] = double(keptTextBytes) / (1024 * 1024);
    state.counters["file_growth_MB"] = double(QFileInfo(diary.path).size() - sizeBefore) / (1024 * 1024);
}
BENCHMARK(BM_PostKeepingTheOldText)->Unit(benchmark::kMillisecond);

// Post as the user presses it in the window on the ten-year diary: the write, the calendar and
// its copy of the filled days following it, and the notice.
void BM_PostInTheWindow(benchmark::State& state)
{
    Diary diary;
    diary.connection.Close();
    SetExecutableDirForTesting(diary.dir.path());
    {
        TForm1 form;
        form.show();
        QCoreApplication::processEvents();
        int round = 0;
        for (auto _ : state) {
            state.PauseTiming();
            form.RzCalendar1->SetDate(kFirstDay + round % kTenYears);
            form.Memo1->setPlainText(EntryText(round) + QStringLiteral("posted"));
            ++round;
            state.ResumeTiming();
            form.BtnPostClick();
        }
    }
    SetExecutableDirForTesting(QString());
}
BENCHMARK(BM_PostInTheWindow)->Unit(benchmark::kMillisecond);

// 10 MiB of lines of about 80 characters, or one paragraph without a break.
QString LargestDay(bool lines)
{
    const QString line = lines ? QStringLiteral("The longest day the diary takes, written line after line, word by word.\r\n")
                               : QStringLiteral("The longest day the diary takes, written as one paragraph word by word. ");
    return line.repeated(kLargestDay / line.toUtf8().size());
}

// Reference: a bare QPlainTextEdit of the window's size given the same text.
void BM_LoadLargestDayBareEdit(benchmark::State& state)
{
    const QString text = LargestDay(state.range(0) != 0);
    QPlainTextEdit edit;
    edit.resize(376, 161);
    edit.show();
    for (auto _ : state) {
        edit.setPlainText(text);
        QCoreApplication::processEvents();
        state.PauseTiming();
        edit.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadLargestDayBareEdit)->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);

// The click on the day in the window: read from the diary, shown, and painted.
void BM_LoadLargestDay(benchmark::State& state)
{
    QTemporaryDir folder;
    {
        SqliteConnection writer;
        const QString text = LargestDay(state.range(0) != 0);
        WriteDiaryDays(writer, folder.filePath(QStringLiteral("Kalvo.db")), 1, [&](int) { return text; });
    }
    SetExecutableDirForTesting(folder.path());
    {
        TForm1 form;
        form.show();
        for (auto _ : state) {
            form.RzCalendar1->SetDate(kFirstDay);
            form.RzCalendar1Click();
            QCoreApplication::processEvents();
            state.PauseTiming();
            form.RzCalendar1->SetDate(kFirstDay + 1);
            form.RzCalendar1Click();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    SetExecutableDirForTesting(QString());
}
BENCHMARK(BM_LoadLargestDay)->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);

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
