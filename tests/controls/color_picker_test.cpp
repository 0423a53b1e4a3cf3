#include "color_test_support.h"

#include "controls/color_hint_window.h"
#include "controls/color_picker.h"
#include "platform/scripted_dialogs.h"
#include "platform/visual_styles.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A palette on its own in an active window, with the events it raises written to a log:
// "Change 13", "Click".
class ColorPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 320);
        picker->move(10, 10);
        picker->OnChange = [this](QObject*) { log << QStringLiteral("Change %1").arg(picker->SelColorIndex()); };
        picker->OnClick = [this](QObject*) { log << QStringLiteral("Click"); };
        ShowActive(window);
    }
    QPoint Centre(int code) const { return picker->Layout().EntryRect(code).center(); }
    QStringList TakeLog() { return std::exchange(log, {}); }

    QWidget window;
    TRzColorPicker* picker = new TRzColorPicker(&window);
    QStringList log;
};

// A stored style whose button face is the palette's "Gray 25%" and whose shadows are dark red.
void UseSilverStyle()
{
    const QString name = QStringLiteral("Palette Test Silver");
    VisualStyles::Instance().Register({name, {{15, RGB(192, 192, 192)}, {16, RGB(128, 0, 0)}}});
    ASSERT_TRUE(VisualStyles::Instance().TrySetStyle(name));
}

}  // namespace

TEST_F(ColorPickerTest, ButtonFaceIsMatchedByValueOrKeptAsCustom)
{
    picker->SetSelectedColor(clBtnFace);
    EXPECT_EQ(picker->SelColorIndex(), kCustomColorCode);
    EXPECT_EQ(picker->CustomColor(), clBtnFace);
    EXPECT_EQ(picker->SelectedColor(), clBtnFace);

    UseSilverStyle();
    picker->SetSelectedColor(clBtnFace);
    EXPECT_EQ(picker->SelColorIndex(), 31);
    EXPECT_EQ(picker->SelectedColor(), RGB(192, 192, 192));

    picker->SetShowSystemColors(true);
    picker->SetSelectedColor(clBtnFace);
    EXPECT_EQ(picker->SelColorIndex(), 55);
    EXPECT_EQ(picker->SelectedColor(), clBtnFace);
}

TEST_F(ColorPickerTest, ChoosingAgainRaisesChangeOnlyForTheCustomSwatch)
{
    picker->SetSelColorIndex(5);
    picker->SetSelColorIndex(5);
    picker->SetSelColorIndex(kCustomColorCode);
    picker->SetSelColorIndex(kCustomColorCode);
    EXPECT_EQ(TakeLog(), QStringList({"Change 5", "Change -2", "Change -2"}));
}

TEST_F(ColorPickerTest, PressChoosesDragFollowsAndReleaseOnThePaletteClicks)
{
    picker->SetShowSystemColors(true);
    picker->SetShowCustomColor(true);
    const QRect band = picker->Layout().SystemBand();
    QTest::mousePress(picker, Qt::LeftButton, {}, Centre(0));
    QTest::mouseMove(picker, Centre(13));
    QTest::mouseMove(picker, band.center());
    EXPECT_EQ(picker->SelectedColor(), clNone);  // the gap chooses no colour
    QTest::mouseMove(picker, Centre(kMoreColorsCode));  // never chosen by dragging
    QTest::mouseMove(picker, Centre(20));
    QTest::mouseRelease(picker, Qt::LeftButton, {}, Centre(20));
    EXPECT_EQ(TakeLog(), QStringList({"Change 0", "Change 13", "Change -5", "Change 20", "Click"}));

    // Released away from the palette: no click.
    QTest::mousePress(picker, Qt::LeftButton, {}, Centre(1));
    QTest::mouseRelease(picker, Qt::LeftButton, {}, QPoint(-20, 40));
    EXPECT_EQ(TakeLog(), QStringList({"Change 1"}));

    // A press on the gap chooses nothing; its release is still a click.
    QTest::mouseClick(picker, Qt::LeftButton, {}, band.center());
    EXPECT_EQ(TakeLog(), QStringList({"Click"}));
}

TEST_F(ColorPickerTest, ArrowKeysMoveTheChoiceAndEnterClicks)
{
    picker->SetShowCustomColor(true);
    picker->SetSelColorIndex(39);
    TakeLog();
    QTest::keyClick(picker, Qt::Key_Down);
    QTest::keyClick(picker, Qt::Key_Right);  // nothing right of the custom swatch
    QTest::keyClick(picker, Qt::Key_Up);
    QTest::keyClick(picker, Qt::Key_Left, Qt::ShiftModifier);  // only plain keys count
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(TakeLog(), QStringList({"Change -2", "Change 39", "Click"}));
}

TEST_F(ColorPickerTest, MoreColorsTakesTheDialogsColourWithoutClicking)
{
    ScriptedDialogs dialogs;
    dialogs.Queue(std::optional<TColor>());  // cancelled
    dialogs.Queue(std::optional<TColor>(RGB(10, 20, 30)));
    picker->SetShowCustomColor(true);
    picker->SetSelColorIndex(16);
    TakeLog();

    QTest::mouseClick(picker, Qt::LeftButton, {}, Centre(kMoreColorsCode));
    EXPECT_EQ(picker->SelColorIndex(), 16);
    EXPECT_EQ(picker->CustomColor(), clWhite);
    QTest::mouseClick(picker, Qt::LeftButton, {}, Centre(kMoreColorsCode));
    EXPECT_EQ(picker->SelColorIndex(), kCustomColorCode);
    EXPECT_EQ(picker->SelectedColor(), RGB(10, 20, 30));
    EXPECT_EQ(dialogs.RequestCount(), 2);
    EXPECT_EQ(TakeLog(), QStringList({"Change -2"}));  // the dialog took the releases
}

TEST_F(ColorPickerTest, HintNamesTheColourBelowAndRightOfItsCell)
{
    ASSERT_EQ(QGuiApplication::applicationState(), Qt::ApplicationActive);
    const QRect red = picker->Layout().GridCell(16);
    const QPoint place = picker->mapToGlobal(QPoint(red.left(), red.top() + red.height())) + QPoint(4, 12);
    HoverAt(*picker, red.center());
    ASSERT_NE(picker->HintWindow(), nullptr);
    EXPECT_TRUE(picker->HintWindow()->isVisible());
    EXPECT_EQ(picker->HintWindow()->Text().toStdString(), "Red");
    EXPECT_EQ(picker->HintWindow()->pos(), place);
    EXPECT_EQ(picker->HighlightColorIndex(), 16);

    HoverAt(*picker, Centre(17));
    EXPECT_EQ(picker->HintWindow()->Text().toStdString(), "Light Orange");
    EXPECT_EQ(picker->HintWindow()->pos(), place + QPoint(red.width(), 0));

    picker->SetShowCustomColor(true);
    HoverAt(*picker, Centre(kMoreColorsCode));
    EXPECT_FALSE(picker->HintWindow()->isVisible());
    EXPECT_EQ(picker->HighlightColorIndex(), kMoreColorsCode);

    HoverAt(*picker, Centre(16));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(picker, &leave);
    EXPECT_FALSE(picker->HintWindow()->isVisible());
    EXPECT_EQ(picker->HighlightColorIndex(), kNothingCode);
}

TEST_F(ColorPickerTest, PaintsSwatchesMarksButtonsAndBand)
{
    picker->SetShowNoColor(true);
    picker->SetShowDefaultColor(true);
    picker->SetShowSystemColors(true);
    picker->SetShowCustomColor(true);
    picker->SetSelColorIndex(16);
    HoverAt(*picker, Centre(13));
    const PickerLayout layout = picker->Layout();
    const QImage image = Render(*picker);
    auto at = [&](QPoint p) { return PixelAt(image, p); };

    EXPECT_EQ(at({0, 0}), Rgb(clBtnShadow));  // sunken edge
    const QRect chosen = layout.GridCell(16);
    EXPECT_EQ(at(chosen.center()), Rgb(clRed));
    EXPECT_EQ(at(chosen.topLeft() + QPoint(3, 3)), Rgb(clBtnShadow));  // the swatch's frame
    EXPECT_EQ(at(chosen.topLeft() + QPoint(1, 1)), Rgb(clHighlight));
    EXPECT_LT(QColor(at(chosen.topLeft())).lightness(), QColor(Rgb(clHighlight)).lightness());
    const QRect hovered = layout.GridCell(13);
    EXPECT_EQ(at(hovered.topLeft()), Rgb(clHighlight));
    EXPECT_EQ(at(hovered.topLeft() + QPoint(1, 1)), Rgb(clWindow));
    EXPECT_EQ(at(hovered.center()), Rgb(clBlue));
    EXPECT_EQ(at(layout.GridCell(0).topLeft()), Rgb(clWindow));
    EXPECT_EQ(at(layout.GridCell(55).center()), Rgb(clBtnFace));

    const QRect band = layout.SystemBand();
    EXPECT_EQ(at(band.topLeft() + QPoint(3, 4)), Rgb(clBtnShadow));
    EXPECT_EQ(at(band.topLeft() + QPoint(2, 4)), Rgb(clWindow));
    const QRect none = layout.NoColorRow();
    EXPECT_EQ(at(none.topLeft() + QPoint(3, 3)), Rgb(clBtnShadow));
    EXPECT_EQ(at(none.topLeft() + QPoint(4, 4)), Rgb(clBtnFace));
    EXPECT_EQ(at(layout.DefaultSwatchCell().center()), Rgb(clHighlight));
    EXPECT_EQ(at(layout.CustomSwatchCell().center()), Rgb(clWhite));
}

TEST_F(ColorPickerTest, StoredStyleGivesAPlainFrameAndItsOwnButtonColours)
{
    UseSilverStyle();
    TRzColorPicker styled(&window);
    styled.SetShowCustomColor(true);
    styled.SetButtonColor(clRed);  // only the platform's own look uses the edit's button colour
    const QImage image = Render(styled);
    EXPECT_EQ(PixelAt(image, {0, 0}), Rgb(RGB(128, 0, 0)));
    EXPECT_EQ(PixelAt(image, {1, 1}), Rgb(clWindow));
    const QRect more = styled.Layout().MoreColorsArea();
    EXPECT_EQ(PixelAt(image, more.topLeft() + QPoint(4, 4)), Rgb(RGB(192, 192, 192)));
}
