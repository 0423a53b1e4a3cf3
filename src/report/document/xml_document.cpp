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

void TfrxXMLDocument::RemoveSwapFile() { swapFile_.reset(); }

QTemporaryFile& TfrxXMLDocument::SwapFile()
{
    if (!swapFile_) {
        const QDir dir(TempDir.isEmpty() ? QDir::tempPath() : TempDir);
        auto file = std::make_unique<QTemporaryFile>(dir.filePath(QStringLiteral("frxswap-XXXXXX")));
        if (!file->open())
            throw CannotCreateFile(dir.filePath(QStringLiteral("frxswap")), file->errorString());
        swapFile_ = std::move(file);
    }
    return *swapFile_;
}

// The element is written whole at the end of the swap file; its children are then freed.
void TfrxXMLDocument::UnloadItem(TfrxXMLItem& item)
{
    if (!item.Loaded())
        return;
    const bool copyHolds = swapFile_ && item.SwapCopyChange() != 0 && item.SwapCopyChange() == item.LastChange();
    if (!copyHolds) {
        QTemporaryFile& file = SwapFile();
        const qint64 offset = file.size();
        bool written = file.seek(offset);
        if (written) {
            TfrxXMLWriter writer(file);
            writer.WriteRootItem(item);
        }
        written = written && file.flush() && file.error() == QFileDevice::NoError;
        if (!written) {
            const QString reason = file.errorString();
            file.unsetError();
            file.resize(offset);
            throw CannotCreateFile(file.fileName(), reason);
        }
        item.SetOffset(offset);
    }
    item.Clear();
    item.SetLoaded(false);
}

void TfrxXMLDocument::LoadItem(TfrxXMLItem& item)
{
    if (item.Loaded())
        return;
    if (!swapFile_ || !swapFile_->seek(item.Offset()))
        throw CannotOpenFile(swapFile_ ? swapFile_->fileName() : QStringLiteral("frxswap"));
    TfrxXMLItem copy;
    TfrxXMLReader reader(*swapFile_);
    reader.ReadRootItem(copy);
    while (copy.Count() > 0)
        item.AddItem(copy.TakeItem(0));
    item.SetLoaded(true);
    item.SetSwapCopyChange(item.LastChange());
}
