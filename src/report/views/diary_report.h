#pragma once

class QObject;
class TfrxReport;
class TfrxUserDataSet;

// The diary's printout template: the report frxReport1 and the user data source frxUserDataSet1
// that feeds it, both owned by `owner`. The application answers the data source's OnGetValue and
// sets its range before showing the report.
struct DiaryReport {
    TfrxReport* report = nullptr;
    TfrxUserDataSet* dataSet = nullptr;
};

DiaryReport CreateDiaryReport(QObject* owner);
