#include "calendar_harness.h"

#include <QApplication>

QString DayText(TDateTime day) { return FormatDateTime(QStringLiteral("yyyy-mm-dd"), day); }

TDateTime Day(int year, int month, int day) { return EncodeDate(year, month, day); }

QStringList Log(std::initializer_list<const char*> lines)
{
    QStringList log;
    for (const char* line : lines)
        log << QString::fromLatin1(line);
    return log;
}

QRgb Rgb(TColor color) { return ToQColor(color).rgb() & 0xFFFFFF; }

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

void CalendarHarness::CreateSized(TRzCalendarElements elements)
{
    calendar.SetElements(elements);
    calendar.resize(161, 159);
    Create();
}

QStringList CalendarHarness::TakeLog()
{
    QStringList taken = log;
    log.clear();
    return taken;
}

QImage CalendarHarness::Render() { return calendar.grab().toImage().convertToFormat(QImage::Format_RGB32); }
