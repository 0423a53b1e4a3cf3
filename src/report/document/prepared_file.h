#pragma once

#include <QString>

class QIODevice;
class TfrxIOTransport;
class TfrxPreviewPages;
struct TfrxPreparedContent;

// Prepared report files of a store. Saving adds to the store's tree the sections only a file
// needs ("report", "sourcepages", "dictionary", "picturecache", "postprocessing") and writes the
// whole tree. Loading reads a whole file aside first: only one that reads without error replaces
// the store's content and the report's file settings.
class TfrxPreparedFile {
public:
    explicit TfrxPreparedFile(TfrxPreviewPages& pages) : pages_(pages) {}

    void Save(QIODevice& stream);
    // A damaged file raises TfrxInvalidXMLException and leaves the store as it was.
    void Load(QIODevice& stream, bool allowPartialLoading = false);
    // Whether the file exists; a missing file loads nothing unless told to raise an Exception.
    bool LoadFromFile(const QString& fileName, bool exceptionIfNotFound = false);
    // Saves through a file transport whose folder is the file's.
    void SaveToFile(const QString& fileName);
    // Saves through the transport; false, with nothing written, when it did not open (its
    // dialog was cancelled). A failure raises an Exception and keeps nothing of the stream.
    bool SaveToFilter(TfrxIOTransport& transport, const QString& fileName = QString());

private:
    // The sections, in prepared_file_sections.cpp.
    void WriteSections();
    void ReadReportSettings();
    static void ReadSourcePages(TfrxPreparedContent& read);
    static void ReadDictionary(TfrxPreparedContent& read);
    static void ReadPictureCache(TfrxPreparedContent& read);
    static void ReadPostProcessing(TfrxPreparedContent& read);

    TfrxPreviewPages& pages_;
};
