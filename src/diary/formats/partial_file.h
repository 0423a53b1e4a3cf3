#pragma once

#include <QString>

// A file written beside its target under a hidden name, and put in the target's place only once it
// is complete, so that the target is either the old file or the new one and never a part of one.
// However writing ends, the hidden file goes: an error or a return removes it here, and a signal
// that ends the process (see EndOnSignalsRemovingPartialFiles) removes it before the process ends.
class PartialFile {
public:
    // Creates the empty hidden file in the target's folder; raises CannotCreateFile when it cannot.
    explicit PartialFile(const QString& target);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    QString FileName() const { return fileName_; }
    // Puts the complete file in the target's place at once; raises CannotCreateFile when it cannot,
    // and the target stays as it was.
    void Commit();

private:
    QString target_;
    QString fileName_;
    bool committed_ = false;
};

// From now on SIGTERM, SIGINT and SIGHUP end the process at once, with the exit code 128 plus the
// signal's number, after removing every partial file that exists at the time. Call it before the
// process starts any other thread: each thread started afterwards leaves these signals to the one
// thread that waits for them, so that the removal runs as ordinary code and not in a handler.
void EndOnSignalsRemovingPartialFiles();
