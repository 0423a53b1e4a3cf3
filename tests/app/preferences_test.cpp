#include "app/main_window.h"
#include "app/split_view.h"
#include "app/style_manager.h"
#include "controls/color_edit.h"
#include "platform/scripted_dialogs.h"
#include "platform/timer.h"
#include "platform/visual_styles.h"
#include "settings/ex_ini_file.h"
#include "file_arrivals.h"
#include "test_env.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Preferences : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    ManualTimers timers;

    QString IniPath() const { return dir.File(QStringLiteral("app_tests.ini")); }
    QString IniText() const
    {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static void Quit(TForm1& form) { form.close(); }
};

}  // namespace

TEST_F(Preferences, FirstCloseWritesAllFourKeys)
{
    {
        TForm1 form;
        form.show();
        EXPECT_FALSE(QFile::exists(IniPath()));
        Quit(form);
    }
    const QString text = IniText();
    for (const char* expected : {"[Form]", "Position", "[Memo]", "Font", "[Calender]", "Filled", "[Style]\r\nName=Windows"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n" << text.toStdString();
}

// The placement, both fonts and the style replace the file together, so a crash while closing
// leaves either the previous complete file or the new one, never some of each.
TEST_F(Preferences, ClosingReplacesTheFileOnceWithEveryPreference)
{
    for (const char* run : {"first run, no file yet", "a later run"}) {
        SCOPED_TRACE(run);
        TForm1 form;
        form.show();
        FileArrivals arrivals(IniPath());
        ASSERT_TRUE(arrivals.Watching());
        Quit(form);
        const FileArrivals::Counts counts = arrivals.Take();
        EXPECT_EQ(counts.arrived, 1);
        EXPECT_EQ(counts.writtenInPlace, 0);
    }
    EXPECT_TRUE(IniText().endsWith(QStringLiteral("[Style]\r\nName=Windows\r\n\r\n"))) << IniText().toStdString();
}

TEST_F(Preferences, FontsStyleAndPlacementComeBackNextRun)
{
    RegisterStoredStyles();
    {
        TForm1 form;
        form.show();
        form.move(40, 30);
        TFontDesc memo = form.MemoFont();
        memo.name = QStringLiteral("Arial");
        memo.SetSize(12);
        memo.color = clMaroon;
        dialogs.Queue(std::optional<TFontDesc>(memo));
        form.MemoFontBtnClick();
        form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(QStringLiteral("CopperDark")));
        EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("CopperDark"));
        form.FilledFont->style = fsItalic;
        form.FilledFont->color = clGreen;
        Quit(form);
    }
    SwitchStyle(QStringLiteral("Windows"), false);
    TForm1 form;
    EXPECT_EQ(form.MemoFont().name, QStringLiteral("Arial"));
    EXPECT_EQ(form.MemoFont().Size(), 12);
    EXPECT_EQ(form.MemoFont().color, clMaroon);
    EXPECT_EQ(form.Memo1->palette().color(QPalette::Text), QColor(0x80, 0, 0));
    EXPECT_EQ(form.FilledFont->style, fsItalic);
    EXPECT_EQ(form.FilledFont->color, clGreen);
    EXPECT_EQ(form.FilledColorEdit->SelectedColor(), clGreen);
    EXPECT_TRUE(form.ItalicCheck->isChecked());
    EXPECT_FALSE(form.BoldCheck->isChecked());
    EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("CopperDark"));
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("CopperDark"));
    EXPECT_EQ(form.pos(), QPoint(40, 30));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(Preferences, QuittingWithThePanelOpenKeepsTheStoredFilledFont)
{
    {
        TForm1 form;
        form.show();
        form.BtnSettingClick();
        ManualTimers::Advance(15 * 30);
        form.BoldCheck->setChecked(true);
        Quit(form);
    }
    TForm1 form;
    EXPECT_EQ(form.FilledFont->style, 0);
}

TEST_F(Preferences, WindowAboveOrLeftOfTheScreenIsStoredAtZero)
{
    {
        TForm1 form;
        form.show();
        form.move(-50, -20);
        Quit(form);
    }
    TForm1 form;
    EXPECT_EQ(form.pos(), QPoint(0, 0));
}

TEST_F(Preferences, TypingIntoTheStyleBoxTriesTheEmptyName)
{
    TForm1 form;
    form.show();
    QTest::keyClick(form.ComboBox1->lineEdit(), Qt::Key_End);
    QTest::keyClick(form.ComboBox1->lineEdit(), Qt::Key_X);
    ASSERT_FALSE(dialogs.Messages().isEmpty());
    EXPECT_EQ(dialogs.Messages().back().text, QStringLiteral("スタイル '' が見つかりません"));
    EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("Windows"));
}

TEST_F(Preferences, FirstCloseWritesTheWorkedExampleByteForByte)
{
    {
        TForm1 form;
        form.show();
        // Normal rectangle (200, 150)-(761, 379) for the window's frame.
        const QSize frameExtra = form.frameGeometry().size() - form.size();
        form.move(200, 150);
        form.resize(QSize(561, 229) - frameExtra);
        ASSERT_EQ(form.frameGeometry(), QRect(QPoint(200, 150), QPoint(760, 378)));
        form.FilledFont->style = fsBold | fsItalic;
        form.FilledFont->color = clRed;
        Quit(form);
    }
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Form]\r\nPosition.Flags=0\r\nPosition.Show=1\r\nPosition.MaxX=-1\r\n"
                                         "Position.MaxY=-1\r\nPosition.X=200\r\nPosition.Y=150\r\n"
                                         "Position.XSize=761\r\nPosition.YSize=379\r\n\r\n"
                                         "[Memo]\r\nFont.Name=Tahoma\r\nFont.Size=8\r\nFont.Style=0\r\n"
                                         "Font.Color=0xFF000008\r\n\r\n"
                                         "[Calender]\r\nFilled.Name=Tahoma\r\nFilled.Size=8\r\nFilled.Style=3\r\n"
                                         "Filled.Color=0x000000FF\r\n\r\n"
                                         "[Style]\r\nName=Windows\r\n\r\n"));
}

// A hand-edited memo colour that is no colour is reported; the filled font and the style stored
// after it are still read, and closing keeps them.
TEST_F(Preferences, AnUnreadableValueCostsOnlyItself)
{
    RegisterStoredStyles();
    {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Memo]\r\nFont.Color=zzz\r\n[Calender]\r\nFilled.Color=0x000000FF\r\nFilled.Style=1\r\n"
                   "[Style]\r\nName=Carbon\r\n");
    }
    {
        TForm1 form;
        ASSERT_EQ(dialogs.Messages().size(), 1);
        EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("'$z' は整数ではありません."));
        EXPECT_EQ(form.FilledFont->color, clRed);
        EXPECT_EQ(form.FilledFont->style, TFontStyles(fsBold));
        EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("Carbon"));
        Quit(form);
    }
    const QString text = IniText();
    EXPECT_TRUE(text.contains(QStringLiteral("Filled.Color=0x000000FF"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Name=Carbon"))) << text.toStdString();
}

TEST_F(Preferences, UnknownStoredStyleIsReportedAtStart)
{
    RegisterStoredStyles();
    ASSERT_TRUE(SwitchStyle(QStringLiteral("CopperDark"), true));
    {
        TExIniFile ini;
        ini.SetBaseDir(bdApplication);
        ini.SetAutoUpdate(true);
        ini.Loaded();
        ini.WriteString(QStringLiteral("Style"), QStringLiteral("Name"), QStringLiteral("Plaid"));
    }
    TForm1 form;
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("スタイル 'Plaid' が見つかりません"));
    EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_CLOSEBUTTON | MB_ICONERROR));
    EXPECT_EQ(VisualStyles::Instance().ActiveStyleName(), QStringLiteral("CopperDark"));
}
