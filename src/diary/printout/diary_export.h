#pragma once

#include "platform/date_time.h"

#include <QString>
#include <optional>

// A range of the diary's days written to a file with no window: the printout as PDF or prepared
// report, or the entries as plain text or JSON.

enum class ExportFormat { Pdf, PreparedReport, Text, Json };

struct ExportRequest {
    TDateTime first = 0;
    TDateTime last = 0;
    QString fileName;
    ExportFormat format = ExportFormat::Pdf;
};

// The format a file name's extension asks for (.pdf, .fp3, .txt, .json, in any case); none for
// another extension.
std::optional<ExportFormat> ExportFormatOf(const QString& fileName);

// Writes the days of the diary in use (see DiaryFilePath). Empty on success, else the message
// that says why nothing was written. Needs an application object for the PDF and the prepared
// report; it shows no message box.
QString ExportDiary(const ExportRequest& request);
