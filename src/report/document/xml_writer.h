#pragma once

#include <QByteArray>
#include <functional>

class QIODevice;
class TfrxXMLItem;

// Writes the text tree as restricted XML. Output is collected and handed to the stream whenever
// more than 4096 bytes are waiting, and at Flush.
class TfrxXMLWriter {
public:
    static constexpr qsizetype kFlushSize = 4096;

    explicit TfrxXMLWriter(QIODevice& stream) : stream_(stream) {}
    ~TfrxXMLWriter() { Flush(); }

    // With AutoIndent every tag ends with CR LF and is indented by two spaces per level.
    bool AutoIndent = false;

    void WriteHeader();
    // Loads a swapped-out element's children back before it is written and frees them after.
    using SwapIn = std::function<void(TfrxXMLItem& item)>;
    using SwapOut = std::function<void(TfrxXMLItem& item)>;
    void WriteRootItem(TfrxXMLItem& root, const SwapIn& swapIn = {}, const SwapOut& swapOut = {});
    void Flush();

private:
    void Put(const QByteArray& bytes);
    void Put(const char* text);
    void Indent(int level);
    void EndTag();
    void WriteOpening(const TfrxXMLItem& item, int level);
    void WriteClosing(const TfrxXMLItem& item, int level);

    QIODevice& stream_;
    QByteArray buffer_;
};
