#include "app/date_time_picker.h"
#include "app/main_window.h"
#include "platform/locale_info.h"
#include "platform/scripted_dialogs.h"
#include "report/user_dataset.h"
#include "store/diary_sql.h"
#include "test_env.h"

#include <gtest/gtest.h>

namespace {

class Printout : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;

    static void Store(TForm1& form, TDateTime day, const QString& text)
    {
        SqliteQuery q(form.FDConnection1);
        q.SetSQL(DiarySql::kInsert);
        q.SetDateTimeParam(QStringLiteral("Val1"), day);
        q.SetTextParam(QStringLiteral("Val2"), text);
        q.ExecSQL();
    }

    static QStringList Headings(const TForm1& form)
    {
        QStringList headings;
        for (const TReportData& entry : *form.ReportList)
            headings << entry.Data1;
        return headings;
    }
};

}  // namespace

TEST_F(Printout, DefaultRangeCoversThirtyTwoDaysBothEndsIncluded)
{
    TForm1 form;
    for (const TDateTime day : {EncodeDate(2021, 5, 29), EncodeDate(2021, 5, 30), EncodeDate(2021, 6, 30),
                                EncodeDate(2021, 6, 30), EncodeDate(2021, 7, 1)})
        Store(form, day, QStringLiteral("entry\r\n"));
    form.BtnPrintPreviewClick();
    EXPECT_EQ(Headings(form), (QStringList{QStringLiteral("05.30.2021"), QStringLiteral("06.30.2021"),
                                          QStringLiteral("06.30.2021")}));
    EXPECT_EQ(form.frxUserDataSet1->RangeEnd(), reCount);
    EXPECT_EQ(form.frxUserDataSet1->RangeEndCount(), 3);
}

TEST_F(Printout, DataSourceAnswersFromTheListByRecordNumber)
{
    SetCurrentLocale(JapaneseLocale());
    TForm1 form;
    Store(form, EncodeDate(2021, 6, 29), QStringLiteral("first\r\n"));
    Store(form, EncodeDate(2021, 6, 30), QStringLiteral("second\r\n"));
    form.BtnPrintPreviewClick();

    TfrxUserDataSet& data = *form.frxUserDataSet1;
    data.First();
    data.Next();
    EXPECT_EQ(data.GetValue(QStringLiteral("Data1")).toString(), QStringLiteral("2021年06月30日 (水 曜日)"));
    EXPECT_EQ(data.GetValue(QStringLiteral("Data2")).toString(), QStringLiteral("second\r\n"));
    QVariant untouched = QStringLiteral("kept");
    form.frxUserDataSet1GetValue(QStringLiteral("data2"), untouched);  // names are case-sensitive
    EXPECT_EQ(untouched.toString(), QStringLiteral("kept"));
}

TEST_F(Printout, FirstDayAfterTheLastSelectsNothing)
{
    TForm1 form;
    Store(form, EncodeDate(2021, 6, 30), QStringLiteral("x"));
    form.FromDatePicker->SetDateTime(EncodeDate(2021, 7, 1));
    form.BtnPrintPreviewClick();
    EXPECT_TRUE(form.ReportList->isEmpty());
    EXPECT_EQ(form.frxUserDataSet1->RangeEndCount(), 0);
}
