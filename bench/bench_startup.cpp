// Start-up on diaries of growing size, measured two ways: launching Kalvo as a user does, to the
// calendar's first paint (a new process each time), and creating the main window inside this
// process to that same paint. The empty diary is the reference the others are read against; the
// ratios are printed at the end. A diary that Kalvo has run on before has its filled days copied
// beside it; the launches without that copy (the first run, or after another program changed the
// diary) are measured apart. The launched copies use this process's platform: offscreen by
// default; `QT_QPA_PLATFORM=xcb xvfb-run -a build/bin/bench_startup` includes a display server.
#include "diary_rows.h"
#include "diary/days/filled_days_cache.h"
#include "app/main_window.h"
#include "app/style_manager.h"
#include "controls/month_calendar.h"
#include "platform/font_desc.h"
#include "platform/paths.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

enum class DaysCopy { Current, Missing };

// A folder standing in for the executable's, with a Kalvo.db of `entries` written days of about
// 500 characters each, and the copy of its filled days that an earlier run leaves.
struct DiaryFolder {
    QTemporaryDir dir;

    DiaryFolder(int entries, DaysCopy copy)
    {
        SqliteConnection connection;
        const QString text = QStringLiteral("Walked to the harbour, wrote letters, read in the evening.\r\n").repeated(8);
        const QString diary = dir.filePath(QStringLiteral("Kalvo.db"));
        WriteDiaryDays(connection, diary, entries, [&text](int) { return text; });
        if (copy == DaysCopy::Current && !FilledDaysCache(connection, FilledDaysCache::PathBeside(diary)).Rebuild())
            std::fprintf(stderr, "the filled days could not be copied\n");
    }
};

DiaryFolder& FolderWith(int entries, DaysCopy copy = DaysCopy::Current)
{
    static std::map<std::pair<int, DaysCopy>, std::unique_ptr<DiaryFolder>> folders;
    auto& folder = folders[{entries, copy}];
    if (!folder)
        folder = std::make_unique<DiaryFolder>(entries, copy);
    return *folder;
}

class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void BM_StartUpToFirstPaint(benchmark::State& state)
{
    SetExecutableDirForTesting(FolderWith(int(state.range(0))).dir.path());
    for (auto _ : state) {
        TForm1 form;
        PaintWatch watch;
        form.RzCalendar1->installEventFilter(&watch);
        form.show();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        form.close();
        state.ResumeTiming();
    }
    SetExecutableDirForTesting(QString());
}
BENCHMARK(BM_StartUpToFirstPaint)->Arg(0)->Arg(3650)->Arg(50000)->Unit(benchmark::kMillisecond);

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Launches the probe on `folder` and answers the seconds from the launch to the calendar's first
// paint, or a negative number when the probe did not report one.
double LaunchToFirstPaint(const std::string& probe, const QString& folder)
{
    qputenv("KALVO_PROBE_DIR", folder.toLocal8Bit());
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(probe.c_str()), nullptr};
    pid_t pid = 0;
    const long long launched = MonotonicNanoseconds();
    const int spawned = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string reported;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        reported.append(buffer, size_t(n));
    close(out[0]);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || reported.empty())
        return -1;
    return double(std::stoll(reported) - launched) / 1e9;
}

void LaunchesToFirstPaint(benchmark::State& state, DaysCopy copy)
{
    const std::string probe = (QCoreApplication::applicationDirPath() + QStringLiteral("/kalvo_launch_probe")).toStdString();
    const QString folder = FolderWith(int(state.range(0)), copy).dir.path();
    for (auto _ : state) {
        const double seconds = LaunchToFirstPaint(probe, folder);
        if (seconds < 0) {
            state.SkipWithError("the probe did not report its first paint");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_LaunchToFirstPaint(benchmark::State& state) { LaunchesToFirstPaint(state, DaysCopy::Current); }
BENCHMARK(BM_LaunchToFirstPaint)->Arg(0)->Arg(3650)->Arg(50000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The probe ends at the first paint, before the window would have copied the days: every launch
// here reads them from the diary.
void BM_LaunchToFirstPaintWithoutCopy(benchmark::State& state) { LaunchesToFirstPaint(state, DaysCopy::Missing); }
BENCHMARK(BM_LaunchToFirstPaintWithoutCopy)->Arg(0)->Arg(50000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Prints the console report, then each diary's time as a multiple of the empty diary's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions the median stands for them all.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type == Run::RT_Iteration || median) && !run.error_occurred)
                seconds_[run.run_name.function_name][run.run_name.args] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [function, byEntries] : seconds_) {
            const auto empty = byEntries.find("0");
            if (empty == byEntries.end() || empty->second == 0)
                continue;
            for (const auto& [entries, seconds] : byEntries)
                if (entries != "0")
                    GetOutputStream() << function << ", " << entries << " entries / empty diary: " << seconds / empty->second
                                      << "x\n";
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> seconds_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterPlatformFonts();
    RegisterStoredStyles();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
