#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;
class TfrxXMLItem;

// Reads the restricted XML text of the text tree from a stream, 4096 bytes at a time.
//
// Everything outside tags is skipped. A tag runs from "<" to the next ">"; comments ("<!--" to
// "-->") are skipped. A "<" inside a tag, the end of the stream inside a tag, a closing tag that
// does not match its element (without regard to case) and a document that does not begin with
// the "?xml" header raise TfrxInvalidXMLException. The end of the stream between tags closes
// every open element: what was read so far stands.
class TfrxXMLReader {
public:
    static constexpr qsizetype kBlockSize = 4096;

    explicit TfrxXMLReader(QIODevice& stream) : stream_(stream) {}

    // Reads the header and tells the format from it: version 1.0 without "standalone=" is the
    // old format, whose attribute text is in the system code page instead of UTF-8.
    void ReadHeader();
    bool OldFormat() const { return oldFormat_; }
    void SetOldFormat(bool value) { oldFormat_ = value; }

    // Called for an element that carried the ld="0" marker once its children are read.
    using SwapOut = std::function<void(TfrxXMLItem& item)>;
    // Reads the next element and its descendants into `root`. Without a further element the
    // root stays as it is.
    void ReadRootItem(TfrxXMLItem& root, const SwapOut& swapOut = {});

private:
    struct Tag {
        QString name;
        QString text;
        bool closing = false;
        bool childless = false;
        bool swappable = false;  // carried the ld="0" marker
    };

    bool NextTag(Tag& tag);
    bool NextRawTag(QByteArray& raw, bool& comment);
    bool SkipToTagStart();
    bool Fill();
    Tag ParseTag(QByteArray& raw) const;

    QIODevice& stream_;
    char block_[kBlockSize];
    qsizetype pos_ = 0;
    qsizetype size_ = 0;
    QByteArray raw_;
    bool oldFormat_ = false;
};
