#include "app/main_window.h"
#include "app/date_time_picker.h"
#include "app/split_view.h"
#include "app/style_manager.h"
#include "controls/month_calendar.h"
#include "platform/locale_info.h"
#include "platform/scripted_dialogs.h"
#include "platform/visual_styles.h"
#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QSet>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(MainWindow, PrintingRangeStartsExactly744HoursBeforeNow)
{
    TForm1 form;
    EXPECT_EQ(form.ToDatePicker->DateTime(), FixedNow());
    EXPECT_NEAR(form.FromDatePicker->DateTime(), FixedNow() - 31.0, 1e-9);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(MainWindow, JapaneseLocaleSwitchesTwoCaptionsAndTheDayFormat)
{
    const TDateTime june30 = EncodeDate(2021, 6, 30);
    {
        TForm1 form;
        EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("Printing range"));
        EXPECT_EQ(form.GroupBox3->title(), QStringLiteral("Filled Out"));
        EXPECT_EQ(FormatDateTime(form.DayFormat, june30), QStringLiteral("06.30.2021"));
    }
    SetCurrentLocale(JapaneseLocale());
    TForm1 form;
    EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("印刷範囲"));
    EXPECT_EQ(form.GroupBox3->title(), QStringLiteral("記入済み日付"));
    EXPECT_EQ(form.GroupBox2->title(), QStringLiteral("Memo"));
    EXPECT_EQ(form.GroupBox4->title(), QStringLiteral("Style"));
    EXPECT_EQ(FormatDateTime(form.DayFormat, june30), QStringLiteral("2021年06月30日 (水 曜日)"));
}

TEST_F(MainWindow, FirstStartCreatesTheDiaryAndEndsInTheWindowsStyle)
{
    RegisterStoredStyles();
    ASSERT_TRUE(SwitchStyle(QStringLiteral("CopperDark"), true));
    TForm1 form;
    EXPECT_TRUE(QFile::exists(dir.File(QStringLiteral("Kalvo.db"))));
    EXPECT_EQ(form.DBPath, dir.File(QStringLiteral("Kalvo.db")));
    EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("Windows"));
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("Windows"));
    EXPECT_EQ(form.ComboBox1->itemText(0), QStringLiteral("Amakrits"));  // sorted
}

TEST_F(MainWindow, UnknownStyleShowsTheStyleErrorAndKeepsTheStyle)
{
    EXPECT_FALSE(SwitchStyle(QStringLiteral("Nope"), true));
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("スタイル 'Nope' が見つかりません"));
    EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("Windows"));
}

TEST_F(MainWindow, ControlsStandAtTheirDesignedPlaces)
{
    TForm1 form;
    struct Case {
        const char* name;
        QRect bounds;
    } cases[] = {
        {"RzToolbar1", {0, 0, 545, 29}},
        {"BtnInsertRecord", {4, 2, 94, 25}},
        {"BtnDeleteRecord", {98, 2, 96, 25}},
        {"BtnPost", {194, 2, 60, 25}},
        {"RzSpacer1", {254, 2, 8, 25}},
        {"BtnPrintPreview", {262, 2, 91, 25}},
        {"BtnSetting", {353, 2, 67, 25}},
        {"Panel2", {0, 29, 169, 161}},
        {"Panel1", {169, 29, 376, 161}},
        {"Memo1", {4, 4, 368, 153}},
        {"GroupBox3", {4, 71, 109, 82}},
        {"FilledColorEdit", {15, 50, 67, 21}},
        {"CloseSetBtn", {250, 121, 59, 25}},
    };
    for (const Case& c : cases) {
        const QWidget* w = form.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.bounds) << c.name;
    }
    EXPECT_EQ(form.SplitView1->geometry().topLeft(), QPoint(171, 33));
    EXPECT_EQ(form.SplitView1->width(), 0);
}

TEST_F(MainWindow, DiaryThatIsNoDatabaseIsReportedAndLeftAlone)
{
    const QByteArray junk = QByteArray("not a database at all\n").repeated(100);
    QFile file(dir.File(QStringLiteral("Kalvo.db")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(junk);
    file.close();

    TForm1 form;
    ASSERT_EQ(dialogs.Messages().size(), 1);
    // Said as damage, with the way back from a backup (automatic_backups_test.cpp has the whole text).
    EXPECT_TRUE(dialogs.Messages()[0].text.startsWith(QStringLiteral("The diary ") + dir.File(QStringLiteral("Kalvo.db")) +
                                                      QStringLiteral(" is damaged (file is not a database)")))
        << dialogs.Messages()[0].text.toStdString();
    EXPECT_EQ(dialogs.Messages()[0].caption, QStringLiteral("app_tests"));
    // The window is complete all the same.
    EXPECT_NE(form.DChk, nullptr);
    EXPECT_NE(form.ReportList, nullptr);
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("Windows"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), junk);
}

TEST_F(MainWindow, SecondCopyOnTheSameDiaryIsRefusedAtStart)
{
    TForm1 first;
    ASSERT_TRUE(dialogs.Messages().isEmpty());
    TForm1 second;
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("[Kalvo][Phys][SQLite] ERROR: database is locked."));
    EXPECT_TRUE(first.FDConnection1.Connected());
    EXPECT_NO_THROW(first.FDConnection1.ExecSQL(QStringLiteral("INSERT INTO MyDb (date, diary) VALUES ('2021-06-30', 'x')")));
}

TEST_F(MainWindow, StyleBoxListsTheWholeCatalogueSorted)
{
    RegisterStoredStyles();
    TForm1 form;
    QStringList names;
    for (int i = 0; i < form.ComboBox1->count(); ++i)
        names << form.ComboBox1->itemText(i);
    const QStringList expected = {
        "Amakrits", "Amethyst Kamri", "Aqua Graphite", "Aqua Light Slate", "Auric", "Calypso", "Carbon",
        "Charcoal Dark Slate", "Cobalt XEMedia", "Copper", "CopperDark", "Coral", "Cyan Dusk", "Cyan Night",
        "Diamond", "Emerald", "Jet", "Luna", "Material Oxford Blue", "Puerto Rico", "Ruby Graphite",
        "Sapphire Kamri", "Tablet Light", "TabletDark", "Windows", "Zircon", "Zircon SE"};
    EXPECT_EQ(names, expected);

    // Switching ignores case and re-colours the window.
    ASSERT_TRUE(SwitchStyle(QStringLiteral("tabletdark"), true));
    EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("TabletDark"));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0x2D, 0x2D, 0x30));
    EXPECT_EQ(form.Memo1->palette().color(QPalette::Text), QColor(0xF1, 0xF1, 0xF1));

    // Every style of the catalogue can be switched to and gives the window its own colours.
    QSet<QRgb> faces;
    for (const QString& name : expected) {
        ASSERT_TRUE(SwitchStyle(name.toUpper(), true)) << name.toStdString();
        EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), name);
        faces.insert(form.palette().color(QPalette::Window).rgb());
    }
    EXPECT_GE(faces.size(), 20);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(MainWindow, TabLeavesTheMemoAndCtrlTabTypesATab)
{
    TForm1 form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Memo1->setPlainText(QStringLiteral("ab"));
    form.Memo1->setFocus();
    form.Memo1->moveCursor(QTextCursor::End);

    QTest::keyClick(form.Memo1, Qt::Key_Tab);
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("ab"));
    EXPECT_EQ(QApplication::focusWidget(), form.RzCalendar1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.Memo1);
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("ab"));

    QTest::keyClick(form.Memo1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("ab\t"));
    EXPECT_EQ(QApplication::focusWidget(), form.Memo1);

    QGuiApplication::clipboard()->setText(QStringLiteral("c\td"));
    QTest::keySequence(form.Memo1, QKeySequence::Paste);
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("ab\tc\td"));
}
