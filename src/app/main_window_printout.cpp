// The printout: collecting the entries of the printing range and answering the report's data source.
#include "main_window.h"

#include "date_time_picker.h"
#include "preview/preview_window.h"
#include "report/diary_report.h"
#include "report/document/preview_pages_sink.h"
#include "report/report.h"
#include "report/user_dataset.h"
#include "store/diary_sql.h"

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
    ReportList->clear();
    SqliteQuery query(FDConnection1);
    query.SetSQL(DiarySql::PrintoutSelect(FromDatePicker->DateTime(), ToDatePicker->DateTime()));
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        ReportList->append({FormatDateTime(DayFormat, query.AsDateTime(QStringLiteral("date"))),
                            query.AsString(QStringLiteral("diary"))});
}

void TForm1::BtnPrintPreviewClick()
{
    BuildReportList();
    frxUserDataSet1->SetRangeEnd(frx::reCount);
    frxUserDataSet1->SetRangeEndCount(int(ReportList->size()));
    // Opens the modal preview window at once; the pages appear in it as they are built.
    frxReport1->ShowReport(true);
}

void TForm1::frxUserDataSet1GetValue(const QString& VarName, QVariant& Value)
{
    const int recNo = frxUserDataSet1->RecNo();
    if (recNo < 0 || recNo >= ReportList->size())
        return;
    if (VarName == QLatin1String("Data1"))
        Value = ReportList->at(recNo).Data1;
    else if (VarName == QLatin1String("Data2"))
        Value = ReportList->at(recNo).Data2;
}
