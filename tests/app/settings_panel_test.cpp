#include "app/main_window.h"
#include "app/split_view.h"
#include "controls/color_edit.h"
#include "platform/scripted_dialogs.h"
#include "test_env.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SettingsPanel : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    ManualTimers timers;
    TForm1 form;

    SettingsPanel() { form.show(); }
};

}  // namespace

TEST_F(SettingsPanel, SlidesOpenToTheMemosWidthTwentyPixelsATick)
{
    const int memoWidth = form.Memo1->width();  // 368
    form.BtnSettingClick();
    EXPECT_EQ(form.SplitView1->State(), svsOpening);
    EXPECT_EQ(form.SplitView1->OpenedWidth(), memoWidth);
    ManualTimers::Advance(15);
    EXPECT_EQ(form.SplitView1->width(), 20);
    ManualTimers::Advance(15 * 17);
    EXPECT_EQ(form.SplitView1->width(), 360);
    EXPECT_EQ(form.SplitView1->State(), svsOpening);
    ManualTimers::Advance(15);
    EXPECT_EQ(form.SplitView1->width(), memoWidth);
    EXPECT_EQ(form.SplitView1->State(), svsOpened);
    EXPECT_EQ(form.SplitView1->geometry().topLeft(), QPoint(171, 33));
    EXPECT_EQ(form.SplitView1->geometry().bottom() + 1, form.height() + 4);

    // Settings during the closing animation opens the panel again from where it is.
    form.BtnSettingClick();
    ManualTimers::Advance(30);
    EXPECT_EQ(form.SplitView1->width(), memoWidth - 40);
    form.BtnSettingClick();
    EXPECT_EQ(form.SplitView1->State(), svsOpening);
    ManualTimers::Advance(30);
    EXPECT_EQ(form.SplitView1->State(), svsOpened);
}

TEST_F(SettingsPanel, OpenedPanelFollowsTheMemoButNeverNarrowerThanFifty)
{
    form.BtnSettingClick();
    ManualTimers::Advance(15 * 30);
    ASSERT_TRUE(form.SplitView1->Opened());
    form.resize(form.width() + 100, form.height());
    EXPECT_EQ(form.SplitView1->width(), form.Memo1->width());
    form.resize(200, form.height());
    EXPECT_EQ(form.SplitView1->width(), 50);
}

TEST_F(SettingsPanel, FilledLookChangesOnlyWhenThePanelHasClosed)
{
    form.FilledFont->style = fsUnderline;
    form.BtnSettingClick();
    ManualTimers::Advance(15 * 30);
    form.BoldCheck->setChecked(true);
    form.FilledColorEdit->SetSelectedColor(clGreen);
    EXPECT_EQ(form.FilledFont->style, fsUnderline);
    QTest::mouseClick(form.CloseSetBtn, Qt::LeftButton);
    EXPECT_EQ(form.SplitView1->State(), svsClosing);
    EXPECT_EQ(form.FilledFont->style, fsUnderline);
    ManualTimers::Advance(15 * 30);
    EXPECT_EQ(form.SplitView1->State(), svsClosed);
    EXPECT_EQ(form.SplitView1->width(), 0);
    EXPECT_EQ(form.FilledFont->style, fsBold);  // the stored underline is gone
    EXPECT_EQ(form.FilledFont->color, clGreen);
}
