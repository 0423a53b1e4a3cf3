#include "xml_document.h"

#include "document_texts.h"
#include "xml_reader.h"
#include "xml_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace {

const QString kTempSuffix = QStringLiteral(".tmp");

}  // namespace

TfrxXMLDocument::TfrxXMLDocument() : root_(std::make_unique<TfrxXMLItem>()) {}

TfrxXMLDocument::~TfrxXMLDocument() = default;

TfrxXMLDocument& TfrxXMLDocument::operator=(TfrxXMLDocument&& other) noexcept = default;

void TfrxXMLDocument::SaveToStream(QIODevice& stream)
{
    TfrxXMLWriter writer(stream);
    writer.AutoIndent = AutoIndent;
    writer.WriteHeader();
    writer.WriteRootItem(
        *root_, [this](TfrxXMLItem& item) { LoadItem(item); }, [this](TfrxXMLItem& item) { UnloadItem(item); });
    writer.Flush();
}

void TfrxXMLDocument::LoadFromStream(QIODevice& stream, bool allowPartialLoading)
{
    root_ = std::make_unique<TfrxXMLItem>();
    TfrxXMLReader reader(stream);
    reader.ReadHeader();
    oldVersion_ = reader.OldFormat();
    TfrxXMLReader::SwapOut swapOut;
    if (allowPartialLoading)
        swapOut = [this](TfrxXMLItem& item) { UnloadItem(item); };
    reader.ReadRootItem(*root_, swapOut);
}

void TfrxXMLDocument::SaveToFile(const QString& fileName)
{
    const QString tempName = fileName + kTempSuffix;
    {
        QFile file(tempName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw CannotCreateFile(tempName);
        SaveToStream(file);
        if (!file.flush())
            throw CannotCreateFile(tempName);
    }
    QFile::remove(fileName);
    if (!QFile::rename(tempName, fileName))
        throw CannotCreateFile(fileName);
    LoadFromFile(fileName);
}

void TfrxXMLDocument::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw CannotOpenFile(fileName);
    LoadFromStream(file, true);
}

QTemporaryFile& TfrxXMLDocument::SwapFile()
{
    if (!swapFile_) {
        const QString dir = TempDir.isEmpty() ? QDir::tempPath() : TempDir;
        swapFile_ = std::make_unique<QTemporaryFile>(QDir(dir).filePath(QStringLiteral("frxswap-XXXXXX")));
        if (!swapFile_->open()) {
            swapFile_.reset();
            throw CannotCreateFile(QDir(dir).filePath(QStringLiteral("frxswap")));
        }
    }
    return *swapFile_;
}

// The element is written whole at the end of the swap file; its children are then freed.
void TfrxXMLDocument::UnloadItem(TfrxXMLItem& item)
{
    if (!item.Loaded())
        return;
    QTemporaryFile& file = SwapFile();
    const qint64 offset = file.size();
    file.seek(offset);
    {
        TfrxXMLWriter writer(file);
        writer.WriteRootItem(item);
    }
    if (!file.flush())
        throw CannotCreateFile(file.fileName());
    item.Clear();
    item.SetOffset(offset);
    item.SetLoaded(false);
}

void TfrxXMLDocument::LoadItem(TfrxXMLItem& item)
{
    if (item.Loaded())
        return;
    item.SetLoaded(true);
    if (!swapFile_ || !swapFile_->seek(item.Offset()))
        return;
    TfrxXMLItem copy;
    TfrxXMLReader reader(*swapFile_);
    reader.ReadRootItem(copy);
    while (copy.Count() > 0)
        item.AddItem(copy.TakeItem(0));
}
