#include "calendar_harness.h"

#include <QApplication>

QString DayText(TDateTime day) { return FormatDateTime(QStringLiteral("yyyy-mm-dd"), day); }

TDateTime Day(int year, int month, int day) { return EncodeDate(year, month, day); }

CalendarHarness::CalendarHarness()
{
    calendar.OnChange = [this](QObject*) { log << QStringLiteral("Change ") + DayText(calendar.Date()); };
    calendar.OnViewDateChange = [this](QObject*, TDateTime viewDate) {
        log << QStringLiteral("ViewDateChange ") + DayText(viewDate);
    };
    calendar.OnClick = [this](QObject*) { log << QStringLiteral("Click"); };
    calendar.OnDblClick = [this](QObject*) { log << QStringLiteral("DblClick"); };
    calendar.OnToday = [this](QObject*, bool&) { log << QStringLiteral("Today"); };
    calendar.OnClear = [this](QObject*, bool&) { log << QStringLiteral("Clear"); };
}

void CalendarHarness::Create()
{
    calendar.show();
    QApplication::processEvents();
    log.clear();
}

QStringList CalendarHarness::TakeLog()
{
    QStringList taken = log;
    log.clear();
    return taken;
}

QImage CalendarHarness::Render() { return calendar.grab().toImage().convertToFormat(QImage::Format_RGB32); }
