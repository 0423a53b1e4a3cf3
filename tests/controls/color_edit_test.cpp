#include "color_test_support.h"

#include "controls/color_edit.h"
#include "controls/color_edit_face.h"
#include "controls/color_popup.h"
#include "platform/scripted_dialogs.h"

#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString Hex(TColor color) { return QStringLiteral("%1").arg(color, 6, 16, QLatin1Char('0')).toUpper(); }

// The edit as the settings panel holds it, beside a button to click or tab to, with its events
// written to a log: "DropDown", "Change 0000FF", "CloseUp".
class ColorEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setGeometry(100, 100, 300, 200);
        edit->setGeometry(15, 50, 67, 21);
        edit->SetShowCustomColor(true);
        button->setGeometry(150, 50, 80, 24);
        edit->OnDropDown = [this](QObject*) { log << QStringLiteral("DropDown"); };
        edit->OnChange = [this](QObject*) { log << QStringLiteral("Change ") + Hex(edit->SelectedColor()); };
        edit->OnCloseUp = [this](QObject*) { log << QStringLiteral("CloseUp"); };
        QObject::connect(button, &QPushButton::clicked, [this] { log << QStringLiteral("Button"); });
        ShowActive(window);
    }

    // Opens the palette with `open` and runs `whileOpen` inside its loop. Whatever happens there,
    // the palette is closed before `open` returns, so a test can never hang on it.
    void WhileOpen(const std::function<void(TRzColorPopup&)>& whileOpen,
                   const std::function<void()>& open = {})
    {
        bool ran = false;
        QTimer::singleShot(0, edit, [&] {
            TRzColorPopup* popup = edit->ActivePopup();
            ASSERT_NE(popup, nullptr);
            ran = true;
            whileOpen(*popup);
            if (popup->IsOpen()) {
                ADD_FAILURE() << "the palette is still open";
                popup->CloseUp(false);
            }
        });
        if (open)
            open();
        else
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_TRUE(ran) << "the palette did not open";
    }

    static void ClickEntry(TRzColorPopup& popup, int code)
    {
        TRzColorPicker* picker = popup.Picker();
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->Layout().EntryRect(code).center());
    }

    QStringList TakeLog() { return std::exchange(log, {}); }

    QWidget window;
    TRzColorEdit* edit = new TRzColorEdit(&window);
    QPushButton* button = new QPushButton(QStringLiteral("Other"), &window);
    QStringList log;
};

}  // namespace

TEST_F(ColorEditTest, StartsWithTheDocumentedDefaults)
{
    TRzColorEdit fresh;
    EXPECT_EQ(fresh.SelectedColor(), clNone);
    EXPECT_FALSE(fresh.ShowCustomColor() || fresh.ShowNoColor() || fresh.ShowDefaultColor() || fresh.ShowSystemColors());
    EXPECT_TRUE(fresh.ShowColorHints());
    EXPECT_EQ(fresh.CustomColor(), clWhite);
    EXPECT_EQ(fresh.DefaultColor(), clHighlight);
    EXPECT_EQ(fresh.ColorDlgOptions(), TColorDialogOptions{cdFullOpen});
    EXPECT_EQ(fresh.PopupAlignment(), taRightJustify);
    EXPECT_EQ(fresh.PopupButtonColor(), clBtnFace);
    EXPECT_EQ(fresh.PopupButtonFontColor(), clWindowText);
    EXPECT_TRUE(fresh.DropButtonVisible());
}

TEST_F(ColorEditTest, OpensOnRedWithRedChosenRightAlignedBelowAndWithoutTakingTheFocus)
{
    edit->SetSelectedColor(255);
    WhileOpen([&](TRzColorPopup& popup) {
        EXPECT_EQ(popup.Picker()->SelColorIndex(), 16);
        EXPECT_TRUE(edit->DroppedDown());
        EXPECT_TRUE(popup.isVisible());
        const QRect anchor(edit->mapToGlobal(QPoint(0, 0)), edit->size());
        EXPECT_EQ(popup.geometry().topRight(), QPoint(anchor.right(), anchor.bottom() + 1));
        EXPECT_EQ(popup.size(), QSize(144, 113));
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_EQ(QApplication::activeWindow(), &window);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(TakeLog(), QStringList({"DropDown", "CloseUp"}));
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ActivePopup(), nullptr);
}

TEST_F(ColorEditTest, OpensAColourOutsideTheGridInTheCustomSwatch)
{
    edit->SetSelectedColor(RGB(1, 2, 3));
    WhileOpen([&](TRzColorPopup& popup) {
        EXPECT_EQ(popup.Picker()->SelColorIndex(), kCustomColorCode);
        EXPECT_EQ(popup.Picker()->CustomColor(), RGB(1, 2, 3));
        popup.CloseUp(false);
    });
    EXPECT_EQ(edit->CustomColor(), clWhite);  // cancelled: nothing copied back
}

TEST_F(ColorEditTest, ClickOnBlueTakesItAndClosesEveryTimeEvenWhenUnchanged)
{
    for (int round = 0; round < 2; ++round)
        WhileOpen([&](TRzColorPopup& popup) { ClickEntry(popup, 13); });
    EXPECT_EQ(edit->SelectedColor(), TColor(0xFF0000));
    EXPECT_EQ(TakeLog(), QStringList({"DropDown", "Change FF0000", "CloseUp", "DropDown", "Change FF0000", "CloseUp"}));
    EXPECT_EQ(edit->ActivePopup(), nullptr);
}

TEST_F(ColorEditTest, EscapeOrAPressOutsideCancelsAndThePressGoesNoFurther)
{
    const std::pair<const char*, std::function<void()>> closers[] = {
        {"Escape", [&] { QTest::keyClick(edit, Qt::Key_Escape); }},
        {"press outside", [&] { QTest::mouseClick(button, Qt::LeftButton); }},
        {"press on the edit", [&] { QTest::mouseClick(edit, Qt::LeftButton); }},
        {"press outside through the window system",
         [&] { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, button->geometry().center()); }},
        {"focus moves away", [&] { button->setFocus(); }},
        {"window minimised", [&] {
             QWindowStateChangeEvent change(Qt::WindowNoState);
             QApplication::sendEvent(&window, &change);
         }},
    };
    edit->SetSelectedColor(255);
    for (const auto& [what, close] : closers) {
        WhileOpen([&](TRzColorPopup& popup) {
            popup.Picker()->SetSelColorIndex(13);  // chosen, but never accepted
            close();
            EXPECT_FALSE(popup.IsOpen()) << what;
        });
        EXPECT_EQ(edit->SelectedColor(), TColor(255)) << what;
        EXPECT_EQ(TakeLog(), QStringList({"DropDown", "CloseUp"})) << what;
        // A real press reaches the window first and is stopped before it can move the focus;
        // one sent straight to the button has been given the focus already.
        if (QLatin1String(what) != QLatin1String("press outside")) {
            EXPECT_EQ(edit->hasFocus(), QLatin1String(what) != QLatin1String("focus moves away")) << what;
        }
        edit->setFocus();
    }
}

TEST_F(ColorEditTest, KeysGoToThePaletteWhileItIsOpen)
{
    edit->SetSelectedColor(clWhite);
    WhileOpen([&](TRzColorPopup& popup) {
        QTest::keyClick(edit, Qt::Key_Down);  // White to the custom swatch
        QTest::keyClick(edit, Qt::Key_Tab);   // no focus movement while open
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_EQ(popup.Picker()->SelColorIndex(), kCustomColorCode);
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(edit->SelectedColor(), RGB(204, 153, 255));  // Lavender
    EXPECT_EQ(TakeLog(), QStringList({"DropDown", "Change FF99CC", "CloseUp"}));
}

TEST_F(ColorEditTest, OnlyF4AndAltDownOpenTheOtherKeysAreSwallowed)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    } const cases[] = {
        {Qt::Key_F4, Qt::NoModifier, true}, {Qt::Key_Down, Qt::AltModifier, true},
        {Qt::Key_F4, Qt::AltModifier, false}, {Qt::Key_Down, Qt::NoModifier, false},
        {Qt::Key_A, Qt::NoModifier, false},  {Qt::Key_Delete, Qt::NoModifier, false},
    };
    for (const Case& c : cases) {
        edit->setFocus();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        press.ignore();
        if (c.opens)
            WhileOpen([&](TRzColorPopup& popup) { popup.CloseUp(false); },
                      [&] { QApplication::sendEvent(edit, &press); });
        else
            QApplication::sendEvent(edit, &press);
        EXPECT_TRUE(press.isAccepted()) << c.key;
        EXPECT_EQ(TakeLog(), c.opens ? QStringList({"DropDown", "CloseUp"}) : QStringList()) << c.key;
        EXPECT_EQ(edit->SelectedColor(), clNone);
    }
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(ColorEditTest, RightPressesAndReadOnlyShowNoPalette)
{
    QTest::mouseClick(edit, Qt::RightButton);
    EXPECT_EQ(TakeLog(), QStringList());
    edit->SetReadOnly(true);
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(TakeLog(), QStringList({"DropDown", "CloseUp"}));
}

TEST_F(ColorEditTest, MoreColorsKeepsThePaletteOpenUntilEnter)
{
    ScriptedDialogs dialogs;
    dialogs.Queue(std::optional<TColor>(RGB(10, 20, 30)));
    edit->SetSelectedColor(255);
    WhileOpen([&](TRzColorPopup& popup) {
        ClickEntry(popup, kMoreColorsCode);
        EXPECT_TRUE(popup.IsOpen());
        EXPECT_EQ(popup.Picker()->SelColorIndex(), kCustomColorCode);
        EXPECT_EQ(popup.Picker()->CustomColor(), RGB(10, 20, 30));
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    });
    EXPECT_EQ(dialogs.RequestCount(), 1);
    EXPECT_EQ(edit->SelectedColor(), RGB(10, 20, 30));
    EXPECT_EQ(edit->CustomColor(), RGB(10, 20, 30));
    EXPECT_EQ(TakeLog(), QStringList({"DropDown", "Change 1E140A", "CloseUp"}));
}

TEST_F(ColorEditTest, OpensAboveWhenThereIsNoRoomBelow)
{
    const QRect area = WorkAreaNearest(edit->mapToGlobal(QPoint(0, 0)));
    window.move(area.left() + 10, area.bottom() - 80);
    WhileOpen([&](TRzColorPopup& popup) {
        EXPECT_EQ(popup.geometry().bottom() + 1, edit->mapToGlobal(QPoint(0, 0)).y());
        popup.CloseUp(false);
    });
}

TEST_F(ColorEditTest, FixedPopupSizeReplacesTheNaturalOne)
{
    edit->SetPopupWidth(200);
    edit->SetPopupHeight(150);
    WhileOpen([&](TRzColorPopup& popup) {
        EXPECT_EQ(popup.size(), QSize(200, 150));
        EXPECT_EQ(popup.Picker()->Layout().CellSize(), QSize(24, 23));  // 192 / 8, (142 - 23) / 5
        popup.CloseUp(false);
    });
}

TEST(ColorEditFace, ButtonAtTheEndOfTheReadingDirection)
{
    const QSize size(67, 21);
    const ColorEditFace right = ColorEditFaceLayout(size, true, DropButtonSide::Right);
    EXPECT_EQ(right.button, QRect(48, 2, 17, 17));
    EXPECT_EQ(right.swatch, QRect(4, 4, 42, 13));
    const ColorEditFace left = ColorEditFaceLayout(size, true, DropButtonSide::Left);
    EXPECT_EQ(left.button, QRect(2, 2, 17, 17));
    EXPECT_EQ(left.swatch, QRect(21, 4, 42, 13));
    const ColorEditFace hidden = ColorEditFaceLayout(size, false, DropButtonSide::Right);
    EXPECT_TRUE(hidden.button.isEmpty());
    EXPECT_EQ(hidden.swatch, QRect(4, 4, 59, 13));
}

TEST_F(ColorEditTest, FaceShowsTheColourTheFocusAndTheButtonState)
{
    const QPoint swatchCorner(4, 4), inside(10, 10), focusDot(5, 4);
    const QPoint arrowTip(48 + 8, 2 + 9);  // the arrow's lowest pixel in the 17 x 17 button
    edit->SetSelectedColor(clRed);
    button->setFocus();
    QImage image = Render(*edit);
    EXPECT_EQ(PixelAt(image, swatchCorner), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(image, inside), Rgb(clRed));
    EXPECT_EQ(PixelAt(image, arrowTip), Rgb(clBtnText));

    edit->setFocus();
    image = Render(*edit);
    EXPECT_EQ(PixelAt(image, swatchCorner), Rgb(clWindowText));  // focus dots over the frame
    EXPECT_EQ(PixelAt(image, focusDot), Rgb(clBtnShadow));

    edit->SetSelectedColor(clNone);
    image = Render(*edit);
    // Diagonal lines from lower left to upper right: each hatch pixel goes on up and to the right.
    auto ink = [&](int x, int y) { return PixelAt(image, {x, y}) == Rgb(clBtnShadow); };
    int hatched = 0;
    for (int x = 6; x < 44; ++x) {
        if (!ink(x, 10))
            continue;
        ++hatched;
        EXPECT_TRUE(ink(x + 1, 9)) << x;
        EXPECT_FALSE(ink(x + 1, 11)) << x;
    }
    EXPECT_GT(hatched, 2);
    EXPECT_LT(hatched, 20);

    WhileOpen([&](TRzColorPopup& popup) {
        const QImage pushed = Render(*edit);
        EXPECT_EQ(PixelAt(pushed, arrowTip + QPoint(1, 1)), Rgb(clBtnText));
        EXPECT_EQ(PixelAt(pushed, {48, 2}), Rgb(clBtnShadow));
        popup.CloseUp(false);
    });

    edit->setEnabled(false);
    image = Render(*edit);
    EXPECT_EQ(PixelAt(image, arrowTip), Rgb(clBtnShadow));
}

// Saves what the user sees when KALVO_PNG_DIR names a folder.
TEST_F(ColorEditTest, RendersTheOpenPalette)
{
    edit->SetShowNoColor(true);
    edit->SetShowDefaultColor(true);
    edit->SetShowSystemColors(true);
    edit->SetSelectedColor(clRed);
    WhileOpen([&](TRzColorPopup& popup) {
        TRzColorPicker* picker = popup.Picker();
        HoverAt(*picker, picker->Layout().GridCell(13).center());
        const QImage image = Render(popup);
        EXPECT_EQ(PixelAt(image, picker->Layout().GridCell(16).topLeft() + QPoint(1, 1)), Rgb(clHighlight));
        EXPECT_EQ(PixelAt(image, picker->Layout().GridCell(13).topLeft()), Rgb(clHighlight));
        const QString dir = qEnvironmentVariable("KALVO_PNG_DIR");
        if (!dir.isEmpty()) {
            image.scaled(image.size() * 3).save(dir + QStringLiteral("/palette.png"));
            Render(*edit).scaled(edit->size() * 6).save(dir + QStringLiteral("/color_edit_open.png"));
        }
        popup.CloseUp(false);
    });
    const QString dir = qEnvironmentVariable("KALVO_PNG_DIR");
    if (!dir.isEmpty()) {
        edit->SetSelectedColor(clNone);
        Render(*edit).scaled(edit->size() * 6).save(dir + QStringLiteral("/color_edit_none.png"));
        button->setFocus();
        edit->SetSelectedColor(clBlue);
        Render(*edit).scaled(edit->size() * 6).save(dir + QStringLiteral("/color_edit_blue.png"));
    }
}
