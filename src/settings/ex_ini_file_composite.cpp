#include "ex_ini_file.h"

#include "ini_update_batch.h"

#include "platform/screen_info.h"
#include "platform/window_placement.h"

#include <array>

namespace {

QString Key(const QString& item, const QString& suffix) { return item + QLatin1Char('.') + suffix; }
QString Key(const QString& item, const char* suffix) { return Key(item, QLatin1String(suffix)); }

constexpr int kStoredStyleBits = fsBold | fsItalic | fsUnderline | fsStrikeOut;

// The placement members in the order they are written and read.
struct PlacementKey {
    const char* suffix;
    int& (*member)(TWindowPlacement&);
};

const std::array<PlacementKey, 8> kPlacementKeys{{
    {"Flags", [](TWindowPlacement& p) -> int& { return p.flags; }},
    {"Show", [](TWindowPlacement& p) -> int& { return p.showCmd; }},
    {"MaxX", [](TWindowPlacement& p) -> int& { return p.ptMaxPosition.rx(); }},
    {"MaxY", [](TWindowPlacement& p) -> int& { return p.ptMaxPosition.ry(); }},
    {"X", [](TWindowPlacement& p) -> int& { return p.rcNormalPosition.left; }},
    {"Y", [](TWindowPlacement& p) -> int& { return p.rcNormalPosition.top; }},
    {"XSize", [](TWindowPlacement& p) -> int& { return p.rcNormalPosition.right; }},
    {"YSize", [](TWindowPlacement& p) -> int& { return p.rcNormalPosition.bottom; }},
}};

// A member of a window's outer bounds and the key suffix it is stored under.
struct FrameKey {
    const char* suffix;
    int (*get)(const QRect& frame);
    void (*set)(QWidget* window, int value);
};
using FrameKeys = std::array<FrameKey, 2>;

const FrameKeys kPositionKeys{{
    {"X", [](const QRect& frame) { return frame.left(); }, SetWindowLeft},
    {"Y", [](const QRect& frame) { return frame.top(); }, SetWindowTop},
}};

const FrameKeys kSizeKeys{{
    {"XSize", [](const QRect& frame) { return frame.width(); }, SetWindowWidth},
    {"YSize", [](const QRect& frame) { return frame.height(); }, SetWindowHeight},
}};

void WriteFrameKeys(TExIniFile& ini, const QString& section, const QString& item, const QWidget* window,
                    const FrameKeys& keys)
{
    const QRect frame = WindowFrame(window);
    TIniUpdateBatch batch(ini);
    for (const FrameKey& key : keys)
        ini.WriteInteger(section, Key(item, key.suffix), key.get(frame));
    batch.Commit();
}

// One member after the other, each defaulting to the window's value at that moment.
void ReadFrameKeys(const TExIniFile& ini, const QString& section, const QString& item, QWidget* window,
                   const FrameKeys& keys)
{
    for (const FrameKey& key : keys)
        key.set(window, ini.ReadInteger(section, Key(item, key.suffix), key.get(WindowFrame(window))));
}

}  // namespace

void TExIniFile::WriteFont(const QString& section, const QString& item, const TFontDesc& value)
{
    TIniUpdateBatch batch(*this);
    WriteUnfenced(section, Key(item, "Name"), value.name);
    WriteInteger(section, Key(item, "Size"), value.Size());
    WriteInteger(section, Key(item, "Style"), value.style & kStoredStyleBits);
    WriteColor(section, Key(item, "Color"), value.color);
    batch.Commit();
}

void TExIniFile::ReadFont(const QString& section, const QString& item, TFontDesc& font) const
{
    TFontDesc fresh;
    fresh.pixelsPerInch = ScreenPixelsPerInch();
    fresh.name = ReadUnfenced(section, Key(item, "Name"), font.name);
    fresh.SetSize(ReadInteger(section, Key(item, "Size"), font.Size()));
    fresh.style = static_cast<TFontStyles>(ReadInteger(section, Key(item, "Style"), font.style) & kStoredStyleBits);
    fresh.color = ReadColor(section, Key(item, "Color"), font.color);
    font = fresh;
}

void TExIniFile::WriteForm(const QString& section, const QString& item, QWidget* form)
{
    TWindowPlacement placement = GetWindowPlacement(form);
    TIniUpdateBatch batch(*this);
    for (const PlacementKey& key : kPlacementKeys)
        WriteInteger(section, Key(item, key.suffix), key.member(placement));
    batch.Commit();
}

void TExIniFile::ReadForm(const QString& section, const QString& item, QWidget* form) const
{
    TWindowPlacement placement = GetWindowPlacement(form);
    for (const PlacementKey& key : kPlacementKeys) {
        int& member = key.member(placement);
        member = ReadInteger(section, Key(item, key.suffix), member);
    }
    SetWindowPlacement(form, placement);
}

void TExIniFile::WriteFormPos(const QString& section, const QString& item, const QWidget* value)
{
    WriteFrameKeys(*this, section, item, value, kPositionKeys);
}

void TExIniFile::ReadFormPos(const QString& section, const QString& item, QWidget* form) const
{
    ReadFrameKeys(*this, section, item, form, kPositionKeys);
}

void TExIniFile::WriteFormSize(const QString& section, const QString& item, const QWidget* value)
{
    WriteFrameKeys(*this, section, item, value, kSizeKeys);
}

void TExIniFile::ReadFormSize(const QString& section, const QString& item, QWidget* form) const
{
    ReadFrameKeys(*this, section, item, form, kSizeKeys);
}

void TExIniFile::WriteList(const QString& section, const QString& item, const QStringList& value)
{
    TIniUpdateBatch batch(*this);
    WriteInteger(section, Key(item, "Count"), static_cast<int>(value.size()));
    for (qsizetype i = 0; i < value.size(); ++i)
        WriteUnfenced(section, Key(item, QString::number(i)), value[i]);
    batch.Commit();
}

void TExIniFile::ReadList(const QString& section, const QString& item, QStringList& list) const
{
    const int count = ReadInteger(section, Key(item, "Count"), static_cast<int>(list.size()));
    QStringList strings;
    for (int i = 0; i < count; ++i)
        strings << ReadUnfenced(section, Key(item, QString::number(i)), i < list.size() ? list[i] : QString());
    list = strings;
}
