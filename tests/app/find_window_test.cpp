#include "diary/find/diary_search.h"
#include "app/find_window.h"
#include "app/main_window.h"
#include "app/memo_lines.h"
#include "diary_rows.h"
#include "controls/month_calendar.h"
#include "platform/locale_info.h"
#include "platform/scripted_dialogs.h"
#include "platform/timer.h"
#include "test_env.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <sqlite3.h>

TEST(FindWindowPlace, BesideTheMainWindowInsideTheWorkArea)
{
    const QRect workArea(0, 0, 1280, 800);
    const QSize size(400, 300);
    struct Case {
        const char* why;
        QRect owner;
        QPoint expected;
    };
    const Case cases[] = {
        {"room on the right", {100, 100, 545, 190}, {653, 100}},
        {"no room on the right: on the left", {800, 100, 545, 190}, {392, 100}},
        {"room on neither side: at the work area's edge", {0, 100, 1200, 190}, {0, 100}},
        {"the bottom kept on the screen", {100, 700, 545, 190}, {653, 500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(FindWindowPlace(c.owner, size, workArea), c.expected);
    }
}

namespace {

const TDateTime kJune30 = EncodeDate(2021, 6, 30);
const TDateTime kJune2 = EncodeDate(2021, 6, 2);
const TDateTime kMay14 = EncodeDate(2021, 5, 14);
const TDateTime kMarch3 = EncodeDate(2020, 3, 3);

class FindInDiary : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    ManualTimers timers;
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->show();
        // Written out of order: the list sorts them.
        Store(kMay14, QStringLiteral("Rain all day.\r\nRead about the Harbour of Kobe.\r\n"));
        Store(kJune30, QStringLiteral("港まで歩いた\r\nThe harbour was calm.\r\n"));
        Store(kMarch3, QStringLiteral("No walk today.\r\n"));
        Store(kJune2, QStringLiteral("HARBOUR festival\r\n"));
    }

    void Store(TDateTime day, const QString& text) { StoreDiaryRow(form->FDConnection1, day, text); }

    FindWindow& OpenFind()
    {
        form->ShowFindWindow();
        EXPECT_NE(form->FindDiaryWindow, nullptr);
        return *form->FindDiaryWindow;
    }

    // Types as the user does, Japanese through the input method, and lets the typing pause pass.
    FindWindow& Type(const QString& text)
    {
        FindWindow& find = OpenFind();
        find.FindEdit->clear();
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            QTest::keyClicks(find.FindEdit, text);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(find.FindEdit, &commit);
        }
        ManualTimers::Advance(FindWindow::kTypingPauseMs);
        return find;
    }

    // Down, up, the second down as a double click, up: what the window system delivers.
    static void DoubleClick(QWidget& widget, QPoint at)
    {
        QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&widget, &second);
        QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
    }

    static QList<TDateTime> Days(const FindWindow& find)
    {
        QList<TDateTime> days;
        for (const DiaryHit& hit : find.Hits())
            days << hit.day;
        return days;
    }
};

}  // namespace

TEST_F(FindInDiary, CtrlFOpensTheWindowAndTheListFollowsTheTypingAfterAPause)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->Memo1, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(form->FindDiaryWindow, nullptr);
    FindWindow& find = *form->FindDiaryWindow;
    EXPECT_TRUE(find.isVisible());
    EXPECT_EQ(find.windowTitle(), QStringLiteral("Find in Diary"));

    QTest::keyClicks(find.FindEdit, QStringLiteral("harb"));
    ManualTimers::Advance(FindWindow::kTypingPauseMs - 1);
    EXPECT_TRUE(find.Hits().isEmpty());  // still typing
    QTest::keyClicks(find.FindEdit, QStringLiteral("our"));
    ManualTimers::Advance(FindWindow::kTypingPauseMs - 1);
    EXPECT_TRUE(find.Hits().isEmpty());  // each key starts the pause afresh
    ManualTimers::Advance(1);
    EXPECT_EQ(Days(find), (QList<TDateTime>{kJune30, kJune2, kMay14}));
    EXPECT_EQ(find.StatusLabel->text(), QStringLiteral("3 days found"));
    EXPECT_EQ(find.ResultList->model()->index(0, 0).data().toString(),
              QStringLiteral("6/30/2021  The harbour was calm."));

    find.FindEdit->clear();
    ManualTimers::Advance(FindWindow::kTypingPauseMs);
    EXPECT_TRUE(find.Hits().isEmpty());
    EXPECT_TRUE(find.StatusLabel->text().isEmpty());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(FindInDiary, JapaneseAndNothingFound)
{
    FindWindow& find = Type(QStringLiteral("歩いた"));
    ASSERT_EQ(Days(find), QList<TDateTime>{kJune30});
    EXPECT_EQ(find.Hits()[0].line, QStringLiteral("港まで歩いた"));
    EXPECT_EQ(find.StatusLabel->text(), QStringLiteral("1 day found"));

    Type(QStringLiteral("zebra"));
    EXPECT_TRUE(find.Hits().isEmpty());
    EXPECT_EQ(find.StatusLabel->text(), QStringLiteral("No day found"));
}

TEST_F(FindInDiary, EnterAndDoubleClickLoadTheDayAsAClickOnItDoes)
{
    FindWindow& find = Type(QStringLiteral("harbour"));
    ASSERT_EQ(find.Hits().size(), 3);
    const TDateTime blank = kJune30 - 5;
    form->RzCalendar1->SetDate(blank);
    form->RzCalendar1Click();
    form->Memo1->setPlainText(QStringLiteral("unsaved typing"));

    // Enter in the text field takes the first day, after writing what was typed for the last one.
    QTest::keyClick(find.FindEdit, Qt::Key_Return);
    EXPECT_EQ(form->RzCalendar1->Date(), kJune30);
    EXPECT_EQ(MemoLines(*form->Memo1), (QStringList{QStringLiteral("港まで歩いた"), QStringLiteral("The harbour was calm.")}));
    EXPECT_EQ(DayText(form->FDConnection1, blank), QStringLiteral("unsaved typing\r\n"));

    // Down walks the list from the text field; the day lies in another month, whose filled days
    // are read as when the calendar's month changes.
    QTest::keyClick(find.FindEdit, Qt::Key_Down);
    QTest::keyClick(find.FindEdit, Qt::Key_Down);
    QTest::keyClick(find.ResultList, Qt::Key_Enter);
    EXPECT_EQ(form->RzCalendar1->Date(), kMay14);
    EXPECT_EQ(form->RzCalendar1->ViewDate(), EncodeDate(2021, 5, 1));
    EXPECT_EQ(*form->DChk, QList<TDateTime>{kMay14});
    EXPECT_EQ(MemoLines(*form->Memo1), (QStringList{QStringLiteral("Rain all day."), QStringLiteral("Read about the Harbour of Kobe.")}));

    const QRect second = find.ResultList->visualRect(find.ResultList->model()->index(1, 0));
    DoubleClick(*find.ResultList->viewport(), second.center());
    EXPECT_EQ(form->RzCalendar1->Date(), kJune2);
    EXPECT_EQ(form->RzCalendar1->ViewDate(), EncodeDate(2021, 6, 1));
    EXPECT_EQ(*form->DChk, (QList<TDateTime>{kJune2, blank, kJune30}));
    EXPECT_EQ(MemoLines(*form->Memo1), QStringList{QStringLiteral("HARBOUR festival")});
    EXPECT_TRUE(find.isVisible());  // stays open for the next day
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(FindInDiary, EnterOrDownBeforeThePauseFindsFirst)
{
    FindWindow& find = OpenFind();
    QTest::keyClicks(find.FindEdit, QStringLiteral("walk"));
    QTest::keyClick(find.FindEdit, Qt::Key_Return);
    EXPECT_EQ(form->RzCalendar1->Date(), kMarch3);
    EXPECT_EQ(MemoLines(*form->Memo1).first(), QStringLiteral("No walk today."));

    find.FindEdit->clear();
    QTest::keyClicks(find.FindEdit, QStringLiteral("harbour"));
    QTest::keyClick(find.FindEdit, Qt::Key_Down);
    QTest::keyClick(find.FindEdit, Qt::Key_Return);
    EXPECT_EQ(form->RzCalendar1->Date(), kJune2);  // the second of the days found
}

TEST_F(FindInDiary, TheListFollowsInsertPostAndDelete)
{
    Type(QStringLiteral("festival"));
    ASSERT_EQ(Days(*form->FindDiaryWindow), QList<TDateTime>{kJune2});

    form->RzCalendar1->SetDate(kMarch3);
    form->Memo1->setPlainText(QStringLiteral("Lantern Festival"));
    form->BtnPostClick();
    EXPECT_EQ(Days(Type(QStringLiteral("festival"))), (QList<TDateTime>{kJune2, kMarch3}));

    form->RzCalendar1->SetDate(kJune2);
    form->BtnDeleteRecordClick();
    EXPECT_EQ(Days(Type(QStringLiteral("festival"))), QList<TDateTime>{kMarch3});

    form->RzCalendar1->SetDate(EncodeDate(2022, 1, 1));
    form->Memo1->setPlainText(QStringLiteral("New year FESTIVAL"));
    form->BtnInsertRecordClick();
    EXPECT_EQ(Days(Type(QStringLiteral("festival"))), (QList<TDateTime>{EncodeDate(2022, 1, 1), kMarch3}));
}

TEST_F(FindInDiary, AnOpenListIsBroughtUpToDateWhenTheDiaryChangesKeepingItsCurrentDay)
{
    FindWindow& find = Type(QStringLiteral("harbour"));
    ASSERT_EQ(Days(find), (QList<TDateTime>{kJune30, kJune2, kMay14}));
    QTest::keyClick(find.FindEdit, Qt::Key_Down);
    QTest::keyClick(find.FindEdit, Qt::Key_Down);  // on May 14

    form->RzCalendar1->SetDate(kJune2);
    form->BtnDeleteRecordClick();
    EXPECT_EQ(Days(find), (QList<TDateTime>{kJune30, kMay14}));
    EXPECT_EQ(find.StatusLabel->text(), QStringLiteral("2 days found"));
    EXPECT_EQ(find.Hits()[find.ResultList->currentIndex().row()].day, kMay14);

    form->RzCalendar1->SetDate(kMarch3);
    form->Memo1->setPlainText(QStringLiteral("Harbour lights"));
    form->BtnPostClick();
    form->RzCalendar1->SetDate(EncodeDate(2022, 1, 1));
    form->Memo1->setPlainText(QStringLiteral("Back at the harbour"));
    form->BtnInsertRecordClick();
    EXPECT_EQ(Days(find), (QList<TDateTime>{EncodeDate(2022, 1, 1), kJune30, kMay14, kMarch3}));
    EXPECT_EQ(find.Hits()[find.ResultList->currentIndex().row()].day, kMay14);

    // A closed window is left alone until it opens again.
    find.close();
    form->RzCalendar1->SetDate(kMay14);
    form->BtnDeleteRecordClick();
    EXPECT_EQ(Days(find).size(), 4);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(FindInDiary, EveryStoredFormOfATextIsFoundAndUnreadableDatesAreLeftOut)
{
    form->FDConnection1.ExecSQL(QStringLiteral(
        "INSERT INTO MyDb (date, diary) VALUES ('2021-06-10', 4242), ('2021-06-11', 42.5), "
        "('2021-06-12', CAST('TEXT 42' AS TEXT)), ('abc', 'lost 42')"));
    Store(EncodeDate(2021, 6, 13), QStringLiteral("007 42"));
    FindWindow& find = Type(QStringLiteral("42"));
    EXPECT_EQ(Days(find), (QList<TDateTime>{EncodeDate(2021, 6, 13), EncodeDate(2021, 6, 12), EncodeDate(2021, 6, 11),
                                            EncodeDate(2021, 6, 10)}));
    EXPECT_EQ(find.Hits()[0].line, QStringLiteral("007 42"));
    EXPECT_EQ(find.Hits()[2].line, QStringLiteral("42.5"));
}

// A row written by another program may hold bytes that are no UTF-8; they read as the day page
// reads them, and the days around it are found as before.
TEST_F(FindInDiary, TextsThatAreNoUtf8ReadAsTheDayPageReadsThem)
{
    form->FDConnection1.ExecSQL(QStringLiteral(
        "INSERT INTO MyDb (date, diary) VALUES ('2021-06-15', CAST(X'484152424F5552FFFE2068617262' AS TEXT))"));
    FindWindow& find = Type(QStringLiteral("harbour"));
    EXPECT_EQ(Days(find), (QList<TDateTime>{kJune30, EncodeDate(2021, 6, 15), kJune2, kMay14}));
    EXPECT_EQ(find.Hits()[1].line, QString::fromUtf8("HARBOUR\xFF\xFE harb"));
    EXPECT_EQ(find.Hits()[1].match, (TextRange{0, 7}));
}

TEST_F(FindInDiary, EscClosesAndCtrlFOpensAgainWithTheTextSelected)
{
    FindWindow& find = Type(QStringLiteral("harbour"));
    QTest::keyClick(find.FindEdit, Qt::Key_Escape);
    EXPECT_FALSE(find.isVisible());

    Store(EncodeDate(2021, 6, 20), QStringLiteral("harbour lights"));
    form->ShowFindWindow();
    EXPECT_TRUE(find.isVisible());
    EXPECT_EQ(find.FindEdit->selectedText(), QStringLiteral("harbour"));
    EXPECT_EQ(find.Hits().size(), 4);  // found afresh on opening
}

TEST_F(FindInDiary, ClosesWithTheMainWindow)
{
    FindWindow& find = OpenFind();
    ASSERT_TRUE(find.isVisible());
    form->close();
    EXPECT_FALSE(find.isVisible());
}

TEST_F(FindInDiary, JapaneseCaptionsInAJapaneseLocale)
{
    form.reset();  // one window at a time holds the diary
    SetCurrentLocale(JapaneseLocale());
    form = std::make_unique<TForm1>();
    FindWindow& find = Type(QStringLiteral("港"));
    EXPECT_EQ(find.windowTitle(), QStringLiteral("日記の検索"));
    EXPECT_EQ(find.FindLabel->text(), QStringLiteral("検索する文字列:"));
    EXPECT_EQ(find.StatusLabel->text(), QStringLiteral("1 件見つかりました"));
    EXPECT_EQ(find.ResultList->model()->index(0, 0).data().toString(), QStringLiteral("2021/06/30  港まで歩いた"));
    Type(QStringLiteral("海"));
    EXPECT_EQ(find.StatusLabel->text(), QStringLiteral("見つかりませんでした"));
}

