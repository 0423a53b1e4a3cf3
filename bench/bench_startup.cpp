// Start-up of the main window, from its creation to the calendar's first paint, on diaries of
// growing size. The empty diary is the reference the others are read against.
#include "diary_rows.h"
#include "app/main_window.h"
#include "app/style_manager.h"
#include "controls/month_calendar.h"
#include "platform/font_desc.h"
#include "platform/paths.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// A folder standing in for the executable's, with a Kalvo.db of `entries` written days of about
// 500 characters each.
struct DiaryFolder {
    QTemporaryDir dir;

    explicit DiaryFolder(int entries)
    {
        SqliteConnection connection;
        const QString text = QStringLiteral("Walked to the harbour, wrote letters, read in the evening.\r\n").repeated(8);
        WriteDiaryDays(connection, dir.filePath(QStringLiteral("Kalvo.db")), entries, [&text](int) { return text; });
    }
};

DiaryFolder& FolderWith(int entries)
{
    static std::map<int, std::unique_ptr<DiaryFolder>> folders;
    auto& folder = folders[entries];
    if (!folder)
        folder = std::make_unique<DiaryFolder>(entries);
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

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterPlatformFonts();
    RegisterStoredStyles();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
