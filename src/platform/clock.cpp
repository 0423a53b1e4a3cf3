#include "clock.h"

#include <QDateTime>

namespace {

TDateTime SystemNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}

std::function<TDateTime()>& Source()
{
    static std::function<TDateTime()> source = SystemNow;
    return source;
}

}  // namespace

TDateTime Now() { return Source()(); }
TDateTime Today() { return DateOf(Now()); }
void SetClock(std::function<TDateTime()> clock) { Source() = std::move(clock); }
void ResetClock() { Source() = SystemNow; }
