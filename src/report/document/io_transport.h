#pragma once

#include <QString>
#include <functional>
#include <memory>

class QIODevice;

// Where saved prepared pages go. A transport opens (a dialog may run then), hands out a stream
// for a file name, keeps what was written to it, and closes.
class TfrxIOTransport {
public:
    virtual ~TfrxIOTransport() = default;

    // "Prepared Report (*.fp3)|*.fp3" style pairs.
    QString FilterString;
    // With its dot: ".fp3".
    QString DefaultExt;
    // Told once the transport has opened, before anything is written.
    std::function<void()> OnOpened;

    // False when the user cancelled.
    virtual bool OpenFilter();
    virtual void CloseFilter() {}
    // A stream to write the file to; raises an Exception when it cannot be created.
    virtual std::unique_ptr<QIODevice> GetStream(const QString& fileName) = 0;
    // Keeps what was written, or raises an Exception. A stream dropped without this call leaves
    // nothing behind.
    virtual void FreeStream(std::unique_ptr<QIODevice> stream) = 0;
};

// Files. A file is written whole beside its target and put in its place only once complete, so
// a save that fails leaves an existing file as it was.
class TfrxIOTransportFile : public TfrxIOTransport {
public:
    // The folder of names given without one.
    QString BasePath;
    // The file written when GetStream is given no name.
    QString FileName;

    std::unique_ptr<QIODevice> GetStream(const QString& fileName) override;
    void FreeStream(std::unique_ptr<QIODevice> stream) override;
};

// Files chosen in a save dialog, which proposes FileName without its folder and with the
// default extension, and asks before replacing a file.
class TfrxIOTransportFileDialog : public TfrxIOTransportFile {
public:
    bool OpenFilter() override;
};

// A file name without its folder ("/" or "\"), its extension replaced by `ext`.
QString ProposedFileName(const QString& fileName, const QString& ext);
