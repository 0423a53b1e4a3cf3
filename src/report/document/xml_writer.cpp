#include "xml_writer.h"

#include "ansi_text.h"
#include "xml_item.h"

#include <QIODevice>
#include <cstring>
#include <vector>

namespace {

const char* const kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>";
const char* const kSwapMarker = "ld=\"0\"";

}  // namespace

void TfrxXMLWriter::Put(const QByteArray& bytes)
{
    buffer_ += bytes;
    if (buffer_.size() > kFlushSize)
        Flush();
}

void TfrxXMLWriter::Put(const char* text) { Put(QByteArray::fromRawData(text, qsizetype(std::strlen(text)))); }

void TfrxXMLWriter::Flush()
{
    if (buffer_.isEmpty())
        return;
    stream_.write(buffer_);
    buffer_.clear();
}

void TfrxXMLWriter::Indent(int level)
{
    if (AutoIndent)
        Put(QByteArray(2 * level, ' '));
}

void TfrxXMLWriter::EndTag()
{
    if (AutoIndent)
        Put("\r\n");
}

void TfrxXMLWriter::WriteHeader()
{
    Put(kHeader);
    EndTag();
}

// "<name attributes" followed by ">" or, for an element without children, "/>" or its value.
void TfrxXMLWriter::WriteOpening(const TfrxXMLItem& item, int level)
{
    Indent(level);
    Put("<");
    Put(EncodeAnsi(item.Name()));
    if (!item.Text().isEmpty()) {
        if (!item.Text().startsWith(u' '))
            Put(" ");
        Put(item.Text().toUtf8());
    }
    if (item.Unloadable()) {
        Put(" ");
        Put(kSwapMarker);
    }
    if (item.Count() > 0) {
        Put(">");
    } else if (!item.Value().isEmpty()) {
        Put(">");
        Put(item.Value().toUtf8());
        Put("</");
        Put(EncodeAnsi(item.Name()));
        Put(">");
    } else {
        // "</>" would read as a closing tag.
        if (item.Name().isEmpty() && item.Text().isEmpty() && !item.Unloadable())
            Put(" ");
        Put("/>");
    }
    EndTag();
}

void TfrxXMLWriter::WriteClosing(const TfrxXMLItem& item, int level)
{
    Indent(level);
    Put("</");
    Put(EncodeAnsi(item.Name()));
    Put(">");
    EndTag();
}

void TfrxXMLWriter::WriteRootItem(TfrxXMLItem& root, const SwapIn& swapIn, const SwapOut& swapOut)
{
    struct Open {
        TfrxXMLItem* item;
        int next;         // the next child to write
        bool swappedIn;   // its children were loaded for this writing
    };
    std::vector<Open> open;
    const auto enter = [&](TfrxXMLItem* item) {
        const bool swapped = !item->Loaded() && swapIn;
        if (swapped)
            swapIn(*item);
        WriteOpening(*item, int(open.size()));
        if (item->Count() > 0)
            open.push_back({item, 0, swapped});
        else if (swapped && swapOut)
            swapOut(*item);
    };
    enter(&root);
    while (!open.empty()) {
        Open& top = open.back();
        if (top.next < top.item->Count()) {
            TfrxXMLItem* child = top.item->Items(top.next++);
            enter(child);
            continue;
        }
        const Open done = top;
        open.pop_back();
        WriteClosing(*done.item, int(open.size()));
        if (done.swappedIn && swapOut)
            swapOut(*done.item);
    }
}
