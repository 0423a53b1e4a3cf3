#pragma once

#include "xml_item.h"

#include <QString>
#include <memory>

class QIODevice;
class QTemporaryFile;

// A text tree with its header: the root element, how it is written, and the swap file that holds
// the children of elements moved out of memory.
class TfrxXMLDocument {
public:
    TfrxXMLDocument();
    ~TfrxXMLDocument();
    // Takes over the other's tree, format flag and swap file, so a document read aside can
    // replace one in use.
    TfrxXMLDocument& operator=(TfrxXMLDocument&& other) noexcept;

    TfrxXMLItem& Root() { return *root_; }
    const TfrxXMLItem& Root() const { return *root_; }

    // Off unless set: the whole document is then one line.
    bool AutoIndent = false;
    // Set by reading: the document came with the old header.
    bool OldVersion() const { return oldVersion_; }
    // Where the swap file goes; the system's temporary folder when empty.
    QString TempDir;

    // The header, then the root element and its descendants.
    void SaveToStream(QIODevice& stream);
    // Clears the root and reads a document. With partial loading, the children of elements that
    // carry the ld="0" marker go straight to the swap file.
    void LoadFromStream(QIODevice& stream, bool allowPartialLoading = false);
    // Saves through "<name>.tmp", which then replaces the file, and loads the result back with
    // partial loading. Both raise an Exception when the file cannot be written or opened.
    void SaveToFile(const QString& fileName);
    void LoadFromFile(const QString& fileName);

    // Moves an element's children to the swap file and back. Unloading writes the children
    // unless the file still holds them unchanged; it raises an Exception, keeping the children,
    // when the file cannot be created or written. Loading raises one when the file cannot give
    // them back, and then the element stays unloaded.
    void UnloadItem(TfrxXMLItem& item);
    void LoadItem(TfrxXMLItem& item);
    // Deletes the swap file; only for a tree that no longer has elements swapped out.
    void RemoveSwapFile();
    bool HasSwapFile() const { return swapFile_ != nullptr; }

private:
    QTemporaryFile& SwapFile();

    std::unique_ptr<TfrxXMLItem> root_;
    bool oldVersion_ = false;
    std::unique_ptr<QTemporaryFile> swapFile_;
};
