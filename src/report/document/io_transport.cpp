#include "io_transport.h"

#include "document_texts.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QSaveFile>

namespace {

qsizetype FolderEnd(const QString& fileName)
{
    return std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\')) + 1;
}

}  // namespace

QString ProposedFileName(const QString& fileName, const QString& ext)
{
    QString name = fileName.mid(FolderEnd(fileName));
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name + ext;
}

bool TfrxIOTransport::OpenFilter()
{
    if (OnOpened)
        OnOpened();
    return true;
}

std::unique_ptr<QIODevice> TfrxIOTransportFile::GetStream(const QString& fileName)
{
    QString path = fileName.isEmpty() ? FileName : fileName;
    if (QDir::isRelativePath(path) && !BasePath.isEmpty())
        path = QDir(BasePath).filePath(path);
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        throw CannotCreateFile(path, file->errorString());
    return file;
}

void TfrxIOTransportFile::FreeStream(std::unique_ptr<QIODevice> stream)
{
    auto* file = qobject_cast<QSaveFile*>(stream.get());
    if (!file)
        return;
    // The last buffered bytes are written on committing, and a failure there would not stop the
    // rename: they are written first.
    if (!file->flush() || file->error() != QFileDevice::NoError) {
        const QString reason = file->errorString();
        file->cancelWriting();
        throw CannotCreateFile(file->fileName(), reason);
    }
    if (!file->commit())
        throw CannotCreateFile(file->fileName(), file->errorString());
}

bool TfrxIOTransportFileDialog::OpenFilter()
{
    FileDialogRequest request;
    request.filter = FilterString;
    request.defaultExt = DefaultExt.startsWith(u'.') ? DefaultExt.mid(1) : DefaultExt;
    request.fileName = ProposedFileName(FileName, DefaultExt);
    const qsizetype folderEnd = FolderEnd(FileName);
    if (folderEnd > 0)
        request.initialDir = FileName.left(folderEnd);
    const std::optional<QString> chosen = Dialogs().SaveFileName(request);
    if (!chosen)
        return false;
    FileName = *chosen;
    return TfrxIOTransport::OpenFilter();
}
