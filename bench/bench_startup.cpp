// Start-up of the main window, from its creation to the calendar's first paint, on diaries of
// growing size. The empty diary is the reference the others are read against.
#include "app/main_window.h"
#include "app/style_manager.h"
#include "controls/month_calendar.h"
#include "platform/font_desc.h"
#include "platform/paths.h"
#include "store/diary_sql.h"

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
        connection.Database = dir.filePath(QStringLiteral("Kalvo.db"));
        DiarySql::ConfigureConnection(connection);
        connection.Open();
        connection.ExecSQL(QStringLiteral("BEGIN"));
        SqliteQuery insert(connection);
        insert.SetSQL(DiarySql::kInsert);
        const QString text = QStringLiteral("Walked to the harbour, wrote letters, read in the evening.\r\n").repeated(8);
        const TDateTime firstDay = EncodeDate(1900, 1, 1);
        for (int i = 0; i < entries; ++i) {
            insert.SetDateTimeParam(QStringLiteral("Val1"), firstDay + i);
            DiarySql::SetDiaryParam(insert, text);
            insert.ExecSQL();
        }
        connection.ExecSQL(QStringLiteral("COMMIT"));
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
