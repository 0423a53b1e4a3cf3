// Nothing the user wrote is lost by one click: every write can be undone and redone, typed text
// is written before the memo's day is left, and the texts a write replaced are kept.
#include "app/date_time_picker.h"
#include "app/history_windows.h"
#include "app/main_window.h"
#include "app/shutdown_signals.h"
#include "app/write_notice.h"
#include "diary_rows.h"
#include "controls/month_calendar.h"
#include "diary/history/earlier_texts.h"
#include "platform/scripted_dialogs.h"
#include "platform/timer.h"
#include "test_env.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

namespace {

const TDateTime kJune30 = EncodeDate(2021, 6, 30);
const TDateTime kJune25 = EncodeDate(2021, 6, 25);

class NothingLost : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    ManualTimers timers;
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void Store(TDateTime day, const QString& text) { StoreDiaryRow(form->FDConnection1, day, text); }
    QByteArray Bytes(TDateTime day) { return DayBytes(form->FDConnection1, day); }

    void ClickDay(TDateTime day)
    {
        form->RzCalendar1->SetDate(day);
        form->RzCalendar1Click();
    }

    // Shortcuts reach the active window only: a dialog that just closed hands the activation back
    // through the window system.
    void Activate()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Keys pressed with the focus on the calendar, outside the memo.
    void PressOnCalendar(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        Activate();
        form->RzCalendar1->setFocus();
        QTest::keyClick(form->RzCalendar1, key, modifiers);
    }

    void Type(const QString& text)
    {
        form->Memo1->setFocus();
        form->Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->Memo1, text);
    }
};

TEST_F(NothingLost, DeleteIsUndoneAndRedoneByKeysAndByTheNoticesButton)
{
    Store(kJune25, QStringLiteral("first row\r\n"));
    Store(kJune25, QStringLiteral("second row"));
    const QByteArray written = Bytes(kJune25);
    ClickDay(kJune25);
    form->BtnDeleteRecordClick();
    EXPECT_TRUE(Bytes(kJune25).isEmpty());
    EXPECT_EQ(form->Notice->Text(), QStringLiteral("The entry of 06.25.2021 was deleted."));
    EXPECT_EQ(form->DChk->count(kJune25), 0);

    PressOnCalendar(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(kJune25), written) << "both rows are back, byte for byte";
    EXPECT_EQ(form->DChk->count(kJune25), 2);
    EXPECT_EQ(form->Notice->Text(), QStringLiteral("The change to 06.25.2021 was undone."));

    PressOnCalendar(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Bytes(kJune25).isEmpty());
    PressOnCalendar(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(kJune25), written);
    PressOnCalendar(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Bytes(kJune25).isEmpty());
    PressOnCalendar(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(kJune25), written);

    // The notice's own button.
    form->BtnDeleteRecordClick();
    ASSERT_TRUE(form->Notice->UndoButton->isVisibleTo(form.get()));
    QTest::mouseClick(form->Notice->UndoButton, Qt::LeftButton);
    EXPECT_EQ(Bytes(kJune25), written);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(NothingLost, CtrlZUndoesTheMemosTypingFirstThenTheDiarysWrites)
{
    Store(kJune25, QStringLiteral("before\r\n"));
    ClickDay(kJune25);
    Type(QStringLiteral("after"));
    form->BtnPostClick();
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("before\r\nafter\r\n"));
    EXPECT_EQ(form->Notice->Text(), QStringLiteral("The entry of 06.25.2021 was saved."));

    // The memo has its typing to undo: Ctrl+Z takes that back and leaves the diary alone.
    Activate();
    form->Memo1->setFocus();
    QTest::keyClick(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("before\n"));
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("before\r\nafter\r\n"));
    // Nothing left to undo in the memo: the next Ctrl+Z undoes the Post.
    while (form->Memo1->document()->isUndoAvailable())
        form->Memo1->undo();
    QTest::keyClick(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("before\r\n"));
}

TEST_F(NothingLost, TypedTextIsWrittenBeforeTheDayIsLeft)
{
    Store(kJune25, QStringLiteral("written\r\n"));
    // A new day: Insert; a written one: Post, with the text it replaced kept.
    ClickDay(kJune25 - 1);
    Type(QStringLiteral("new day"));
    ClickDay(kJune25);
    EXPECT_EQ(DayText(form->FDConnection1, kJune25 - 1), QStringLiteral("new day\r\n"));
    EXPECT_EQ(form->Notice->Text(), QStringLiteral("The entry of 06.24.2021 was added."));
    EXPECT_EQ(form->DChk->count(kJune25 - 1), 1);
    Type(QStringLiteral(" and more"));
    ClickDay(kJune30);
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("written\r\n and more\r\n"));
    const QList<EarlierText> kept = EarlierTextsOf(form->FDConnection1, kJune25);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].text, QByteArray("written\r\n"));
    EXPECT_EQ(kept[0].why, QStringLiteral("post"));
    // An autosave is undone like any write.
    PressOnCalendar(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("written\r\n"));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(NothingLost, TypedTextIsWrittenWhenTheWindowClosesAndOnSigterm)
{
    ClickDay(kJune25);
    Type(QStringLiteral("closing"));
    form->close();
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("closing\r\n"));
    form.reset();

    form = std::make_unique<TForm1>();
    form->show();
    ShutdownOnRequest shutdown;
    shutdown.ListenToSignals();
    shutdown.SetMainWindow(form.get());
    ClickDay(kJune25 - 1);
    Type(QStringLiteral("terminated"));
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 20000));
    EXPECT_EQ(DayText(form->FDConnection1, kJune25 - 1), QStringLiteral("terminated\r\n"));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(NothingLost, TypedTextIsWrittenBeforeThePrintPreviewShowsIt)
{
    ClickDay(kJune25);
    Type(QStringLiteral("to be printed"));
    form->FromDatePicker->SetDateTime(kJune25);
    form->ToDatePicker->SetDateTime(kJune25 + 1);
    QObject closer;
    QTimer::singleShot(0, &closer, [] {
        if (QWidget* window = QApplication::activeModalWidget())
            window->close();
    });
    form->BtnPrintPreviewClick();
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("to be printed\r\n"));
    ASSERT_EQ(form->ReportList->size(), 1);
    EXPECT_EQ(form->ReportList->first().Data2, QStringLiteral("to be printed\r\n"));
}

TEST_F(NothingLost, ADayWithTwoRowsShowsBothAndKeepsThemUntilTheUserEditsThem)
{
    Store(kJune25, QStringLiteral("one\r\n"));
    Store(kJune25, QStringLiteral("two\r\n"));
    const QByteArray both = Bytes(kJune25);
    ClickDay(kJune25);
    const QString shown = form->Memo1->toPlainText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("one\n")) && shown.endsWith(QStringLiteral("two\n"))) << shown.toStdString();
    form->BtnPostClick();
    ClickDay(kJune30);
    EXPECT_EQ(Bytes(kJune25), both) << "never merged behind the user's back";

    // Edited, the day keeps one row with what the user made of the two; both texts are kept.
    ClickDay(kJune25);
    form->Memo1->setPlainText(QStringLiteral("one and two"));
    form->BtnPostClick();
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("one and two\r\n"));
    EXPECT_EQ(form->DChk->count(kJune25), 1);
    EXPECT_EQ(EarlierTextsOf(form->FDConnection1, kJune25).size(), 2);
    PressOnCalendar(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(kJune25), both);
}

TEST_F(NothingLost, EarlierVersionsPutAKeptTextIntoTheMemoAndDeletedDaysRestoresADay)
{
    Store(kJune25, QStringLiteral("the first words\r\n"));
    ClickDay(kJune25);
    form->Memo1->setPlainText(QStringLiteral("replaced"));
    form->BtnPostClick();
    form->BtnDeleteRecordClick();
    // Missed after Kalvo was closed and opened again: the kept texts are in the diary itself.
    form->close();
    form.reset();
    form = std::make_unique<TForm1>();
    form->show();
    Activate();
    ClickDay(kJune30);

    // Earlier versions: newest first; "Put into the memo" writes nothing by itself.
    QObject driver;
    QTimer::singleShot(0, &driver, [] {
        auto* window = dynamic_cast<EarlierVersionsWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(window->VersionList->count(), 2);
        EXPECT_TRUE(window->VersionList->item(0)->text().endsWith(QStringLiteral("deleted")));
        EXPECT_TRUE(window->VersionList->item(1)->text().endsWith(QStringLiteral("replaced by Post")));
        window->VersionList->setCurrentRow(1);
        EXPECT_EQ(window->VersionText->toPlainText(), QStringLiteral("the first words\n"));
        QTest::mouseClick(window->PutButton, Qt::LeftButton);
    });
    form->ShowEarlierVersions(kJune25);
    EXPECT_EQ(form->RzCalendar1->Date(), kJune25);
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("the first words\n"));
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("<none>"));
    form->Memo1->clear();  // the user changed their mind
    ClickDay(kJune30);
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("<none>"));

    // Deleted days: the day is listed and Restore writes its last text back, undoably.
    QTimer::singleShot(0, &driver, [] {
        auto* window = dynamic_cast<DeletedDaysWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(window->DayList->count(), 1);
        EXPECT_TRUE(window->DayList->item(0)->text().startsWith(QStringLiteral("06.25.2021")));
        window->DayList->item(0)->setSelected(true);
        QTest::mouseClick(window->RestoreButton, Qt::LeftButton);
        EXPECT_FALSE(window->DayList->isEnabled()) << "nothing left to restore";
        window->close();
    });
    form->ShowDeletedDays();
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("replaced\r\n"));
    EXPECT_EQ(form->DChk->count(kJune25), 1);
    PressOnCalendar(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(DayText(form->FDConnection1, kJune25), QStringLiteral("<none>"));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(NothingLost, TheNoticeGoesAFewSecondsAfterTheUserGoesOn)
{
    ClickDay(kJune25);
    Type(QStringLiteral("x"));
    form->BtnPostClick();
    ASSERT_FALSE(form->Notice->Text().isEmpty());
    ManualTimers::Advance(WriteNotice::kLingerMs * 3);
    EXPECT_FALSE(form->Notice->Text().isEmpty()) << "stays while the user does nothing";
    Type(QStringLiteral("y"));
    ManualTimers::Advance(WriteNotice::kLingerMs + 1);
    EXPECT_TRUE(form->Notice->Text().isEmpty());
}

}  // namespace
