#pragma once

#include "controls/month_calendar.h"
#include "platform/timer.h"

#include <QImage>
#include <QStringList>

#include <memory>
#include <ostream>

// A calendar on a manual timeline with every event it raises written to a log, e.g.
// "ViewDateChange 2021-07-01", "Change 2021-07-01", "Click".
struct CalendarHarness {
    ManualTimers timers;
    std::unique_ptr<TRzCalendar> owned = std::make_unique<TRzCalendar>();
    TRzCalendar& calendar = *owned;
    QStringList log;

    CalendarHarness();
    // Creates the calendar's window (shows it) and forgets the events that raised.
    void Create();
    // The same for a calendar of the main window's size with the given elements.
    void CreateSized(TRzCalendarElements elements);
    // The log so far; the log starts empty again.
    QStringList TakeLog();
    // The calendar as it paints now.
    QImage Render();
};

QString DayText(TDateTime day);  // "2021-06-30"
TDateTime Day(int year, int month, int day);
QStringList Log(std::initializer_list<const char*> lines);
// A colour as the pixels of a rendered image hold it.
QRgb Rgb(TColor color);

// The elements of the main window's calendar.
inline const TRzCalendarElements kMainWindowElements{ceYear, ceMonth, ceArrows, ceDaysOfWeek, ceFillDays, ceTodayButton};

// Readable QString output in test failures and messages.
inline std::ostream& operator<<(std::ostream& out, const QString& text) { return out << text.toStdString(); }
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << "(" << r.left() << ", " << r.top() << ", " << r.left() + r.width() << ", " << r.top() + r.height() << ")";
}
