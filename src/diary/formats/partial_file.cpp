#include "partial_file.h"

#include "report/document/document_texts.h"

#include <QFileInfo>
#include <QList>
#include <QTemporaryFile>

#include <csignal>
#include <filesystem>
#include <mutex>
#include <pthread.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalExitBase = 128;

// The partial files that exist, by their encoded paths. A file is created and listed, or renamed or
// removed and taken off the list, under the lock, so the signal's thread never sees one half done.
std::mutex partialsLock;
QList<QByteArray>& Partials()
{
    static QList<QByteArray> partials;
    return partials;
}

QByteArray Encoded(const QString& path) { return QFile::encodeName(path); }

void Unlist(const QString& path) { Partials().removeOne(Encoded(path)); }

sigset_t EndingSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kEndingSignals)
        sigaddset(&set, signal);
    return set;
}

[[noreturn]] void EndOnSignal(sigset_t set)
{
    int signal = 0;
    while (sigwait(&set, &signal) != 0) {
    }
    // Held until the process is gone: nothing can create, rename or list a file in between.
    partialsLock.lock();
    for (const QByteArray& path : Partials())
        ::unlink(path.constData());
    ::_exit(kSignalExitBase + signal);
}

}  // namespace

PartialFile::PartialFile(const QString& target) : target_(target)
{
    const QFileInfo info(target);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    const std::lock_guard lock(partialsLock);
    if (!file.open())
        throw CannotCreateFile(target, file.errorString());
    fileName_ = file.fileName();
    Partials().append(Encoded(fileName_));
}

PartialFile::~PartialFile()
{
    if (committed_)
        return;
    const std::lock_guard lock(partialsLock);
    QFile::remove(fileName_);
    Unlist(fileName_);
}

void PartialFile::Commit()
{
    QFile::setPermissions(fileName_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ReadOther);
    const std::lock_guard lock(partialsLock);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(fileName_.toStdU16String()),
                            std::filesystem::path(target_.toStdU16String()), error);
    if (error)
        throw CannotCreateFile(target_, QString::fromLocal8Bit(error.message()));
    Unlist(fileName_);
    committed_ = true;
}

void EndOnSignalsRemovingPartialFiles()
{
    const sigset_t set = EndingSignals();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::thread(EndOnSignal, set).detach();
}
