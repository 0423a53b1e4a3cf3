#include "file_replace.h"

#include "settings_errors.h"

#include <QFile>
#include <QSaveFile>

namespace {

[[noreturn]] void ThrowCreateError(const QString& path, const QString& reason)
{
    throw EFCreateError(QStringLiteral("ファイル %1 を作成できません。%2").arg(path, reason));
}

}  // namespace

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("ファイル %1 を開けません。%2").arg(path, file.errorString()));
    return file.readAll();
}

void ReplaceFileBytes(const QString& path, const QByteArray& bytes)
{
    // An empty name would otherwise make a temporary file in the current directory.
    if (path.isEmpty())
        ThrowCreateError(path, QStringLiteral("No file name"));
    QSaveFile file(path);
    // Unbuffered, so that a write cut short by a full disk shows in write()'s count; a buffered
    // save file can report success for it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowCreateError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        ThrowCreateError(path, reason);
    }
    if (!file.commit())
        ThrowCreateError(path, file.errorString());
}
