#pragma once

#include "colors.h"

#include <QFont>
#include <QString>
#include <QSize>
#include <cstdint>

// Style bits as the settings file stores them.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

constexpr int DEFAULT_CHARSET = 1;

// A font as the program describes it. A negative height is the character height (em size) in
// pixels, a positive one the cell height; the point size follows from the pixels per inch.
struct TFontDesc {
    QString name = QStringLiteral("Tahoma");
    int height = -11;
    TFontStyles style = 0;
    TColor color = clWindowText;
    int charset = DEFAULT_CHARSET;
    int pitch = 0;
    int pixelsPerInch = 96;

    int Size() const;
    void SetSize(int points);
    bool operator==(const TFontDesc&) const = default;
};

// The em size in pixels that a QFont is built with.
double EmPixels(const TFontDesc& font);
QFont ToQFont(const TFontDesc& font);

// GDI-style metrics. The text height is round(winAscent * ppem / unitsPerEm) + round(winDescent *
// ppem / unitsPerEm) from the font's OS/2 table, which is what the designed layouts assume.
struct TextMetrics {
    int ascent = 0;
    int descent = 0;
    int Height() const { return ascent + descent; }
};
TextMetrics FontMetrics(const TFontDesc& font);
int TextHeight(const TFontDesc& font);
int TextWidth(const TFontDesc& font, const QString& text);
QSize TextExtent(const TFontDesc& font, const QString& text);

// Adds the Tahoma and Marlett files of the Wine fonts package when they are installed.
void RegisterPlatformFonts();
