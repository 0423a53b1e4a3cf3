#include "toolbar_harness.h"

#include "controls/main_images.h"
#include "controls/show_hint.h"
#include "controls/tool_button_layout.h"
#include "platform/clock.h"
#include "platform/date_time.h"
#include "platform/style_colors.h"
#include "platform/visual_styles.h"
#include "test_env.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

QPoint Centre(const QWidget* w) { return w->rect().center(); }

// The button alone over the toolbar face.
QImage RenderButton(TRzToolButton& button)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(ToQColor(clBtnFace));
    QPainter painter(&image);
    button.PaintTo(painter);
    return image;
}

// A picture over the toolbar face, as a button shows it.
QImage OnFace(const QImage& picture)
{
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(ToQColor(clBtnFace));
    QPainter painter(&image);
    painter.drawImage(0, 0, picture);
    return image;
}

QImage Part(const QImage& image, const QRect& rect) { return image.copy(rect); }

int DarkestGrey(const QImage& image, const QRect& rect)
{
    int darkest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

}  // namespace

TEST(ToolButton, SizeIsTheToolbarsButtonSizeWidenedToFitImageAndCaption)
{
    struct Case {
        ToolButtonSizing sizing;
        QSize expected;
    };
    const QSize image16(16, 16);
    const Case cases[] = {
        {{60, 25, true, blGlyphLeft, 24, image16, false}, {60, 25}},        // "Post": 16 + 24 + 12 < 60
        {{60, 25, true, blGlyphLeft, 66, image16, false}, {94, 25}},        // "Insert Record"
        {{60, 25, true, blGlyphRight, 66, image16, true}, {94 + 14, 25}},   // plus the drop-down part
        {{60, 40, true, blGlyphTop, 66, image16, false}, {74, 40}},         // caption + 8
        {{60, 40, true, blGlyphBottom, 40, image16, false}, {60, 40}},
        {{25, 25, false, blGlyphLeft, 66, image16, false}, {25, 25}},       // caption not shown
        {{10, 10, false, blGlyphLeft, 0, image16, false}, {16, 16}},        // never smaller than the images
        {{60, 25, true, blGlyphLeft, 66, QSize(), false}, {78, 25}},        // no image list
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToolButtonSize(c.sizing), c.expected) << c.sizing.captionWidth << " layout " << c.sizing.layout;
}

TEST(ToolButton, PostStaysAtTheMinimumWhileALongCaptionWidensItsButton)
{
    MainToolbar main;
    EXPECT_EQ(main.post->width(), 60);
    const QString longer = QStringLiteral("Post the entry now");
    main.post->SetCaption(longer);
    EXPECT_EQ(main.post->width(), 16 + TextWidth(TFontDesc{}, longer) + 12);
    EXPECT_EQ(main.spacer->x(), main.post->x() + main.post->width());

    main.post->SetButtonSize(50, 25);  // its own size from now on
    main.toolbar->SetButtonWidth(70);
    EXPECT_EQ(main.post->size(), QSize(50, 25));
    EXPECT_EQ(main.insert->width(), 94);
}

TEST(ToolButton, ImageAndCaptionAreLaidOutForEveryLayout)
{
    // "Insert Record" is 66 x 13 in Tahoma 8 pt; the layout works inside the button less 2 pixels.
    ASSERT_EQ(TextExtent(TFontDesc{}, QStringLiteral("Insert Record")), QSize(66, 13));
    struct Case {
        QSize button;
        TButtonLayout layout;
        TAlignment alignment;
        bool pushed;
        QRect image, caption;
    };
    const Case cases[] = {
        {{94, 25}, blGlyphLeft, taCenter, false, {4, 4, 16, 16}, {24, 6, 66, 13}},
        {{94, 25}, blGlyphLeft, taCenter, true, {5, 5, 16, 16}, {25, 7, 66, 13}},
        {{94, 25}, blGlyphRight, taCenter, false, {74, 4, 16, 16}, {4, 6, 66, 13}},
        {{74, 40}, blGlyphTop, taCenter, false, {29, 3, 16, 16}, {4, 23, 66, 13}},
        {{74, 40}, blGlyphBottom, taCenter, false, {29, 20, 16, 16}, {4, 3, 66, 13}},
        {{105, 25}, blGlyphLeft, taLeftJustify, false, {2, 4, 16, 16}, {22, 6, 66, 13}},
        {{105, 25}, blGlyphLeft, taRightJustify, false, {17, 4, 16, 16}, {37, 6, 66, 13}},
    };
    for (const Case& c : cases) {
        ToolButtonContent content;
        content.bounds = QRect(QPoint(0, 0), c.button);
        content.imageSize = {16, 16};
        content.caption = QStringLiteral("Insert Record");
        content.layout = c.layout;
        content.alignment = c.alignment;
        content.pushed = c.pushed;
        const ToolButtonContentLayout layout = LayoutToolButtonContent(content);
        EXPECT_EQ(layout.imageRect, c.image) << "layout " << c.layout << " alignment " << c.alignment;
        EXPECT_EQ(layout.captionRect, c.caption) << "layout " << c.layout << " alignment " << c.alignment;
    }
}

TEST(ToolButton, CaptionWrapsInTheRoomTheImageLeavesAndAnImageAloneIsCentred)
{
    ToolButtonContent content;
    content.bounds = QRect(0, 0, 60, 40);
    content.imageSize = {16, 16};
    content.caption = QStringLiteral("Print Preview");
    content.layout = blGlyphLeft;
    ToolButtonContentLayout layout = LayoutToolButtonContent(content);
    EXPECT_EQ(layout.captionLines, QStringList({QStringLiteral("Print"), QStringLiteral("Preview")}));
    EXPECT_EQ(layout.captionRect.height(), 26);

    content.caption.clear();
    layout = LayoutToolButtonContent(content);
    EXPECT_EQ(layout.imageRect, QRect(22, 12, 16, 16));
    EXPECT_TRUE(layout.captionRect.isEmpty());
}

TEST(ToolButton, ImageChoiceFollowsTheState)
{
    TImageList images, disabled;
    using S = TToolButtonState;
    struct Case {
        ButtonImages b;
        S state;
        bool hovered;
        const TImageList* list;
        int index;
        bool greyed;
    };
    const Case cases[] = {
        {{&images, nullptr, 0, 1, 4, 5}, S::Up, false, &images, 0, false},
        {{&images, nullptr, 0, 1, 4, 5}, S::Up, true, &images, 4, false},      // hot picture
        {{&images, nullptr, 0, 1, 4, 5}, S::Down, true, &images, 5, false},    // down picture
        {{&images, nullptr, 0, 1, -1, -1}, S::Down, true, &images, 0, false},
        {{&images, &disabled, 0, 1, -1, -1}, S::Disabled, false, &images, 1, false},  // disabled index first
        {{&images, &disabled, 0, -1, -1, -1}, S::Disabled, false, &disabled, 0, false},
        {{&images, nullptr, 0, -1, -1, -1}, S::Disabled, false, &images, 0, true},     // greyed
        {{&images, nullptr, -1, 1, 4, 5}, S::Up, true, nullptr, -1, false},            // no image at all
    };
    for (const Case& c : cases) {
        const ImageChoice choice = ChooseImage(c.b, c.state, c.hovered);
        EXPECT_EQ(choice.list, c.list) << int(c.state) << " " << c.b.imageIndex;
        EXPECT_EQ(choice.index, c.index) << int(c.state);
        EXPECT_EQ(choice.greyed, c.greyed) << int(c.state);
    }
}

TEST(ToolButton, FaceFollowsVisualStyleStateAndHover)
{
    using S = TToolButtonState;
    using F = ButtonFace;
    struct Case {
        TRzVisualStyle style;
        S state;
        bool mouseIn;
        bool flat;
        F face;
    };
    const Case cases[] = {
        {vsWinXP, S::Up, false, true, F::None},          // flat and idle: nothing
        {vsWinXP, S::Up, true, true, F::Raised},
        {vsWinXP, S::Disabled, true, true, F::None},     // a disabled button does not light up
        {vsWinXP, S::Down, true, true, F::Sunken},
        {vsWinXP, S::Exclusive, false, true, F::Sunken}, // latched shows pressed without the mouse
        {vsWinXP, S::Up, false, false, F::Raised},       // not flat: always a face
        {vsClassic, S::Up, true, true, F::RaisedEdge},
        {vsClassic, S::Dropped, false, true, F::SunkenEdge},
        {vsGradient, S::Up, true, true, F::Gradient},
        {vsGradient, S::Down, true, true, F::GradientReversed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FaceFor(c.style, c.state, c.mouseIn, c.flat), c.face) << c.style << " " << int(c.state);
}

TEST(ToolButton, ButtonsFollowTheToolbarsVisualStyleUntilTheyHaveTheirOwn)
{
    MainToolbar main;
    main.post->SetVisualStyle(vsGradient);
    main.toolbar->SetVisualStyle(vsClassic);
    EXPECT_EQ(main.insert->VisualStyle(), vsClassic);
    EXPECT_EQ(main.post->VisualStyle(), vsGradient);
    EXPECT_FALSE(main.post->UseToolbarVisualStyle());

    QTest::mouseMove(main.insert, Centre(main.insert));
    const QImage classic = RenderButton(*main.insert);
    EXPECT_EQ(classic.pixel(0, 0), RgbOf(cl3DLight));       // two-pixel raised edge
    EXPECT_EQ(classic.pixel(1, 1), RgbOf(clBtnHighlight));
    EXPECT_EQ(classic.pixel(93, 24), RgbOf(cl3DDkShadow));

    QTest::mouseMove(main.post, Centre(main.post));
    const QImage gradient = RenderButton(*main.post);
    EXPECT_EQ(gradient.pixel(0, 0), RgbOf(cl3DDkShadow));   // the selection frame
    // The gradient runs from face at the top to shadow at the bottom.
    EXPECT_NEAR(qGray(gradient.pixel(1, 1)), qGray(RgbOf(clBtnFace)), 4);
    EXPECT_NEAR(qGray(gradient.pixel(1, 23)), qGray(RgbOf(clBtnShadow)), 8);
}

TEST(ToolButton, AnotherVisualStyleColoursCaptionsAndToolbar)
{
    const QString name = QStringLiteral("ToolbarTestStyle");
    VisualStyles::Instance().Register({name, {}});
    RegisterStyleElementColors(name, {{StyleElementColor::ButtonTextNormal, clRed},
                                      {StyleElementColor::EditTextDisabled, clLime},
                                      {StyleElementColor::GenericGradientBase, clYellow}});
    ASSERT_TRUE(VisualStyles::Instance().TrySetStyle(name));
    MainToolbar main;
    main.remove->setEnabled(false);
    const QImage image = main.Render();
    EXPECT_EQ(image.pixel(500, 15), RgbOf(clYellow));
    auto hasPixel = [&](const QRect& rect, QRgb colour) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                // Captions are smoothed: a pixel close to the colour counts.
                if (std::abs(qRed(image.pixel(x, y)) - qRed(colour)) < 48 &&
                    std::abs(qGreen(image.pixel(x, y)) - qGreen(colour)) < 48 &&
                    std::abs(qBlue(image.pixel(x, y)) - qBlue(colour)) < 48)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasPixel(main.insert->geometry(), RgbOf(clRed)));
    EXPECT_TRUE(hasPixel(main.remove->geometry(), RgbOf(clLime)));
    EXPECT_FALSE(hasPixel(main.remove->geometry(), RgbOf(clRed)));
}

TEST(ToolButton, DisabledButtonShowsItsDisabledPictureAndAShadowCaption)
{
    MainToolbar main;
    const QRect image(4, 4, 16, 16), caption(24, 6, 66, 13);
    const QImage enabled = RenderButton(*main.insert);
    EXPECT_EQ(Part(enabled, image), OnFace(main.images->Image(0)));
    EXPECT_LT(DarkestGrey(enabled, caption), 40);  // black text

    main.insert->setEnabled(false);
    EXPECT_EQ(main.insert->State(), TToolButtonState::Disabled);
    const QImage disabled = RenderButton(*main.insert);
    EXPECT_EQ(Part(disabled, image), OnFace(main.images->Image(1)));  // picture 1 as it is, not greyed again
    EXPECT_EQ(DarkestGrey(disabled, caption), qGray(RgbOf(clBtnShadow)));
}

TEST(ToolButton, PressMoveOffAndReleaseRaisesNoClickAndReturnsToIdle)
{
    MainToolbar main;
    EXPECT_FALSE(main.insert->MouseInControl());
    const QImage idle = RenderButton(*main.insert);
    QTest::mouseMove(main.insert, Centre(main.insert));
    EXPECT_TRUE(main.insert->MouseInControl());
    const QImage hovered = RenderButton(*main.insert);
    EXPECT_EQ(hovered.pixel(0, 0), RgbOf(clBtnHighlight));  // raised frame
    EXPECT_EQ(hovered.pixel(93, 24), RgbOf(clBtnShadow));

    QTest::mousePress(main.insert, Qt::LeftButton, {}, Centre(main.insert));
    EXPECT_EQ(main.insert->State(), TToolButtonState::Down);
    const QImage pressed = RenderButton(*main.insert);
    EXPECT_EQ(pressed.pixel(0, 0), RgbOf(clBtnShadow));  // sunken frame
    EXPECT_EQ(pressed.pixel(93, 24), RgbOf(clBtnHighlight));
    EXPECT_EQ(Part(pressed, {5, 5, 16, 16}), OnFace(main.images->Image(0)));  // moved 1 right, 1 down
    EXPECT_LT(DarkestGrey(pressed, {25, 7, 66, 13}), 40);                     // the caption stays readable

    const QPoint off(main.insert->width() + 30, 40);
    QTest::mouseMove(main.insert, off);
    EXPECT_EQ(main.insert->State(), TToolButtonState::Up);
    QTest::mouseRelease(main.insert, Qt::LeftButton, {}, off);
    EXPECT_TRUE(main.log.isEmpty());
    EXPECT_EQ(main.insert->State(), TToolButtonState::Up);
    EXPECT_FALSE(main.insert->MouseInControl());
    EXPECT_EQ(RenderButton(*main.insert), idle);

    SaveSnapshot(idle, QStringLiteral("tool_button_idle"));
    SaveSnapshot(hovered, QStringLiteral("tool_button_hovered"));
    SaveSnapshot(pressed, QStringLiteral("tool_button_pressed"));
}

TEST(ToolButton, AClickRaisesOnClickOnceAndLeavesTheButtonHovered)
{
    MainToolbar main;
    QTest::mouseMove(main.post, Centre(main.post));
    QTest::mouseClick(main.post, Qt::LeftButton, {}, Centre(main.post));
    EXPECT_EQ(main.log, QStringList{QStringLiteral("Click Post")});
    EXPECT_EQ(main.post->State(), TToolButtonState::Up);
    EXPECT_TRUE(main.post->MouseInControl());

    // Dragging off and back before the release still clicks.
    QTest::mousePress(main.remove, Qt::LeftButton, {}, Centre(main.remove));
    QTest::mouseMove(main.remove, QPoint(-20, 5));
    QTest::mouseMove(main.remove, Centre(main.remove));
    EXPECT_EQ(main.remove->State(), TToolButtonState::Down);
    QTest::mouseRelease(main.remove, Qt::LeftButton, {}, Centre(main.remove));
    EXPECT_EQ(main.log.size(), 2);
    EXPECT_EQ(main.log.last(), QStringLiteral("Click Delete Record"));

    main.preview->setEnabled(false);
    QTest::mouseClick(main.preview, Qt::LeftButton, {}, Centre(main.preview));
    EXPECT_EQ(main.log.size(), 2);
}

TEST(ToolButton, GroupedButtonsLatchInTurn)
{
    MainToolbar main;
    for (TRzToolButton* b : {main.insert, main.remove})
        b->SetGroupIndex(1);
    QTest::mouseClick(main.insert, Qt::LeftButton, {}, Centre(main.insert));
    EXPECT_TRUE(main.insert->Down());
    EXPECT_EQ(main.insert->State(), TToolButtonState::Exclusive);

    QTest::mouseClick(main.remove, Qt::LeftButton, {}, Centre(main.remove));
    EXPECT_TRUE(main.remove->Down());
    EXPECT_FALSE(main.insert->Down());
    EXPECT_EQ(main.insert->State(), TToolButtonState::Up);

    // The last one down stays down unless the group allows all up.
    QTest::mouseClick(main.remove, Qt::LeftButton, {}, Centre(main.remove));
    EXPECT_TRUE(main.remove->Down());
    main.remove->SetAllowAllUp(true);
    QTest::mouseClick(main.remove, Qt::LeftButton, {}, Centre(main.remove));
    EXPECT_FALSE(main.remove->Down());
    EXPECT_EQ(main.log.size(), 4);

    main.post->SetDown(true);  // no group: cannot latch
    EXPECT_FALSE(main.post->Down());
}

TEST(ToolButton, DropDownPartOpensTheMenuButNotAgainOnThePressThatClosedIt)
{
    MainToolbar main;
    QMenu menu;
    menu.addAction(QStringLiteral("First"));
    main.setting->SetToolStyle(tsDropDown);
    main.setting->SetDropDownMenu(&menu);
    int dropDowns = 0;
    main.setting->OnDropDown = [&](QObject*) { ++dropDowns; };
    EXPECT_EQ(main.setting->width(), 67 + 14);

    const QPoint arrow(main.setting->width() - 7, 12);
    QTest::mousePress(main.setting, Qt::LeftButton, {}, arrow);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(main.setting->State(), TToolButtonState::Dropped);
    menu.hide();
    EXPECT_EQ(main.setting->State(), TToolButtonState::Up);

    QTest::mousePress(main.setting, Qt::LeftButton, {}, arrow);  // the press that closed it
    EXPECT_EQ(dropDowns, 1);
    QTest::mouseRelease(main.setting, Qt::LeftButton, {}, arrow);

    SetClock([] { return FixedNow() + 100.0 / kMillisecondsPerDay; });
    QTest::mousePress(main.setting, Qt::LeftButton, {}, arrow);
    EXPECT_EQ(dropDowns, 2);
    menu.hide();

    // The main part still clicks.
    SetClock([] { return FixedNow() + 1; });
    QTest::mouseClick(main.setting, Qt::LeftButton, {}, QPoint(10, 12));
    EXPECT_EQ(main.log, QStringList{QStringLiteral("Click Settings")});
    EXPECT_EQ(dropDowns, 2);
}

TEST(ToolButton, AcceleratorLetterClicksAnEnabledButton)
{
    MainToolbar main;
    main.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.window.get()));
    main.post->SetCaption(QStringLiteral("&Post"));
    EXPECT_EQ(main.post->width(), 60);
    QTest::keyClick(main.window.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(main.log, QStringList{QStringLiteral("Click Post")});

    main.post->setEnabled(false);
    QTest::keyClick(main.window.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(main.log.size(), 1);
}

TEST(ToolButton, HintShowsOnlyWhileShowHintIsOnSomewhereUpTheParents)
{
    MainToolbar main;
    auto askForTooltip = [&] {
        QHelpEvent help(QEvent::ToolTip, Centre(main.setting), main.setting->mapToGlobal(Centre(main.setting)));
        QApplication::sendEvent(main.setting, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_FALSE(main.setting->ShowHint());
    EXPECT_EQ(askForTooltip(), QString());

    SetShowHint(*main.window, true);
    main.setting->SetShowHint(false);  // its own setting wins over the window's
    EXPECT_FALSE(main.setting->ParentShowHint());
    EXPECT_EQ(askForTooltip(), QString());

    main.setting->SetParentShowHint(true);
    EXPECT_TRUE(main.setting->ShowHint());
    EXPECT_EQ(askForTooltip(), QStringLiteral("Utilities"));
    QToolTip::hideText();
}

TEST(ToolButton, LooksOfTheMainToolbar)
{
    MainToolbar main;
    SaveSnapshot(main.Render(), QStringLiteral("toolbar_idle"));
    QTest::mouseMove(main.preview, Centre(main.preview));
    const QImage hovered = main.Render();
    SaveSnapshot(hovered, QStringLiteral("toolbar_hovered"));
    QTest::mousePress(main.preview, Qt::LeftButton, {}, Centre(main.preview));
    const QImage pressed = main.Render();
    SaveSnapshot(pressed, QStringLiteral("toolbar_pressed"));
    QTest::mouseRelease(main.preview, Qt::LeftButton, {}, Centre(main.preview));
    main.remove->setEnabled(false);
    SaveSnapshot(main.Render(), QStringLiteral("toolbar_disabled"));

    const QPoint corner = main.preview->pos();
    EXPECT_EQ(hovered.pixel(corner), RgbOf(clBtnHighlight));
    EXPECT_EQ(pressed.pixel(corner), RgbOf(clBtnShadow));
}
