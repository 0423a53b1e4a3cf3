#include "app/date_time_picker.h"
#include "app/main_window.h"
#include "diary_rows.h"
#include "platform/locale_info.h"
#include "platform/scripted_dialogs.h"
#include "preview/preview.h"
#include "preview/preview_form.h"
#include "report/model/user_dataset.h"
#include "store/diary_sql.h"
#include "test_env.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Printout : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;

    static void Store(TForm1& form, TDateTime day, const QString& text)
    {
        StoreDiaryRow(form.FDConnection1, day, text);
    }

    struct ShownPreview {
        int pages = -1;
        QString status;
    };

    // Print Preview opens a modal window: look at it from inside its own message loop once the
    // pages are built, then close it (or give up after a while rather than hang).
    static ShownPreview PrintPreview(TForm1& form)
    {
        ShownPreview shown;
        int turns = 0;
        std::function<void()> look = [&] {
            auto* window = qobject_cast<TfrxPreviewForm*>(QApplication::activeModalWidget());
            // The build starts from the window's message loop a moment after it opens.
            if (window && window->Viewer().PageCount() > 0 && !window->Viewer().Running()) {
                shown = {window->Viewer().PageCount(), window->StatusText(0)};
                window->close();
            } else if (++turns > 2000) {
                if (window)
                    window->close();
            } else {
                QTimer::singleShot(5, look);
            }
        };
        QTimer::singleShot(0, look);
        form.BtnPrintPreviewClick();
        return shown;
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
    PrintPreview(form);
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
    PrintPreview(form);

    TfrxUserDataSet& data = *form.frxUserDataSet1;
    data.First();
    data.Next();
    EXPECT_EQ(data.GetValue(QStringLiteral("Data1")).toString(), QStringLiteral("2021年06月30日 (水 曜日)"));
    EXPECT_EQ(data.GetValue(QStringLiteral("Data2")).toString(), QStringLiteral("second\r\n"));
    QVariant untouched = QStringLiteral("kept");
    form.frxUserDataSet1GetValue(QStringLiteral("data2"), untouched);  // names are case-sensitive
    EXPECT_EQ(untouched.toString(), QStringLiteral("kept"));
}

TEST_F(Printout, PrintPreviewShowsTheBuiltPagesInAModalWindow)
{
    TForm1 form;
    form.show();
    QString longText;
    for (int line = 1; line <= 80; ++line)
        longText += QStringLiteral("Line %1 of a long day\r\n").arg(line);
    Store(form, EncodeDate(2021, 6, 30), longText);

    const ShownPreview shown = PrintPreview(form);
    EXPECT_EQ(shown.pages, 2);  // the entry is split: it runs onto a second page
    EXPECT_EQ(shown.status, QStringLiteral("Page 1 of 2"));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(Printout, FirstDayAfterTheLastSelectsNothing)
{
    TForm1 form;
    Store(form, EncodeDate(2021, 6, 30), QStringLiteral("x"));
    form.FromDatePicker->SetDateTime(EncodeDate(2021, 7, 1));
    EXPECT_EQ(PrintPreview(form).pages, 1);  // a page with its header and footer only
    EXPECT_TRUE(form.ReportList->isEmpty());
    EXPECT_EQ(form.frxUserDataSet1->RangeEndCount(), 0);
}
