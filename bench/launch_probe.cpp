// Kalvo as it starts for a user (the same main), plus a watch that reports the calendar's first
// paint: the monotonic clock in nanoseconds goes to standard output and the process ends there.
// bench_startup runs it to measure launch to first paint. KALVO_PROBE_DIR names the folder that
// stands in for the executable's, the one holding Kalvo.db and Kalvo.ini.
#include "controls/month_calendar.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

class FirstPaintReporter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !qobject_cast<TRzCalendar*>(watched))
            return false;
        // Paint now, so the time taken is that of the finished picture.
        static_cast<QObject*>(watched)->event(event);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        _exit(0);
    }
};

void WatchForFirstPaint()
{
    SetExecutableDirForTesting(qEnvironmentVariable("KALVO_PROBE_DIR"));
    QCoreApplication::instance()->installEventFilter(new FirstPaintReporter);
}
Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)

}  // namespace
