#include "app/date_time_picker.h"
#include "app/main_window.h"
#include "diary_rows.h"
#include "platform/locale_info.h"
#include "platform/scripted_dialogs.h"
#include "preview/preview.h"
#include "preview/preview_form.h"
#include "report/document/preview_pages.h"
#include "report/document/preview_pages_sink.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/custom_memo_view.h"
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
        for (qsizetype i = 0; i < form.ReportList->size(); ++i)
            headings << form.ReportList->Heading(i);
        return headings;
    }

    // Each record's Data1 and Data2 in turn, as the report's data source answers them.
    static QStringList DataSourceValues(TfrxUserDataSet& data)
    {
        QStringList values;
        for (data.First(); !data.Eof(); data.Next())
            values << data.GetValue(QStringLiteral("Data1")).toString() << data.GetValue(QStringLiteral("Data2")).toString();
        return values;
    }

    // The texts of every text object on the built pages, in page order, surrounding blanks removed.
    static QStringList PrintedTexts(const TfrxReport& report)
    {
        QStringList texts;
        TfrxPreviewPages& pages = *ReportPreviewPages(report);
        for (int i = 0; i < pages.Count(); ++i)
            for (const TfrxComponent* object : pages.GetPage(i)->AllObjects())
                if (const auto* memo = qobject_cast<const TfrxCustomMemoView*>(object))
                    texts << memo->Text().trimmed();
        return texts;
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

// The entries are held compactly between reading and printing: whatever a text holds, the report
// still gets every day's heading and text, in day order, exactly as stored.
TEST_F(Printout, EveryEntryReachesTheReportInDayOrderAsStored)
{
    TForm1 form;
    const std::pair<TDateTime, QString> days[] = {
        {EncodeDate(2021, 6, 20), QStringLiteral("Grüße aus Köln, 日本語 and 😀\r\nsecond line\r\n")},
        {EncodeDate(2021, 6, 10), QString()},                // an empty text
        {EncodeDate(2021, 6, 15), QStringLiteral("007")},    // reads as a number, stored as written
        {EncodeDate(2021, 6, 15), QStringLiteral("12.50")},  // a second row of the same day
        {EncodeDate(2021, 6, 30), QStringLiteral("last\r\n")},
    };
    for (const auto& [day, text] : days)
        Store(form, day, text);
    // A number stored by an older program reads as SQLite writes it; no text at all reads as empty.
    form.FDConnection1.ExecSQL(QStringLiteral("INSERT INTO MyDb (date, diary) VALUES ('2021-06-12', 1.25E1)"));
    form.FDConnection1.ExecSQL(QStringLiteral("INSERT INTO MyDb (date, diary) VALUES ('2021-06-13', NULL)"));

    const QStringList expected = {
        QStringLiteral("06.10.2021"), QString(),
        QStringLiteral("06.12.2021"), QStringLiteral("12.5"),
        QStringLiteral("06.13.2021"), QString(),
        QStringLiteral("06.15.2021"), QStringLiteral("007"),
        QStringLiteral("06.15.2021"), QStringLiteral("12.50"),
        QStringLiteral("06.20.2021"), QStringLiteral("Grüße aus Köln, 日本語 and 😀\r\nsecond line\r\n"),
        QStringLiteral("06.30.2021"), QStringLiteral("last\r\n"),
    };
    EXPECT_GT(PrintPreview(form).pages, 0);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(DataSourceValues(*form.frxUserDataSet1), expected);

    // And the built pages show them in that order, between the page's date and its number.
    QStringList printed = PrintedTexts(*form.frxReport1);
    ASSERT_EQ(printed.size(), expected.size() + 2) << printed.join(u'|').toStdString();
    printed = printed.mid(1, expected.size());
    QStringList trimmed;
    for (const QString& text : expected)
        trimmed << text.trimmed();
    EXPECT_EQ(printed, trimmed);
}

// A diary damaged in the middle of the range: reading it is an error, never a shorter printout,
// and the report is not shown. The connection keeps its own page cache size afterwards.
TEST_F(Printout, ADiaryThatFailsWhileReadIsAnErrorAndShowsNoReport)
{
    const QString diary = dir.File(QStringLiteral("Kalvo.db"));
    {
        SqliteConnection writer;
        writer.Database = diary;
        DiarySql::ConfigureConnection(writer);
        writer.Open();
        for (int day = 0; day < 200; ++day)
            StoreDiaryRow(writer, EncodeDate(2021, 6, 1) + day % 30, QString(1000, QLatin1Char('a' + day % 26)));
    }
    // The window opens the sound diary (reading the day on show scans all of it); the damage comes
    // afterwards, and the connection's page cache is let go so that the printout reads the file.
    TForm1 form;
    ASSERT_TRUE(form.FDConnection1.Connected());
    {
        // Page 30 is one of the table's leaves, well inside it: its header becomes nonsense.
        QFile file(diary);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_GT(file.size(), 40 * 4096);
        file.seek(29 * 4096);
        file.write(QByteArray(16, '\xff'));
    }
    form.FDConnection1.ExecSQL(QStringLiteral("PRAGMA shrink_memory"));
    QString error;
    // Were the report shown after all, its modal window would wait for the user: close it.
    QObject closer;
    QTimer::singleShot(0, &closer, [] {
        if (QWidget* window = QApplication::activeModalWidget())
            window->close();
    });
    try {
        form.BtnPrintPreviewClick();
    } catch (const SqliteError& e) {
        error = e.Message();
    }
    EXPECT_TRUE(error.contains(QStringLiteral("malformed"))) << error.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ReportPreviewPages(*form.frxReport1)->Count(), 0);
    SqliteQuery cacheSize(form.FDConnection1);
    cacheSize.SetSQL(QStringLiteral("PRAGMA cache_size"));
    cacheSize.Open();
    EXPECT_EQ(cacheSize.AsInteger(QStringLiteral("cache_size")), 10000);
}
