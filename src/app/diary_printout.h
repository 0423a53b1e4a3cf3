#pragma once

#include "report_data.h"
#include "platform/date_time.h"

#include <QList>
#include <QVariant>

class SqliteConnection;
class TfrxUserDataSet;

// The diary printout's pieces that need no window: shared by the main window and the export
// from the command line.

// How a printed day reads: Japanese in a Japanese locale.
QString PrintoutDayFormat();

// The entries from `first` to `last`, both included, oldest first, each day formatted.
QList<TReportData> ReadPrintoutEntries(SqliteConnection& connection, TDateTime first, TDateTime last,
                                       const QString& dayFormat);

// Makes the data source run over `count` records.
void SetPrintoutRecordCount(TfrxUserDataSet& dataSet, int count);

// The value of field Data1 (the day) or Data2 (the text) of record `recNo`; nothing outside the list.
void PrintoutValue(const QList<TReportData>& entries, int recNo, const QString& varName, QVariant& value);
