#pragma once

#include "printout_entries.h"
#include "platform/date_time.h"

#include <QVariant>

class SqliteConnection;
class TfrxUserDataSet;

// The diary printout's pieces that need no window: shared by the main window and the export
// from the command line.

// How a printed day reads: Japanese in a Japanese locale.
QString PrintoutDayFormat();

// Reads the entries from `first` to `last`, both included, oldest first, each day formatted, into
// `entries`, emptied first. The rows are taken one by one as SQLite gives them, so the diary is
// never held twice; the entries read before an error stay.
void ReadPrintoutEntries(SqliteConnection& connection, TDateTime first, TDateTime last, const QString& dayFormat,
                         PrintoutEntries& entries);

// Makes the data source run over `count` records.
void SetPrintoutRecordCount(TfrxUserDataSet& dataSet, int count);

// The value of field Data1 (the day) or Data2 (the text) of record `recNo`; nothing outside the entries.
void PrintoutValue(const PrintoutEntries& entries, int recNo, const QString& varName, QVariant& value);
