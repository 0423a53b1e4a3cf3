#pragma once

#include "report_data.h"
#include "platform/date_time.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The diary in open formats that any editor or JSON tool reads: entries are a day key ("yyyy-MM-dd"
// in Data1) and the text exactly as stored (Data2).

// The calendar day a "yyyy-MM-dd" text names; none for any other text or a day that does not exist.
std::optional<TDateTime> ParseDayKey(const QString& text);

// Plain text, UTF-8: for each entry the day key and CR LF, the text as stored, then a blank line.
// The text keeps its own CR LF pairs; a text that does not end with a line break gets a CR LF to
// end its last line, so that the blank line always stands by itself. The layout is for reading:
// it is not read back.
QByteArray DiaryAsText(const QList<TReportData>& entries);

// A JSON array of {"date": "yyyy-MM-dd", "text": "..."}, UTF-8, one entry per row in order.
QByteArray DiaryAsJson(const QList<TReportData>& entries);

// The most a day's text may hold in UTF-8 to be read from a file: 10 MiB.
constexpr qsizetype kMostDayTextBytes = 10 * 1024 * 1024;

// The entries of a JSON file as DiaryAsJson writes it, in the file's order; a day may come more
// than once, as it does in the export of a diary that holds two rows for it. Raises Exception
// naming the first fault: the line and column of a syntax error, else the first entry that is no
// object, has a missing or non-text field or one it does not know, a date that is no day, or a
// text that is not whole Unicode or is over kMostDayTextBytes.
QList<TReportData> DiaryFromJson(const QByteArray& json);

// Writes the whole file beside the target first and then puts it in the target's place.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);
