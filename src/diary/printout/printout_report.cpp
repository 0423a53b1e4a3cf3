#include "printout_report.h"

#include "diary_printout.h"
#include "platform/errors.h"
#include "platform/printers.h"
#include "report/document/preview_pages.h"
#include "report/document/preview_pages_sink.h"
#include "report/model/engine_options.h"
#include "report/model/print_options.h"
#include "report/model/report.h"
#include "report/model/user_dataset.h"

PrintoutReport::PrintoutReport(const PrintoutEntries& entries)
{
    owner_.setObjectName(QStringLiteral("Form1"));  // the main window's name, as saved reports carry it
    diary_ = CreateDiaryReport(&owner_);
    pages_ = &InstallPreviewPages(*diary_.report);
    TfrxUserDataSet& dataSet = *diary_.dataSet;
    dataSet.OnGetValue = [&entries, &dataSet](const QString& varName, QVariant& value) {
        PrintoutValue(entries, dataSet.RecNo(), varName, value);
    };
    SetPrintoutRecordCount(dataSet, int(entries.size()));
    diary_.report->EngineOptions()->SetNewSilentMode(frx::simReThrow);
}

void PrintoutReport::Build()
{
    if (!diary_.report->PrepareReport())
        throw Exception(QStringLiteral("the report was not built"));
}

bool PrintToPdfFile(TfrxPreviewPages& pages, const QString& file)
{
    TfrxPrintOptions& options = *pages.Report()->PrintOptions();
    options.SetPrinter(kPdfPrinterName);
    options.SetShowDialog(false);
    options.SetPrnOutFileName(file);
    return pages.Print();
}
