#pragma once

#include <QFileInfo>
#include <QString>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>

// Watches one file name in its folder as the kernel reports it. A file replaced the safe way
// arrives whole under the name (created, linked or renamed there) and is never written in place,
// so a reader or a crash only ever finds an old or a new complete file.
class FileArrivals {
public:
    struct Counts {
        int arrived = 0;         // a file appeared under the name
        int writtenInPlace = 0;  // the file under the name was written to
    };

    explicit FileArrivals(const QString& path) : name_(QFileInfo(path).fileName().toLocal8Bit())
    {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd_ >= 0)
            inotify_add_watch(fd_, QFileInfo(path).absolutePath().toLocal8Bit().constData(),
                              IN_CREATE | IN_MOVED_TO | IN_MODIFY);
    }
    ~FileArrivals()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    FileArrivals(const FileArrivals&) = delete;
    FileArrivals& operator=(const FileArrivals&) = delete;

    bool Watching() const { return fd_ >= 0; }

    // What happened since the watch began or since the last call.
    Counts Take()
    {
        Counts counts;
        alignas(inotify_event) std::array<char, 64 * 1024> buffer;
        ssize_t length;
        while ((length = read(fd_, buffer.data(), buffer.size())) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                if (event->len > 0 && std::strcmp(event->name, name_.constData()) == 0) {
                    counts.arrived += (event->mask & (IN_CREATE | IN_MOVED_TO)) ? 1 : 0;
                    counts.writtenInPlace += (event->mask & IN_MODIFY) ? 1 : 0;
                }
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return counts;
    }

private:
    QByteArray name_;
    int fd_ = -1;
};
