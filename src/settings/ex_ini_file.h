#pragma once

#include "ini_location.h"
#include "mem_ini_file.h"

#include "platform/colors.h"
#include "platform/date_time.h"
#include "platform/font_desc.h"

#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;
class QWidget;

// How string values are quoted in the file.
enum TFence { fcNone, fcDoubleQuote, fcSingleQuote };

// The program's settings file: where it lives, typed reads and writes of single values, and
// composite values (fonts, window placement, position, size, string lists) stored as groups of
// keys sharing a prefix. With AutoUpdate on, every write is followed by writing the whole file,
// except inside a TIniUpdateBatch, which writes it once at its end; each composite value is
// written as one batch, so the file never holds part of a font, a placement or a list.
class TExIniFile {
public:
    TExIniFile();
    ~TExIniFile();
    TExIniFile(const TExIniFile&) = delete;
    TExIniFile& operator=(const TExIniFile&) = delete;

    // Called once the owner has set the properties: without a file name the file is the
    // executable's name with ".ini", which with bdApplication lies beside the executable.
    void Loaded();

    TBaseDir BaseDir() const { return FBaseDir; }
    void SetBaseDir(TBaseDir value);
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& value);
    TFence Fence() const { return FFence; }
    void SetFence(TFence value) { FFence = value; }
    bool CaseSensitive() const { return FIniFile->CaseSensitive(); }
    void SetCaseSensitive(bool value) { FIniFile->SetCaseSensitive(value); }
    bool AutoUpdate() const { return FAutoUpdate; }
    void SetAutoUpdate(bool value) { FAutoUpdate = value; }
    // The full path of the file the store is bound to.
    const QString& FullPath() const { return FIniFile->FileName(); }

    QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const;
    QString ReadStr(const QString& section, const QString& ident, const QString& defaultValue) const
    {
        return ReadString(section, ident, defaultValue);
    }
    void WriteString(const QString& section, const QString& ident, const QString& value);
    void WriteStr(const QString& section, const QString& ident, const QString& value) { WriteString(section, ident, value); }

    int ReadInteger(const QString& section, const QString& ident, int defaultValue) const;
    int ReadInt(const QString& section, const QString& ident, int defaultValue) const
    {
        return ReadInteger(section, ident, defaultValue);
    }
    void WriteInteger(const QString& section, const QString& ident, int value);
    void WriteInt(const QString& section, const QString& ident, int value) { WriteInteger(section, ident, value); }

    bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;
    void WriteBool(const QString& section, const QString& ident, bool value);

    TDateTime ReadDate(const QString& section, const QString& name, TDateTime defaultValue) const;
    void WriteDate(const QString& section, const QString& name, TDateTime value);
    TDateTime ReadDateTime(const QString& section, const QString& name, TDateTime defaultValue) const;
    void WriteDateTime(const QString& section, const QString& name, TDateTime value);
    TDateTime ReadTime(const QString& section, const QString& name, TDateTime defaultValue) const;
    void WriteTime(const QString& section, const QString& name, TDateTime value);
    double ReadFloat(const QString& section, const QString& name, double defaultValue) const;
    void WriteFloat(const QString& section, const QString& name, double value);

    // "0x" and 8 upper-case hexadecimal digits. Reading skips the first two characters whatever
    // they are and raises EConvertError when the rest is not hexadecimal.
    int ReadHex(const QString& section, const QString& item, int defaultValue) const;
    void WriteHex(const QString& section, const QString& item, int value);
    TColor ReadColor(const QString& section, const QString& item, TColor defaultValue) const;
    void WriteColor(const QString& section, const QString& item, TColor value);

    // Decodes the stored bytes into the stream at its position and leaves the position there;
    // returns the number of bytes from that position to the stream's end (0 when nothing is stored).
    int ReadBinaryStream(const QString& section, const QString& name, QIODevice& value) const;
    // Stores the stream's bytes from its position to its end.
    void WriteBinaryStream(const QString& section, const QString& name, QIODevice& value);

    bool SectionExists(const QString& section) const { return FIniFile->SectionExists(section); }
    bool ValueExists(const QString& section, const QString& ident) const { return FIniFile->ValueExists(section, ident); }
    void ReadSection(const QString& section, QStringList& strings) const { strings = FIniFile->ReadSection(section); }
    void ReadSections(QStringList& strings) const { strings = FIniFile->ReadSections(); }
    void ReadSectionValues(const QString& section, QStringList& strings) const
    {
        strings = FIniFile->ReadSectionValues(section);
    }
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& ident);
    // Writes the whole store to its file now, changed or not.
    void UpdateFile() { FIniFile->UpdateFile(); }

    // Font: Item.Name, Item.Size, Item.Style, Item.Color.
    void WriteFont(const QString& section, const QString& item, const TFontDesc& value);
    // Keys missing fall back to the font's members; what is not stored returns to a new font's
    // defaults. The font is changed only when every key could be read.
    void ReadFont(const QString& section, const QString& item, TFontDesc& font) const;
    // Placement: Item.Flags, .Show, .MaxX, .MaxY, .X, .Y, .XSize, .YSize (the normal rectangle's
    // edges in work-area coordinates).
    void WriteForm(const QString& section, const QString& item, QWidget* form);
    void ReadForm(const QString& section, const QString& item, QWidget* form) const;
    // Position: Item.X, Item.Y, the window's left and top on the screen.
    void WriteFormPos(const QString& section, const QString& item, const QWidget* value);
    void ReadFormPos(const QString& section, const QString& item, QWidget* form) const;
    // Size: Item.XSize, Item.YSize, the window's outer width and height.
    void WriteFormSize(const QString& section, const QString& item, const QWidget* value);
    void ReadFormSize(const QString& section, const QString& item, QWidget* form) const;
    // List: Item.Count, then Item.0, Item.1 and so on.
    void WriteList(const QString& section, const QString& item, const QStringList& value);
    void ReadList(const QString& section, const QString& item, QStringList& list) const;

private:
    friend class TIniUpdateBatch;

    void Locate();
    // The one place a change reaches the file.
    void Changed();
    void BeginBatch() { ++FBatchDepth; }
    // The outermost batch writes the file when anything changed in it (and AutoUpdate is on).
    void EndBatch();
    // Strings written and read for composite values: never wrapped, stored values still unwrapped.
    void WriteUnfenced(const QString& section, const QString& ident, const QString& value);
    QString ReadUnfenced(const QString& section, const QString& ident, const QString& defaultValue) const;
    // Raw stored text, empty when missing; for values that are never fenced.
    QString ReadRaw(const QString& section, const QString& ident) const;

    std::unique_ptr<TMemIniFile> FIniFile;
    TBaseDir FBaseDir = bdApplication;
    QString FFileName;
    TFence FFence = fcNone;
    bool FAutoUpdate = true;
    int FBatchDepth = 0;
    bool FBatchChanged = false;
};
