#include "frx_font.h"

TfrxFont::TfrxFont(QObject* owner) : TfrxPersistent(owner), desc_(DefaultDesc()) {}

TFontDesc TfrxFont::DefaultDesc()
{
    TFontDesc desc;
    desc.name = QStringLiteral("Arial");
    desc.color = clBlack;
    desc.charset = DEFAULT_CHARSET;
    desc.pixelsPerInch = 96;
    desc.SetSize(10);
    return desc;
}

void TfrxFont::SetDesc(const TFontDesc& desc)
{
    if (desc == desc_)
        return;
    desc_ = desc;
    if (OnChange)
        OnChange();
}

void TfrxFont::SetCharset(int value) { Modify([&](TFontDesc& d) { d.charset = value; }); }
void TfrxFont::SetColor(TColor value) { Modify([&](TFontDesc& d) { d.color = value; }); }
void TfrxFont::SetHeight(int value) { Modify([&](TFontDesc& d) { d.height = value; }); }
void TfrxFont::SetName(const QString& value) { Modify([&](TFontDesc& d) { d.name = value; }); }
void TfrxFont::SetPitch(TfrxFontPitch value) { Modify([&](TFontDesc& d) { d.pitch = value; }); }
void TfrxFont::SetSize(int points) { Modify([&](TFontDesc& d) { d.SetSize(points); }); }
void TfrxFont::SetStyle(TfrxFontStyles value)
{
    Modify([&](TFontDesc& d) { d.style = static_cast<TFontStyles>(value.toInt()); });
}
