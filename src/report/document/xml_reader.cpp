#include "xml_reader.h"

#include "ansi_text.h"
#include "attribute_text.h"
#include "document_texts.h"
#include "xml_item.h"

#include <QIODevice>
#include <cstring>
#include <vector>

namespace {

const QByteArray kHeaderStart = QByteArrayLiteral("?xml");
const QByteArray kCommentStart = QByteArrayLiteral("!--");
const QByteArray kCommentEnd = QByteArrayLiteral("--");
const QByteArray kVersionKey = QByteArrayLiteral("version=");
const QByteArray kStandaloneKey = QByteArrayLiteral("standalone=");
constexpr QStringView kSwapMarkerName = u"ld";
constexpr QStringView kSwapMarkerValue = u"0";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Drops the first ld="0" pair from an attribute text; true when there was one.
bool RemoveSwapMarker(QString& text)
{
    if (!text.contains(QLatin1String("ld="), Qt::CaseInsensitive))
        return false;
    AttributeScanner scanner(text);
    AttributePair pair;
    while (scanner.Next(pair)) {
        if (pair.name.compare(kSwapMarkerName, Qt::CaseInsensitive) == 0 && pair.value == kSwapMarkerValue) {
            RemoveAttribute(text, pair);
            return true;
        }
    }
    return false;
}

}  // namespace

bool TfrxXMLReader::Fill()
{
    const qint64 read = stream_.read(block_, kBlockSize);
    pos_ = 0;
    size_ = read > 0 ? read : 0;
    return size_ > 0;
}

bool TfrxXMLReader::SkipToTagStart()
{
    for (;;) {
        if (pos_ == size_ && !Fill())
            return false;
        const void* found = std::memchr(block_ + pos_, '<', size_t(size_ - pos_));
        if (found) {
            pos_ = static_cast<const char*>(found) - block_ + 1;
            return true;
        }
        pos_ = size_;
    }
}

// The bytes between "<" and ">". A comment runs on to the first "-->" after its "!--".
bool TfrxXMLReader::NextRawTag(QByteArray& raw, bool& comment)
{
    if (!SkipToTagStart())
        return false;
    raw.clear();
    comment = false;
    for (;;) {
        if (pos_ == size_ && !Fill())
            throw TfrxInvalidXMLException();
        qsizetype i = pos_;
        while (i < size_ && block_[i] != '>' && block_[i] != '<')
            ++i;
        raw.append(block_ + pos_, i - pos_);
        pos_ = i;
        if (i == size_)
            continue;
        const char c = block_[pos_++];
        comment = comment || raw.startsWith(kCommentStart);
        if (c == '<' && !comment)
            throw TfrxInvalidXMLException();
        const bool commentEnds = raw.size() >= kCommentStart.size() + kCommentEnd.size() && raw.endsWith(kCommentEnd);
        if (c == '>' && (!comment || commentEnds))
            return true;
        raw.append(c);
    }
}

bool TfrxXMLReader::NextTag(Tag& tag)
{
    bool comment = false;
    do {
        if (!NextRawTag(raw_, comment))
            return false;
    } while (comment);
    tag = ParseTag(raw_);
    return true;
}

TfrxXMLReader::Tag TfrxXMLReader::ParseTag(QByteArray& raw) const
{
    Tag tag;
    if (raw.endsWith(' '))
        raw.chop(1);
    qsizetype split = 0;
    while (split < raw.size() && !IsBlank(raw[split]))
        ++split;
    QByteArrayView name(raw.constData(), split);
    QByteArrayView text = split < raw.size() ? QByteArrayView(raw).sliced(split + 1) : QByteArrayView();
    tag.closing = name.startsWith('/');
    if (name.endsWith('/')) {
        name.chop(1);
        tag.childless = true;
    } else if (text.endsWith('/')) {
        text.chop(1);
        tag.childless = true;
    }
    tag.name = DecodeAnsi(tag.closing ? name.sliced(1) : name);
    tag.text = oldFormat_ ? DecodeAnsi(text) : QString::fromUtf8(text);
    tag.swappable = RemoveSwapMarker(tag.text);
    return tag;
}

void TfrxXMLReader::ReadHeader()
{
    bool comment = false;
    do {
        if (!NextRawTag(raw_, comment))
            throw TfrxInvalidXMLException();
    } while (comment);
    if (!raw_.startsWith(kHeaderStart))
        throw TfrxInvalidXMLException();
    QByteArray version;
    const qsizetype key = raw_.indexOf(kVersionKey);
    if (key >= 0)
        version = raw_.mid(key + kVersionKey.size() + 1, 3);
    oldFormat_ = version == "1.0" && !raw_.contains(kStandaloneKey);
}

void TfrxXMLReader::ReadRootItem(TfrxXMLItem& root, const SwapOut& swapOut)
{
    // The open elements, innermost last, each with whether it carried the swap marker.
    std::vector<std::pair<TfrxXMLItem*, bool>> open;
    Tag tag;
    while (NextTag(tag)) {
        if (tag.closing) {
            if (open.empty() || tag.name.compare(open.back().first->Name(), Qt::CaseInsensitive) != 0)
                throw TfrxInvalidXMLException();
            auto [item, swappable] = open.back();
            open.pop_back();
            if (swappable && swapOut)
                swapOut(*item);
            if (open.empty())
                return;
            continue;
        }
        TfrxXMLItem* item = open.empty() ? &root : open.back().first->Add();
        item->SetName(std::move(tag.name));
        item->SetText(std::move(tag.text));
        if (!tag.childless)
            open.emplace_back(item, tag.swappable);
        else if (item == &root)
            return;
    }
}
