#include "platform/dialogs.h"
#include "platform/font_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

template <typename Control>
Control* Find(const QWidget& dialog, const char* name)
{
    auto* control = dialog.findChild<Control*>(QLatin1String(name));
    if (!control)
        throw std::runtime_error(std::string("no control ") + name);
    return control;
}

void ClickItem(QListWidget& list, const QString& text)
{
    const QList<QListWidgetItem*> items = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    list.scrollToItem(items[0]);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(items[0]).center());
}

// The user's choices in the dialog: bold italic 14 pt, struck out and underlined, in maroon.
void PickBoldItalicMaroon(QWidget& dialog)
{
    ClickItem(*Find<QListWidget>(dialog, "StyleList"), QStringLiteral("Bold Italic"));
    ClickItem(*Find<QListWidget>(dialog, "SizeList"), QStringLiteral("14"));
    QTest::keyClick(Find<QCheckBox>(dialog, "StrikeOutCheck"), Qt::Key_Space);
    QTest::keyClick(Find<QCheckBox>(dialog, "UnderlineCheck"), Qt::Key_Space);
    auto* colors = Find<QComboBox>(dialog, "ColorBox");
    colors->setCurrentIndex(colors->findText(QStringLiteral("Maroon")));
}

TFontDesc BoldItalicMaroon(TFontDesc font)
{
    font.SetSize(14);
    font.style = fsBold | fsItalic | fsUnderline | fsStrikeOut;
    font.color = clMaroon;
    return font;
}

}  // namespace

TEST(FontDialog, OkWithoutChangesGivesTheSameFontBack)
{
    TFontDesc styled;
    styled.height = -16;
    styled.style = fsBold | fsUnderline;
    styled.color = clRed;
    TFontDesc foreign;  // a face that is not installed, a cell height and an uncommon colour
    foreign.name = QStringLiteral("No Such Face");
    foreign.height = 20;
    foreign.style = fsItalic | fsStrikeOut;
    foreign.color = RGB(0x12, 0x34, 0x56);
    foreign.charset = 128;
    foreign.pitch = 1;
    for (const TFontDesc& font : {TFontDesc{}, styled, foreign}) {
        SCOPED_TRACE(font.name.toStdString() + " " + std::to_string(font.height));
        const FontDialog dialog(font);
        EXPECT_EQ(dialog.SelectedFont(), font);
    }
}

TEST(FontDialog, ShowsTheFontAndGivesWhatTheUserPicked)
{
    const TFontDesc initial;  // Tahoma 8 pt in the window text colour
    FontDialog dialog(initial);
    dialog.show();
    EXPECT_EQ(Find<QListWidget>(dialog, "FaceList")->currentItem()->text(), QStringLiteral("Tahoma"));
    EXPECT_EQ(Find<QListWidget>(dialog, "StyleList")->currentItem()->text(), QStringLiteral("Regular"));
    EXPECT_EQ(Find<QSpinBox>(dialog, "SizeBox")->value(), 8);
    EXPECT_EQ(Find<QComboBox>(dialog, "ColorBox")->currentText(), QStringLiteral("Automatic"));

    PickBoldItalicMaroon(dialog);
    EXPECT_EQ(dialog.SelectedFont(), BoldItalicMaroon(initial));
    const QLabel* sample = Find<QLabel>(dialog, "Sample");
    EXPECT_TRUE(sample->font().bold());
    EXPECT_TRUE(sample->font().italic());
    EXPECT_TRUE(sample->font().underline());
    EXPECT_TRUE(sample->font().strikeOut());
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));

    // Another face; the size typed rather than picked.
    QListWidget* faces = Find<QListWidget>(dialog, "FaceList");
    const QString other = faces->item(faces->item(0)->text() == QStringLiteral("Tahoma") ? 1 : 0)->text();
    ClickItem(*faces, other);
    QSpinBox* size = Find<QSpinBox>(dialog, "SizeBox");
    size->selectAll();
    QTest::keyClicks(size, QStringLiteral("13"));
    EXPECT_EQ(Find<QListWidget>(dialog, "SizeList")->currentItem(), nullptr);  // 13 is not listed
    TFontDesc expected = BoldItalicMaroon(initial);
    expected.name = other;
    expected.SetSize(13);
    EXPECT_EQ(dialog.SelectedFont(), expected);
}

TEST(FontDialog, ServiceAnswersTheChosenFontOnOkAndNothingOnCancel)
{
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        // Answers the dialog once it runs; until then there is nothing modal to wait for.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answer.stop();
            try {
                PickBoldItalicMaroon(*dialog);
            } catch (const std::exception& error) {
                ADD_FAILURE() << error.what();
            }
            ok ? dialog->accept() : dialog->reject();
        });
        answer.start(10);
        const TFontDesc initial;
        const std::optional<TFontDesc> chosen = Dialogs().ChooseFont(initial);
        if (ok) {
            ASSERT_TRUE(chosen.has_value());
            EXPECT_EQ(*chosen, BoldItalicMaroon(initial));
        } else {
            EXPECT_FALSE(chosen.has_value());
        }
    }
}
