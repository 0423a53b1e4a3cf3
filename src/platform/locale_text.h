#pragma once

#include "date_time.h"
#include "locale_info.h"

#include <QString>

// Dates, times and numbers as text in the user's locale, both ways. The Try* readers return false
// for any text they cannot convert and leave the result alone then.

// The short date format.
QString DateToStr(TDateTime value, const LocaleInfo& locale = CurrentLocale());
// The long time format.
QString TimeToStr(TDateTime value, const LocaleInfo& locale = CurrentLocale());
// Date and time joined by a blank; a value without time of day is the date alone.
QString DateTimeToStr(TDateTime value, const LocaleInfo& locale = CurrentLocale());

// Numbers in the order of the short date format, joined by the date separator. Without a year the
// current one is meant; a year of one or two digits lies within 50 years of the current one.
bool TryStrToDate(const QString& text, TDateTime& result, const LocaleInfo& locale = CurrentLocale());
// Hours, minutes, optional seconds and milliseconds: "h:n", "h:n:s" or "h:n:s.z".
bool TryStrToTime(const QString& text, TDateTime& result);
// A date, a time, or a date followed by blanks and a time.
bool TryStrToDateTime(const QString& text, TDateTime& result, const LocaleInfo& locale = CurrentLocale());

// The shortest general form with up to 15 significant digits: fixed notation while the decimal
// exponent lies between -4 and 14, otherwise "d.dddE[-]x"; "NAN", "INF", "-INF" for the others.
QString FloatToStr(double value, const LocaleInfo& locale = CurrentLocale());
// Accepts an optional sign, digits with the locale's decimal separator and an optional exponent.
bool TryStrToFloat(const QString& text, double& result, const LocaleInfo& locale = CurrentLocale());
