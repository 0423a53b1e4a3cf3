#include "app/date_time_picker.h"
#include "app/main_window.h"
#include "app/memo_lines.h"
#include "diary_rows.h"
#include "controls/month_calendar.h"
#include "platform/scripted_dialogs.h"
#include "store/diary_sql.h"
#include "test_env.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
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

    // The day's `diary` values exactly as SQLite holds them, one after the other.
    QByteArray StoredBytes(TDateTime day) { return DayBytes(form->FDConnection1, day); }
};

// Words numbered from `first`: `count` of them, or as many as make `length` characters.
QString Line(int length, int first, int count = 1000)
{
    QString line;
    for (int i = first; i < first + count && (length < 0 || line.size() < length); ++i)
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("word%1").arg(i);
    return length < 0 ? line : line.left(length);
}

// The lines the memo shows on the screen, wrapped paragraphs counting once per screen line.
int ScreenLineCount(const QPlainTextEdit& memo)
{
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(memo.document()->documentLayout());
    int count = 0;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        count += block.layout()->lineCount();
    }
    return count;
}

}  // namespace

TEST_F(DayPage, DayWithoutARowShowsAnEmptyMemo)
{
    Store(kJune30 - 1, QStringLiteral("yesterday\r\n"));
    ClickDay(kJune30 - 1);
    ClickDay(kJune30);
    EXPECT_EQ(form->Memo1->toPlainText(), QString());
    EXPECT_EQ(form->Memo1->textCursor().position(), 0);
    EXPECT_EQ(AssembleMemoText(*form->Memo1), QString());
}

// Whatever a day holds, loading it and pressing Post, twice, leaves its bytes as they were: the
// memo shows the text as stored and posts nothing the user did not change.
TEST_F(DayPage, LoadAndPostKeepEveryStoredTextByteForByte)
{
    const QString texts[] = {
        QString(), QStringLiteral("abc"), QStringLiteral("abc\r\n"), QStringLiteral("abc\r\n\r\n"), QStringLiteral("\r\n"),
        Line(-1, 0, 120) + QStringLiteral("\r\n"), QStringLiteral("港まで歩いた\r\n海は静かだった\r\n"),
        QStringLiteral("lone\rcarriage return"), QStringLiteral("lone\nline feed\n"), QStringLiteral("trailing spaces   \r\nand   "),
    };
    TDateTime day = kJune30 - 40;
    for (const QString& text : texts) {
        SCOPED_TRACE(text.left(30).toStdString());
        day += 1;
        Store(day, text);
        const QByteArray stored = StoredBytes(day);
        for (int round = 0; round < 2; ++round) {
            ClickDay(day);
            form->BtnPostClick();
            ClickDay(kJune30);
            EXPECT_EQ(StoredBytes(day), stored);
        }
        // A character typed and taken back again is no edit.
        ClickDay(day);
        form->Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(form->Memo1, Qt::Key_X);
        QTest::keyClick(form->Memo1, Qt::Key_Backspace);
        form->BtnPostClick();
        ClickDay(kJune30);
        EXPECT_EQ(StoredBytes(day), stored);
    }
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

// A paragraph that runs over several screen lines is still one line of the diary: the stored text
// must not depend on how wide the window was when the day was posted.
TEST_F(DayPage, PostStoresTheSameTextAtEveryWindowWidth)
{
    const QString stored = Line(98, 0) + QStringLiteral("\r\n") + Line(98, 1) + QStringLiteral("\r\n") + Line(98, 2) + QStringLiteral("\r\n");
    const int widths[] = {450, 800, 1400};
    QList<int> memoWidths, screenLines;
    for (const int width : widths) {
        SCOPED_TRACE(width);
        const TDateTime day = kJune30 - width;  // a day of its own for each width
        form->resize(width, 300);
        QCoreApplication::processEvents();
        memoWidths << form->Memo1->viewport()->width();
        Store(day, stored);
        ClickDay(day);
        screenLines << ScreenLineCount(*form->Memo1);
        form->Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->Memo1, QStringLiteral("end"));  // an edit: Post assembles the memo's lines
        form->BtnPostClick();
        EXPECT_EQ(StoredTexts(day), QStringList{stored + QStringLiteral("end\r\n")});
        ClickDay(day);
        EXPECT_EQ(MemoLines(*form->Memo1), (QStringList{Line(98, 0), Line(98, 1), Line(98, 2), QStringLiteral("end")}));
    }
    // The widths really changed the wrapping, and the narrowest window did wrap the lines.
    EXPECT_LT(memoWidths[0], memoWidths[1]);
    EXPECT_LT(memoWidths[1], memoWidths[2]);
    EXPECT_GT(screenLines[0], screenLines[2]);
    EXPECT_GT(screenLines[0], 4);
}

// What the user typed, in a narrow window: a paragraph of 120 words, a pasted run of characters
// longer than any line buffer, Enter and Shift+Enter. Insert Record and Post store the same text.
TEST_F(DayPage, TypedParagraphsAreStoredAsTyped)
{
    using Command = void (TForm1::*)();
    const std::pair<const char*, Command> commands[] = {
        {"Insert Record", &TForm1::BtnInsertRecordClick},
        {"Post", &TForm1::BtnPostClick},
    };
    form->resize(450, 300);
    QCoreApplication::processEvents();
    const QString paragraph = Line(-1, 0, 120);
    const QString pasted(5000, QLatin1Char('x'));
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        const TDateTime day = command == &TForm1::BtnPostClick ? kJune30 : kJune30 - 1;
        if (command == &TForm1::BtnPostClick)
            Store(day, QStringLiteral("written before\r\n"));
        ClickDay(day);
        form->Memo1->clear();
        QTest::keyClicks(form->Memo1, paragraph);
        form->Memo1->insertPlainText(pasted);
        QTest::keyClick(form->Memo1, Qt::Key_Return);
        QTest::keyClicks(form->Memo1, QStringLiteral("next line"));
        QTest::keyClick(form->Memo1, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(form->Memo1, QStringLiteral("last"));
        ASSERT_GT(ScreenLineCount(*form->Memo1), 10);  // the paragraph wraps on the screen
        (form.get()->*command)();
        EXPECT_EQ(StoredTexts(day), QStringList{paragraph + pasted + QStringLiteral("\r\nnext line\r\nlast\r\n")});
    }
    EXPECT_TRUE(dialogs.Messages().isEmpty());
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

        ClickDay(kJune30);
        form->Memo1->setPlainText(text);
        form->BtnInsertRecordClick();
        EXPECT_EQ(StoredTexts(kJune30), QStringList{inserted});

        ClickDay(kJune30);
        EXPECT_EQ(AssembleMemoText(*form->Memo1), inserted);
        form->Memo1->setPlainText(text + QStringLiteral("\n"));  // edited: the memo's lines are posted
        form->BtnPostClick();
        const QString posted = text + QStringLiteral("\r\n");
        EXPECT_EQ(StoredTexts(kJune30), QStringList{posted});

        form->BuildReportList();
        ASSERT_EQ(form->ReportList->size(), 1);
        EXPECT_EQ(form->ReportList->first().Data2, posted);
        form->BtnDeleteRecordClick();
    }
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DayPage, PostOnADayWithoutARowInsertsIt)
{
    for (const TDateTime day : {kJune30, kJune30 - 1}) {  // the day on show, and one the arrow keys moved to
        form->RzCalendar1->SetDate(day);
        form->Memo1->setPlainText(QStringLiteral("not lost"));
        form->BtnPostClick();
        EXPECT_EQ(StoredTexts(day), QStringList{QStringLiteral("not lost\r\n")});
        EXPECT_EQ(form->DChk->count(day), 1);
    }
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DayPage, InsertOnAWrittenDayWritesNothingAndSaysTheDateIsTaken)
{
    form->RzCalendar1->SetDate(kJune30);
    form->Memo1->setPlainText(QStringLiteral("once"));
    form->BtnInsertRecordClick();
    form->Memo1->setPlainText(QStringLiteral("twice"));
    form->BtnInsertRecordClick();
    EXPECT_EQ(StoredTexts(kJune30), QStringList{QStringLiteral("once\r\n")});
    EXPECT_EQ(form->DChk->count(kJune30), 1);
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("日付が重複しています"));
    EXPECT_EQ(dialogs.Messages()[0].caption, QStringLiteral("情報"));
    EXPECT_EQ(dialogs.Messages()[0].flags, 0x40u);

    form->BtnDeleteRecordClick();
    EXPECT_TRUE(StoredTexts(kJune30).isEmpty());
    EXPECT_EQ(form->DChk->count(kJune30), 0);
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("twice"));  // delete leaves the memo

    const int before = form->DChk->size();
    form->RzCalendar1->SetDate(kJune30 - 1);  // same month: no reload
    form->BtnDeleteRecordClick();
    EXPECT_EQ(form->DChk->size(), before);
    EXPECT_EQ(dialogs.Messages().size(), 1);
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
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("old text\n"));
    form->BtnPostClick();  // Post writes the memo to the selected day, a new row on the 29th
    EXPECT_EQ(StoredTexts(kJune30 - 1), QStringList{QStringLiteral("old text\r\n")});
    EXPECT_EQ(StoredTexts(kJune30), QStringList{QStringLiteral("old text\r\n")});
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
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("from a click\n"));
    EXPECT_TRUE(form->Memo1->hasFocus() || !form->isActiveWindow());
}
