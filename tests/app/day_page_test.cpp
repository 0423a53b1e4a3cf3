#include "app/date_time_picker.h"
#include "app/main_window.h"
#include "app/memo_lines.h"
#include "diary_rows.h"
#include "controls/month_calendar.h"
#include "platform/scripted_dialogs.h"
#include "store/diary_sql.h"
#include "test_env.h"

#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const TDateTime kJune30 = EncodeDate(2021, 6, 30);

class DayPage : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    void Start()
    {
        form = std::make_unique<TForm1>();
        form->show();
    }

    void SetUp() override { Start(); }

    void ClickDay(TDateTime day)
    {
        form->RzCalendar1->SetDate(day);
        form->RzCalendar1Click();
    }

    QStringList StoredTexts(TDateTime day)
    {
        SqliteQuery q(form->FDConnection1);
        q.SetSQL(DiarySql::DaySelect(day));
        q.Open();
        QStringList texts;
        for (q.First(); !q.Eof(); q.Next())
            texts << q.AsString(QStringLiteral("diary"));
        return texts;
    }

    void Store(TDateTime day, const QString& text) { StoreDiaryRow(form->FDConnection1, day, text); }
};

}  // namespace

TEST_F(DayPage, DayWithoutARowLeavesOneLineBreak)
{
    form->Memo1->setPlainText(QStringLiteral("typed earlier"));
    ClickDay(kJune30);
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("\n"));
    EXPECT_EQ(form->Memo1->textCursor().position(), 0);
    EXPECT_EQ(AssembleMemoText(*form->Memo1), QStringLiteral("\r\n"));
}

TEST_F(DayPage, LoadedTextGainsALineAndPostKeepsIt)
{
    Store(kJune30, QStringLiteral("abc\r\n"));
    ClickDay(kJune30);
    EXPECT_EQ(MemoLines(*form->Memo1), (QStringList{QStringLiteral("abc"), QString()}));
    form->BtnPostClick();
    EXPECT_EQ(StoredTexts(kJune30), QStringList{QStringLiteral("abc\r\n\r\n")});
}

TEST_F(DayPage, WrappedParagraphIsStoredWithBreaksAtTheWrapPoints)
{
    QString paragraph;
    for (int i = 0; i < 40; ++i)
        paragraph += QStringLiteral("word%1 ").arg(i);
    paragraph += QString(5000, QLatin1Char('x'));  // one line longer than any read buffer
    form->Memo1->setPlainText(paragraph);
    const QStringList lines = MemoLines(*form->Memo1);
    ASSERT_GT(lines.size(), 3);
    form->RzCalendar1->SetDate(kJune30);
    form->BtnInsertRecordClick();
    const QStringList stored = StoredTexts(kJune30);
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0].count(QStringLiteral("\r\n")), lines.size());
    EXPECT_EQ(QString(stored[0]).remove(QStringLiteral("\r\n")), paragraph);
}

TEST_F(DayPage, WhatTheUserWroteComesBackByteForByte)
{
    // Texts SQLite would read as numbers, an empty memo, Japanese, and a NUL inside a line.
    const QString texts[] = {
        QStringLiteral("007"), QStringLiteral("1e3"),      QStringLiteral("12.50"),
        QStringLiteral(" 42 "), QStringLiteral("0x1F"),    QStringLiteral("-0"),
        QStringLiteral("Infinity"), QStringLiteral("NaN"), QString(),
        QStringLiteral("plain words"), QStringLiteral("今日は晴れ"),
        QStringLiteral("nul") + QChar(0) + QStringLiteral("inside"),
    };
    form->FromDatePicker->SetDateTime(kJune30 - 1);
    form->ToDatePicker->SetDateTime(kJune30 + 1);
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QString inserted = text.isEmpty() ? QString() : text + QStringLiteral("\r\n");
        const QString posted = inserted + QStringLiteral("\r\n");  // the memo's extra line after a load

        ClickDay(kJune30);
        form->Memo1->setPlainText(text);
        form->BtnInsertRecordClick();
        EXPECT_EQ(StoredTexts(kJune30), QStringList{inserted});

        ClickDay(kJune30);
        EXPECT_EQ(AssembleMemoText(*form->Memo1), posted);
        form->BtnPostClick();
        EXPECT_EQ(StoredTexts(kJune30), QStringList{posted});

        form->BuildReportList();
        ASSERT_EQ(form->ReportList->size(), 1);
        EXPECT_EQ(form->ReportList->first().Data2, posted);
        form->BtnDeleteRecordClick();
    }
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DayPage, PostOnADayWithoutARowChangesNothing)
{
    form->RzCalendar1->SetDate(kJune30);
    form->Memo1->setPlainText(QStringLiteral("lost?"));
    form->BtnPostClick();
    EXPECT_TRUE(StoredTexts(kJune30).isEmpty());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DayPage, InsertTwiceDeleteOnceKeepsTheDayMarked)
{
    form->RzCalendar1->SetDate(kJune30);
    form->Memo1->setPlainText(QStringLiteral("twice"));
    form->BtnInsertRecordClick();
    form->BtnInsertRecordClick();
    EXPECT_EQ(StoredTexts(kJune30).size(), 2);
    EXPECT_EQ(form->DChk->count(kJune30), 2);
    form->BtnDeleteRecordClick();
    EXPECT_TRUE(StoredTexts(kJune30).isEmpty());
    EXPECT_EQ(form->DChk->count(kJune30), 1);
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("twice"));  // delete leaves the memo

    const int before = form->DChk->size();
    form->RzCalendar1->SetDate(kJune30 - 1);  // same month: no reload
    form->BtnDeleteRecordClick();
    EXPECT_EQ(form->DChk->size(), before);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DayPage, InsertedDayIsDrawnFilled)
{
    form->FilledFont->color = clLime;
    form->RzCalendar1->SetDate(kJune30);
    auto limePixels = [&] {
        const QImage image = form->RzCalendar1->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
            {
                const QColor c = image.pixelColor(x, y);
                count += c.green() > 180 && c.red() < 90 && c.blue() < 90;  // the digits are smoothed
            }
        return count;
    };
    EXPECT_EQ(limePixels(), 0);
    form->Memo1->setPlainText(QStringLiteral("filled"));
    form->BtnInsertRecordClick();
    // The selected day keeps the selection colours; once another day is selected the filled
    // colour shows.
    form->RzCalendar1->SetDate(kJune30 - 1);
    EXPECT_GT(limePixels(), 5);
}

TEST_F(DayPage, MarkingCoversTheViewedMonthAndThirtyOneDaysOn)
{
    for (const TDateTime day : {EncodeDate(2021, 5, 31), EncodeDate(2021, 6, 1), EncodeDate(2021, 7, 2),
                                EncodeDate(2021, 7, 3), EncodeDate(2021, 3, 4), EncodeDate(2021, 3, 5)})
        Store(day, QStringLiteral("x"));
    form->RzCalendar1ViewDateChange(form->RzCalendar1, EncodeDate(2021, 6, 1));
    EXPECT_EQ(*form->DChk, (QList<TDateTime>{EncodeDate(2021, 6, 1), EncodeDate(2021, 7, 2)}));
    form->RzCalendar1ViewDateChange(form->RzCalendar1, EncodeDate(2021, 2, 1));
    EXPECT_EQ(*form->DChk, (QList<TDateTime>{EncodeDate(2021, 3, 4)}));
}

TEST_F(DayPage, WeekendsAreRedAndBlueUnlessFilled)
{
    const TDateTime sunday = EncodeDate(2021, 6, 27), saturday = EncodeDate(2021, 6, 26);
    form->FilledFont->color = clGreen;
    form->FilledFont->style = fsBold | fsItalic;
    form->DChk->clear();
    form->DChk->append(sunday);
    struct Case {
        TDateTime day;
        TColor color;
        TFontStyles style;
    } cases[] = {
        {sunday, clGreen, TFontStyles(fsBold | fsItalic)},
        {saturday, clBlue, 0},
        {kJune30, clWindowText, 0},
    };
    for (const Case& c : cases) {
        TColor back = clWindow, fore = clWindowText;
        TFontStyles style = 0;
        form->RzCalendar1GetDayFormat(form->RzCalendar1, c.day, 0, 0, 0, back, fore, style);
        EXPECT_EQ(fore, c.color);
        EXPECT_EQ(style, c.style);
        EXPECT_EQ(back, clWindow);
    }
}

TEST_F(DayPage, UniqueViolationShowsTheDuplicateDateInformation)
{
    form.reset();
    {
        SqliteConnection c;
        c.Database = dir.File(QStringLiteral("Kalvo.db"));
        c.Open();
        c.ExecSQL(QStringLiteral("DROP TABLE MyDb"));
        c.ExecSQL(QStringLiteral("CREATE TABLE MyDb(ID integer PRIMARY KEY, date datetime UNIQUE, diary string)"));
    }
    Start();
    form->RzCalendar1->SetDate(kJune30);
    form->BtnInsertRecordClick();
    const int marked = form->DChk->size();
    form->BtnInsertRecordClick();
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("日付が重複しています"));
    EXPECT_EQ(dialogs.Messages()[0].caption, QStringLiteral("情報"));
    EXPECT_EQ(dialogs.Messages()[0].flags, 0x40u);
    EXPECT_EQ(form->DChk->size(), marked);
}

TEST_F(DayPage, FailedLoadReportsAndKeepsTheMemo)
{
    form->FDConnection1.Close();
    form->Memo1->setPlainText(QStringLiteral("precious"));
    form->RzCalendar1->OnClick(form->RzCalendar1);
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_TRUE(dialogs.Messages()[0].text.startsWith(QStringLiteral("[Kalvo]")));
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("precious"));
}

TEST_F(DayPage, ArrowKeysMoveTheDayWithoutLoadingIt)
{
    Store(kJune30, QStringLiteral("old text\r\n"));
    ClickDay(kJune30);
    form->RzCalendar1->setFocus();
    QTest::keyClick(form->RzCalendar1, Qt::Key_Left);
    EXPECT_EQ(form->RzCalendar1->Date(), kJune30 - 1);
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("old text\n\n"));
    form->BtnPostClick();  // no row on the 29th: nothing changes
    form->BtnInsertRecordClick();
    EXPECT_EQ(StoredTexts(kJune30 - 1), QStringList{QStringLiteral("old text\r\n\r\n")});
}

TEST_F(DayPage, ClickingADayCellLoadsIt)
{
    Store(kJune30 - 2, QStringLiteral("from a click\r\n"));
    form->RzCalendar1->SetDate(kJune30);
    // Find the cell of the 28th by hit-testing the grid.
    QPoint target;
    for (int y = 0; y < form->RzCalendar1->height() && target.isNull(); ++y)
        for (int x = 0; x < form->RzCalendar1->width() && target.isNull(); ++x)
            if (form->RzCalendar1->HitTest(x, y) == kJune30 - 2)
                target = QPoint(x + 3, y + 3);  // inside the cell, off its corner
    ASSERT_FALSE(target.isNull());
    QTest::mouseClick(form->RzCalendar1, Qt::LeftButton, {}, target);
    EXPECT_EQ(form->RzCalendar1->Date(), kJune30 - 2);
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("from a click\n\n"));
    EXPECT_TRUE(form->Memo1->hasFocus() || !form->isActiveWindow());
}
