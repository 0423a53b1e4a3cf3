#include "platform/font_desc.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(FontMetrics, TahomaEightPointHasTheDesignedHeight)
{
    TFontDesc font;  // Tahoma, height -11
    EXPECT_EQ(QFontInfo(ToQFont(font)).family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(TextHeight(font), 13);
    EXPECT_GT(TextWidth(font, QStringLiteral("0")), 4);
    EXPECT_LT(TextWidth(font, QStringLiteral("0")), 8);
}

TEST(FontMetrics, SizeAndHeightFollowThePixelsPerInch)
{
    TFontDesc font;
    font.pixelsPerInch = 120;
    font.SetSize(8);
    EXPECT_EQ(font.height, -13);
    EXPECT_EQ(font.Size(), 8);
    font.SetSize(12);
    EXPECT_EQ(font.height, -20);
}

TEST(FontMetrics, BoldTextIsWiderThanRegular)
{
    TFontDesc regular;
    TFontDesc bold = regular;
    bold.style = fsBold;
    const QString text = QStringLiteral("Wednesday");
    EXPECT_GT(TextWidth(bold, text), TextWidth(regular, text));
}

TEST(FontMetrics, JapaneseTextHasAFont)
{
    TFontDesc font;
    // Japanese captions must render with real glyphs, never as empty boxes.
    EXPECT_TRUE(QFontMetrics(ToQFont(font)).inFont(QChar(0x5370)) ||
                QFontMetrics(QFont(QStringLiteral("IPAGothic"))).inFont(QChar(0x5370)));
}
