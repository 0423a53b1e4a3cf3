#include "ex_ini_file.h"

#include "value_text.h"

#include <utility>

namespace {

QChar FenceChar(TFence fence) { return fence == fcDoubleQuote ? QLatin1Char('"') : QLatin1Char('\''); }

QString Wrap(const QString& value, TFence fence)
{
    if (fence == fcNone)
        return value;
    return FenceChar(fence) + value + FenceChar(fence);
}

// A value between the fence's quotes loses them; any other comes back unchanged.
QString Unwrap(const QString& text, TFence fence)
{
    if (fence == fcNone || text.size() < 2)
        return text;
    const QChar quote = FenceChar(fence);
    if (text.front() == quote && text.back() == quote)
        return text.mid(1, text.size() - 2);
    return text;
}

}  // namespace

TExIniFile::TExIniFile() { Locate(); }

// The store goes without being written; AutoUpdate has already written every change.
TExIniFile::~TExIniFile() = default;

void TExIniFile::Loaded()
{
    if (FFileName.isEmpty())
        SetFileName(DefaultIniFileName());
}

void TExIniFile::SetBaseDir(TBaseDir value)
{
    FBaseDir = value;
    Locate();
}

void TExIniFile::SetFileName(const QString& value)
{
    FFileName = value;
    Locate();
}

// Binds a fresh, case-insensitive store to the file; unsaved changes of the old one are dropped,
// those held back by a batch too.
void TExIniFile::Locate()
{
    FIniFile = std::make_unique<TMemIniFile>(IniFilePath(FFileName, FBaseDir));
    FBatchChanged = false;
}

void TExIniFile::Changed()
{
    if (FBatchDepth > 0)
        FBatchChanged = true;
    else if (FAutoUpdate)
        UpdateFile();
}

void TExIniFile::EndBatch()
{
    if (--FBatchDepth == 0 && std::exchange(FBatchChanged, false))
        Changed();
}

QString TExIniFile::ReadRaw(const QString& section, const QString& ident) const
{
    return FIniFile->ReadString(section, ident, QString());
}

QString TExIniFile::ReadUnfenced(const QString& section, const QString& ident, const QString& defaultValue) const
{
    const std::optional<QString> stored = FIniFile->Value(section, ident);
    return stored ? Unwrap(*stored, FFence) : defaultValue;
}

void TExIniFile::WriteUnfenced(const QString& section, const QString& ident, const QString& value)
{
    FIniFile->WriteString(section, ident, value);
    Changed();
}

QString TExIniFile::ReadString(const QString& section, const QString& ident, const QString& defaultValue) const
{
    return Unwrap(FIniFile->ReadString(section, ident, Wrap(defaultValue, FFence)), FFence);
}

void TExIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    WriteUnfenced(section, ident, Wrap(value, FFence));
}

int TExIniFile::ReadInteger(const QString& section, const QString& ident, int defaultValue) const
{
    int32_t value = 0;
    return TryStrToInt32(ReadRaw(section, ident), value) ? value : defaultValue;
}

void TExIniFile::WriteInteger(const QString& section, const QString& ident, int value)
{
    WriteUnfenced(section, ident, QString::number(value));
}

bool TExIniFile::ReadBool(const QString& section, const QString& ident, bool defaultValue) const
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TExIniFile::WriteBool(const QString& section, const QString& ident, bool value)
{
    WriteInteger(section, ident, value ? 1 : 0);
}

void TExIniFile::EraseSection(const QString& section)
{
    FIniFile->EraseSection(section);
    Changed();
}

void TExIniFile::DeleteKey(const QString& section, const QString& ident)
{
    FIniFile->DeleteKey(section, ident);
    Changed();
}
