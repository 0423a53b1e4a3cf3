// The printout: collecting the entries of the printing range and answering the report's data source.
#include "main_window.h"

#include "date_time_picker.h"
#include "diary/printout/diary_printout.h"
#include "preview/preview_window.h"
#include "report/views/diary_report.h"
#include "report/document/preview_pages_sink.h"
#include "report/model/report.h"
#include "report/model/user_dataset.h"

void TForm1::CreateReport()
{
    const DiaryReport diary = CreateDiaryReport(this);
    frxReport1 = diary.report;
    InstallPreviewPages(*frxReport1);
    frxReport1->SetPreview(previewBinding_.get());
    frxUserDataSet1 = diary.dataSet;
    frxUserDataSet1->OnGetValue = [this](const QString& varName, QVariant& value) {
        frxUserDataSet1GetValue(varName, value);
    };
}

void TForm1::BuildReportList()
{
    ReadPrintoutEntries(FDConnection1, FromDatePicker->DateTime(), ToDatePicker->DateTime(), DayFormat, *ReportList);
}

void TForm1::BtnPrintPreviewClick()
{
    // The printout shows what the memo holds for its day.
    SaveEditedDay();
    BuildReportList();
    SetPrintoutRecordCount(*frxUserDataSet1, int(ReportList->size()));
    // Opens the modal preview window at once; the pages appear in it as they are built.
    frxReport1->ShowReport(true);
}

void TForm1::frxUserDataSet1GetValue(const QString& VarName, QVariant& Value)
{
    PrintoutValue(*ReportList, frxUserDataSet1->RecNo(), VarName, Value);
}
