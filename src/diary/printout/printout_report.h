#pragma once

#include "report/views/diary_report.h"

#include <QObject>
#include <QString>

class PrintoutEntries;
class TfrxPreviewPages;
class TfrxReport;

// The diary report with its prepared pages, fed from printout entries as the main window feeds
// it, for building without a window. The entries must outlive it.
class PrintoutReport {
public:
    explicit PrintoutReport(const PrintoutEntries& entries);
    PrintoutReport(const PrintoutReport&) = delete;
    PrintoutReport& operator=(const PrintoutReport&) = delete;

    TfrxReport& Report() const { return *diary_.report; }
    TfrxPreviewPages& Pages() const { return *pages_; }

    // Builds the pages; an error of the build is thrown rather than shown, as nobody is asked.
    void Build();

private:
    QObject owner_;
    DiaryReport diary_;
    TfrxPreviewPages* pages_ = nullptr;
};

// Prints the prepared pages to the built-in PDF printer into `file`, asking nothing: no print
// dialog, no file name. False when printing did not start.
bool PrintToPdfFile(TfrxPreviewPages& pages, const QString& file);
