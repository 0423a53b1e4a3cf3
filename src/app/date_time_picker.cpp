#include "date_time_picker.h"

#include "platform/locale_info.h"

namespace {

// The locale's short date letters in Qt's date pattern.
QString QtDatePattern(QString format)
{
    format.replace(QLatin1Char('Y'), QLatin1Char('y')).replace(QLatin1Char('m'), QLatin1Char('M')).replace(QLatin1Char('D'), QLatin1Char('d'));
    return format;
}

}  // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QtDatePattern(CurrentLocale().shortDateFormat));
    setTimeSpec(Qt::LocalTime);
}

TDateTime TDateTimePicker::DateTime() const
{
    const QDateTime value = dateTime();
    const QDate d = value.date();
    const QTime t = value.time();
    return EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    const DateParts d = DecodeDate(value);
    const TimeParts t = DecodeTime(value);
    setDateTime(QDateTime(QDate(d.year, d.month, d.day), QTime(t.hour, t.minute, t.second, t.millisecond)));
}
