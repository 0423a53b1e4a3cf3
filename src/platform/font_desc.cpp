#include "font_desc.h"

#include "rounding.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>
#include <QtEndian>

#include <cmath>

namespace {

uint16_t ReadUInt16(const QByteArray& table, int offset)
{
    if (table.size() < offset + 2)
        return 0;
    return qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(table.constData()) + offset);
}

struct VerticalUnits {
    double unitsPerEm = 0;
    double winAscent = 0;
    double winDescent = 0;
    bool Valid() const { return unitsPerEm > 0 && winAscent + winDescent > 0; }
};

VerticalUnits ReadVerticalUnits(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    return {double(ReadUInt16(head, 18)), double(ReadUInt16(os2, 74)), double(ReadUInt16(os2, 76))};
}

QFont BaseQFont(const TFontDesc& font)
{
    QFont q(font.name);
    q.setBold(font.style & fsBold);
    q.setItalic(font.style & fsItalic);
    q.setUnderline(font.style & fsUnderline);
    q.setStrikeOut(font.style & fsStrikeOut);
    q.setHintingPreference(QFont::PreferVerticalHinting);
    q.setKerning(false);
    return q;
}

}  // namespace

int TFontDesc::Size() const { return -MulDivRound(height, 72, pixelsPerInch); }

void TFontDesc::SetSize(int points) { height = -MulDivRound(points, pixelsPerInch, 72); }

double EmPixels(const TFontDesc& font)
{
    if (font.height < 0)
        return -font.height;
    if (font.height == 0)
        return 11;
    // A cell height: the em is the part of the cell without the internal leading.
    QFont probe = BaseQFont(font);
    probe.setPixelSize(100);
    const VerticalUnits u = ReadVerticalUnits(probe);
    if (!u.Valid())
        return font.height;
    return font.height * u.unitsPerEm / (u.winAscent + u.winDescent);
}

QFont ToQFont(const TFontDesc& font)
{
    QFont q = BaseQFont(font);
    q.setPixelSize(std::max(1, RoundHalfEven(EmPixels(font))));
    return q;
}

TextMetrics FontMetrics(const TFontDesc& font)
{
    const QFont q = ToQFont(font);
    const VerticalUnits u = ReadVerticalUnits(q);
    if (!u.Valid()) {
        const QFontMetricsF m(q);
        return {RoundHalfEven(m.ascent()), RoundHalfEven(m.descent())};
    }
    const double ppem = q.pixelSize();
    return {RoundHalfEven(u.winAscent * ppem / u.unitsPerEm), RoundHalfEven(u.winDescent * ppem / u.unitsPerEm)};
}

int TextHeight(const TFontDesc& font) { return FontMetrics(font).Height(); }

int TextWidth(const TFontDesc& font, const QString& text)
{
    return RoundHalfEven(QFontMetricsF(ToQFont(font)).horizontalAdvance(text));
}

QSize TextExtent(const TFontDesc& font, const QString& text) { return {TextWidth(font, text), TextHeight(font)}; }

void RegisterPlatformFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "marlett.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file));
}
