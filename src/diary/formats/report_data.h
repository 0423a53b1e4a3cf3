#pragma once

#include <QString>

// One printed diary entry: the formatted day and its text.
struct TReportData {
    QString Data1;
    QString Data2;
};
