#pragma once

#include <QStringList>

#include <functional>

// The seven column captions of the calendar's weekday row, starting with weekday `firstDay`
// (0 = Monday ... 6 = Sunday), taken from the locale's abbreviated names (Sunday first). When the
// widest name does not fit in `maxWidth`, every caption is cut to two characters (the fifth one in
// a Hebrew locale, whose abbreviations carry a common prefix), and a caption that still does not
// fit to its first character.
QStringList WeekdayCaptions(const QStringList& shortDayNamesFromSunday, int firstDay, int maxWidth,
                            const std::function<int(const QString&)>& measure, bool hebrew);
