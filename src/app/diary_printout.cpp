#include "diary_printout.h"

#include "japanese_texts.h"
#include "report/model/user_dataset.h"
#include "store/diary_sql.h"

QString PrintoutDayFormat()
{
    return UseJapaneseTexts() ? QStringLiteral("yyyy年MM月dd日 (aaa 曜日)") : QStringLiteral("MM.dd.yyyy");
}

QList<TReportData> ReadPrintoutEntries(SqliteConnection& connection, TDateTime first, TDateTime last,
                                       const QString& dayFormat)
{
    QList<TReportData> entries;
    SqliteQuery query(connection);
    query.SetSQL(DiarySql::PrintoutSelect(first, last));
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        entries.append({FormatDateTime(dayFormat, query.AsDateTime(QStringLiteral("date"))),
                        query.AsString(QStringLiteral("diary"))});
    return entries;
}

void SetPrintoutRecordCount(TfrxUserDataSet& dataSet, int count)
{
    dataSet.SetRangeEnd(frx::reCount);
    dataSet.SetRangeEndCount(count);
}

void PrintoutValue(const QList<TReportData>& entries, int recNo, const QString& varName, QVariant& value)
{
    if (recNo < 0 || recNo >= entries.size())
        return;
    if (varName == QLatin1String("Data1"))
        value = entries.at(recNo).Data1;
    else if (varName == QLatin1String("Data2"))
        value = entries.at(recNo).Data2;
}
