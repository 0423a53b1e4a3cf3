#include "ex_ini_file.h"

#include "value_text.h"

#include "platform/locale_text.h"

#include <QIODevice>

namespace {

// A stored text through a locale conversion; Default when it is empty or does not convert.
template <typename T, typename Convert>
T ConvertedOr(const QString& text, T defaultValue, Convert convert)
{
    T value{};
    return !text.isEmpty() && convert(text, value) ? value : defaultValue;
}

}  // namespace

int TExIniFile::ReadHex(const QString& section, const QString& item, int defaultValue) const
{
    const QString defaultText = QStringLiteral("0x") + HexDigits(static_cast<uint32_t>(defaultValue));
    const QString stored = ReadUnfenced(section, item, defaultText);
    // Whatever the first two characters are, they stand for the "0x".
    return StrToInt32(QLatin1Char('$') + stored.mid(2, 8));
}

void TExIniFile::WriteHex(const QString& section, const QString& item, int value)
{
    WriteUnfenced(section, item, QStringLiteral("0x") + HexDigits(static_cast<uint32_t>(value)));
}

TColor TExIniFile::ReadColor(const QString& section, const QString& item, TColor defaultValue) const
{
    return static_cast<TColor>(ReadHex(section, item, static_cast<int>(defaultValue)));
}

void TExIniFile::WriteColor(const QString& section, const QString& item, TColor value)
{
    WriteHex(section, item, static_cast<int>(value));
}

TDateTime TExIniFile::ReadDate(const QString& section, const QString& name, TDateTime defaultValue) const
{
    return ConvertedOr(ReadRaw(section, name), defaultValue,
                       [](const QString& text, TDateTime& value) { return TryStrToDate(text, value); });
}

void TExIniFile::WriteDate(const QString& section, const QString& name, TDateTime value)
{
    WriteUnfenced(section, name, DateToStr(value));
}

TDateTime TExIniFile::ReadDateTime(const QString& section, const QString& name, TDateTime defaultValue) const
{
    return ConvertedOr(ReadRaw(section, name), defaultValue,
                       [](const QString& text, TDateTime& value) { return TryStrToDateTime(text, value); });
}

void TExIniFile::WriteDateTime(const QString& section, const QString& name, TDateTime value)
{
    WriteUnfenced(section, name, DateTimeToStr(value));
}

TDateTime TExIniFile::ReadTime(const QString& section, const QString& name, TDateTime defaultValue) const
{
    return ConvertedOr(ReadRaw(section, name), defaultValue, TryStrToTime);
}

void TExIniFile::WriteTime(const QString& section, const QString& name, TDateTime value)
{
    WriteUnfenced(section, name, TimeToStr(value));
}

double TExIniFile::ReadFloat(const QString& section, const QString& name, double defaultValue) const
{
    return ConvertedOr(ReadRaw(section, name), defaultValue,
                       [](const QString& text, double& value) { return TryStrToFloat(text, value); });
}

void TExIniFile::WriteFloat(const QString& section, const QString& name, double value)
{
    WriteUnfenced(section, name, FloatToStr(value));
}

int TExIniFile::ReadBinaryStream(const QString& section, const QString& name, QIODevice& value) const
{
    const QString text = ReadRaw(section, name);
    if (text.isEmpty())
        return 0;
    const QByteArray bytes = HexToBytes(text);
    const qint64 start = value.pos();
    value.write(bytes);
    if (value.isSequential())
        return static_cast<int>(bytes.size());
    value.seek(start);
    return static_cast<int>(value.size() - start);
}

void TExIniFile::WriteBinaryStream(const QString& section, const QString& name, QIODevice& value)
{
    WriteUnfenced(section, name, BytesToHex(value.readAll()));
}
