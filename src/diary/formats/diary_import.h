#pragma once

#include "report_data.h"
#include "platform/date_time.h"

#include <QList>
#include <QString>
#include <QStringList>

class SqliteConnection;

// `Kalvo --import FILE.json [--replace]`: the days of a file written by --export put into the diary
// beside the executable, which is created when it is missing.

struct ImportRequest {
    QString fileName;
    bool replace = false;  // a day the diary has with another text takes the file's
};

struct ImportCounts {
    int added = 0;
    int replaced = 0;
    int kept = 0;  // differing, left as the diary has them
    int same = 0;
    QStringList differing;  // one line per day whose text differs, in the file's order
};

// Puts the entries into the open diary in one transaction: a day it lacks is inserted, a day whose
// rows all hold the entry's text is passed by, any other day is counted as differing and, when
// `replace` is set, all its rows get the entry's text, and each text they held that it replaces by
// other bytes is kept in the table Earlier ("import", kept at `now`). A day the entries give more than once is
// inserted as that many rows, in their order, into a diary that lacks it, passed by when the
// diary holds just those texts for it, and refused otherwise. Nothing is changed when anything
// fails.
ImportCounts ImportEntries(SqliteConnection& connection, const QList<TReportData>& entries, bool replace, TDateTime now);

struct ImportResult {
    QStringList lines;  // what to tell on success: the differing days, then the counts
    QString error;      // empty on success, else the one reason nothing was changed
};

ImportResult ImportDiary(const ImportRequest& request);
