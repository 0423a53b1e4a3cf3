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

namespace {

// Pixels of the memo drawn in nearly pure red.
int RedPixels(QPlainTextEdit& memo)
{
    const QImage image = memo.viewport()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    return count;
}

}  // namespace

TEST_F(SettingsPanel, MemoFontDialogStartsFromTheMemoFontAndColoursTheMemo)
{
    form.Memo1->setPlainText(QStringLiteral("MMMM WWWW"));
    const TFontDesc before = form.MemoFont();
    ASSERT_EQ(RedPixels(*form.Memo1), 0);
    form.BtnSettingClick();
    ManualTimers::Advance(15 * 30);

    TFontDesc red = before;
    red.SetSize(14);
    red.style = fsBold | fsUnderline;
    red.color = clRed;
    dialogs.Queue(std::optional<TFontDesc>(red));
    QTest::mouseClick(form.MemoFontBtn, Qt::LeftButton);
    ASSERT_EQ(dialogs.FontRequests().size(), 1);
    EXPECT_EQ(dialogs.FontRequests()[0], before);
    EXPECT_EQ(form.MemoFont(), red);
    EXPECT_TRUE(form.Memo1->font().bold());
    EXPECT_TRUE(form.Memo1->font().underline());
    EXPECT_EQ(form.Memo1->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_GT(RedPixels(*form.Memo1), 50);

    // The next dialog starts from the colour too; Cancel changes nothing.
    dialogs.Queue(std::optional<TFontDesc>());
    QTest::mouseClick(form.MemoFontBtn, Qt::LeftButton);
    ASSERT_EQ(dialogs.FontRequests().size(), 2);
    EXPECT_EQ(dialogs.FontRequests()[1], red);
    EXPECT_EQ(form.MemoFont(), red);
    EXPECT_GT(RedPixels(*form.Memo1), 50);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}
